#include "file_tree.h"

#include <Poco/Exception.h>
#include <Poco/UnicodeConverter.h>

#include <windows.h>

namespace {

// The form Poco hands to the wide Win32 calls: long absolute paths get the
// "\\?\" prefix so they are not cut at MAX_PATH.
std::wstring toWidePath(const std::string& path) {
  std::wstring wide;
  Poco::UnicodeConverter::toUTF16(path, wide);
  if (wide.size() > MAX_PATH - 12) {
    if (wide.size() > 2 && wide[1] == L':')
      wide.insert(0, L"\\\\?\\");
    else if (wide.size() > 2 && wide[0] == L'\\' && wide[1] == L'\\')
      wide.insert(2, L"?\\UNC\\");
  }
  return wide;
}

[[noreturn]] void throwLastError(const std::string& what, const std::string& path) {
  const DWORD error = GetLastError();
  const std::string detail = path + " (error " + std::to_string(error) + ")";
  if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
    throw Poco::FileNotFoundException(what, detail);
  if (error == ERROR_DIR_NOT_EMPTY)
    throw Poco::DirectoryNotEmptyException(what, detail);
  if (error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION)
    throw Poco::FileAccessDeniedException(what, detail);
  throw Poco::FileException(what, detail);
}

bool deleteEntry(const TreeEntry& entry, const std::wstring& wide) {
  return (entry.isDirectory ? RemoveDirectoryW(wide.c_str()) : DeleteFileW(wide.c_str())) != 0;
}

// The read-only attribute refuses deletion, and the tree is to go entirely: it
// is cleared first, and put back when the deletion fails all the same. A link
// keeps its attributes: changing them could reach through to its target.
void removeEntry(const TreeEntry& entry) {
  const std::wstring wide = toWidePath(entry.path);
  if (!entry.isReadOnly || entry.isLink) {
    if (!deleteEntry(entry, wide))
      throwLastError("cannot remove", entry.path);
    return;
  }
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES ||
      !SetFileAttributesW(wide.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY))
    throwLastError("cannot remove", entry.path);
  if (!deleteEntry(entry, wide)) {
    const DWORD error = GetLastError();
    SetFileAttributesW(wide.c_str(), attributes);
    SetLastError(error);
    throwLastError("cannot remove", entry.path);
  }
}

void removeBelow(const TreeEntry& directory) {
  for (const TreeEntry& child : listEntries(directory.path)) {
    if (child.isDirectory && !child.isLink)
      removeBelow(child);
    else
      removeEntry(child);
  }
  // Deleted files may linger until their last handle closes; retry a while.
  DWORD delay = 10;
  for (int attempt = 1;; ++attempt, delay *= 2) {
    try {
      removeEntry(directory);
      return;
    } catch (const Poco::DirectoryNotEmptyException&) {
      if (attempt == 8)
        throw;
      Sleep(delay);
    }
  }
}

}  // namespace

std::vector<TreeEntry> listEntries(const std::string& directory) {
  std::string prefix = directory;
  if (!prefix.empty() && prefix.back() != '\\' && prefix.back() != '/')
    prefix += '\\';
  WIN32_FIND_DATAW found = {};
  HANDLE search = FindFirstFileW(toWidePath(prefix + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE)
    throwLastError("cannot list", directory);
  std::vector<TreeEntry> entries;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..")
      continue;
    TreeEntry entry;
    std::string utf8;
    Poco::UnicodeConverter::toUTF8(name, utf8);
    entry.path = prefix + utf8;
    entry.isDirectory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    entry.isLink = (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    entry.isReadOnly = (found.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    entries.push_back(std::move(entry));
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return entries;
}

bool isLinkOrJunction(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(toWidePath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

void removeTree(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(toWidePath(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES)
    throwLastError("cannot remove", path);
  TreeEntry root;
  root.path = path;
  while (!root.path.empty() && (root.path.back() == '\\' || root.path.back() == '/') &&
         root.path.size() > 3)
    root.path.pop_back();
  root.isDirectory = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  root.isLink = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  root.isReadOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
  if (root.isDirectory && !root.isLink)
    removeBelow(root);
  else
    removeEntry(root);
}
