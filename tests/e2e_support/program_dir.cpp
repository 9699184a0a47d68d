#include "program_dir.h"

#include "bin_dirs.h"
#include "files.h"
#include "text.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>

namespace e2e {
namespace {

// Links are removed, never followed, and the read-only attribute is cleared
// on real entries only: what a link points at stays as it is.
void removeTree(const std::wstring& directory) {
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW((directory + L"*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = entry.cFileName;
      if (name == L"." || name == L"..")
        continue;
      const std::wstring full = directory + name;
      const bool isLink = entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT;
      const bool isDir = entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
      if (!isLink)
        SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (isDir && !isLink)
        removeTree(full + L"\\");
      else if (isDir)
        // Wine shows a Unix symbolic link as a directory link but may only
        // delete it as a file.
        RemoveDirectoryW(full.c_str()) || DeleteFileW(full.c_str());
      else
        DeleteFileW(full.c_str());
    } while (FindNextFileW(find, &entry));
    FindClose(find);
  }
  RemoveDirectoryW(directory.c_str());
}

}  // namespace

ProgramDir::ProgramDir(const std::wstring& tag) : ProgramDir(tag, Empty{}) {
  copyIn(shippedBinDir() + L"starter.exe");
}

ProgramDir ProgramDir::withoutStarter(const std::wstring& tag) {
  return ProgramDir(tag, Empty{});
}

ProgramDir::ProgramDir(const std::wstring& tag, Empty) {
  static std::atomic<unsigned> counter{0};
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  for (;;) {
    path_ = std::wstring(temp) + L"zel-" + tag + L"-" + std::to_wstring(GetCurrentProcessId()) +
            L"-" + std::to_wstring(counter++) + L"\\";
    if (CreateDirectoryW(path_.c_str(), nullptr))
      break;
    if (GetLastError() != ERROR_ALREADY_EXISTS) {
      ADD_FAILURE() << "cannot create " << wideToUtf8(path_);
      break;
    }
  }
}

ProgramDir::~ProgramDir() {
  removeTree(path_);
}

std::string ProgramDir::utf8Path(const std::wstring& relative) const {
  return wideToUtf8(path_ + relative);
}

void ProgramDir::copyIn(const std::wstring& from, const std::wstring& nameAs) const {
  const std::wstring name = nameAs.empty() ? from.substr(from.find_last_of(L'\\') + 1) : nameAs;
  if (!CopyFileW(from.c_str(), (path_ + name).c_str(), FALSE))
    ADD_FAILURE() << "cannot copy " << wideToUtf8(from) << " to " << wideToUtf8(path_ + name);
}

void ProgramDir::writeFile(const std::wstring& relative, const std::string& bytes) const {
  const size_t slash = relative.rfind(L'\\');
  if (slash != std::wstring::npos)
    makeDir(relative.substr(0, slash));
  HANDLE file =
      CreateFileW((path_ + relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    ADD_FAILURE() << "cannot write " << wideToUtf8(path_ + relative);
    return;
  }
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

void ProgramDir::makeDir(const std::wstring& relative) const {
  for (size_t slash = relative.find(L'\\'); slash != std::wstring::npos;
       slash = relative.find(L'\\', slash + 1))
    CreateDirectoryW((path_ + relative.substr(0, slash)).c_str(), nullptr);
  if (!CreateDirectoryW((path_ + relative).c_str(), nullptr) && !isDirectory(path_ + relative))
    ADD_FAILURE() << "cannot create " << wideToUtf8(path_ + relative);
}

std::string ProgramDir::readFile(const std::wstring& relative) const {
  return e2e::readFile(path_ + relative);
}

bool ProgramDir::exists(const std::wstring& relative) const {
  return fileExists(path_ + relative);
}

}  // namespace e2e
