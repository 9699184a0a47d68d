#include "library_search.h"

#include <Poco/Exception.h>
#include <Poco/UnicodeConverter.h>

#include <windows.h>

namespace {

bool isSeparator(char c) {
  return c == '\\' || c == '/';
}

bool isFullyQualified(const std::string& path) {
  const bool driveRoot = path.size() >= 3 && path[1] == ':' && isSeparator(path[2]);
  const bool uncOrDevice = path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1]);
  return driveRoot || uncOrDevice;
}

bool hasDirectoryOrDrive(const std::string& path) {
  return path.find_first_of("\\/:") != std::string::npos;
}

// The folder of the running executable, which the system searches first.
// Unlike argv[0] it does not depend on how the program was started.
std::wstring ownFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
    if (length == 0)
      return std::wstring();
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const size_t slash = path.find_last_of(L'\\');
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

}  // namespace

std::string libraryPathOutsideWorkingDirectory(const std::string& name,
                                               const std::string& programFolder) {
  if (!hasDirectoryOrDrive(name) || isFullyQualified(name))
    return name;
  return programFolder + "\\" + name;
}

void loadLibraryOutsideWorkingDirectory(const std::string& name, Poco::SharedLibrary& library) {
  const std::wstring folder = ownFolder();
  // The library directory takes the current directory's place in the search
  // order. An empty one would do on Windows, but Wine then keeps the current
  // directory; the program's own folder is searched first anyway.
  if (folder.empty() || !SetDllDirectoryW(folder.c_str()))
    throw Poco::LibraryLoadException(name);
  std::string folderUtf8;
  Poco::UnicodeConverter::toUTF8(folder, folderUtf8);
  library.load(libraryPathOutsideWorkingDirectory(name, folderUtf8));
}
