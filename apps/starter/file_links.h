#pragma once

#include <string>

// True when the entry at `path` (UTF-8) is a reparse point: a symbolic link
// or a junction, for a file or a directory. False when it is missing.
bool isLinkOrJunction(const std::string& path);

// Removes `path` with everything below it. A link or junction is removed as an
// entry and never descended into, so nothing outside the tree is deleted.
// Throws the Poco exception of the first removal that fails.
void removeTree(const std::string& path);
