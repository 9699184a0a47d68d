#include "file_links.h"

#include <Poco/Exception.h>
#include <Poco/File.h>
#include <Poco/UnicodeConverter.h>

#include <windows.h>

#include <vector>

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

}  // namespace

bool isLinkOrJunction(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(toWidePath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

void removeTree(const std::string& path) {
  Poco::File entry(path);
  if (isLinkOrJunction(path) || !entry.isDirectory()) {
    entry.remove();
    return;
  }
  std::vector<Poco::File> children;
  entry.list(children);
  for (const Poco::File& child : children)
    removeTree(child.path());
  // Deleted files may linger until their last handle closes; retry for a while.
  DWORD delay = 10;
  for (int attempt = 1;; ++attempt, delay *= 2) {
    try {
      entry.remove();
      return;
    } catch (const Poco::DirectoryNotEmptyException&) {
      if (attempt == 8)
        throw;
      Sleep(delay);
    }
  }
}
