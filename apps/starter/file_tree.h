// File-system walks that see links and junctions for what they are.
#pragma once

#include <string>
#include <vector>

struct TreeEntry {
  std::string path;  // UTF-8, the directory's path joined with the name
  bool isDirectory = false;
  bool isLink = false;  // a reparse point: symbolic link or junction
  bool isReadOnly = false;
};

// The entries of `directory` in the file system's enumeration order, without
// "." and "..", with the attributes the enumeration already delivers. Throws
// Poco::FileException when the directory cannot be listed.
std::vector<TreeEntry> listEntries(const std::string& directory);

// True when the entry at `path` (UTF-8) is a reparse point: a symbolic link
// or a junction, for a file or a directory. False when it is missing.
bool isLinkOrJunction(const std::string& path);

// Removes `path` with everything below it. A link or junction is removed as an
// entry and never descended into, so nothing outside the tree is deleted.
// Read-only files and directories are removed too; a link's own attributes
// and its target's are left alone. Throws a Poco exception for the first
// removal that fails.
void removeTree(const std::string& path);
