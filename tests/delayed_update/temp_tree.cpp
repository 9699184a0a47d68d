#include "temp_tree.h"

#include "e2e_support.h"
#include "file_tree.h"

#include <Poco/UnicodeConverter.h>

#include <windows.h>

#include <stdexcept>

std::wstring widen(const std::string& utf8) {
  std::wstring wide;
  Poco::UnicodeConverter::toUTF16(utf8, wide);
  return wide;
}

TempTree::TempTree(const std::string& tag) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  std::string base;
  Poco::UnicodeConverter::toUTF8(std::wstring(temp), base);
  static unsigned counter = 0;
  path_ = base + "zel-" + tag + "-" + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(++counter) + "-" + std::to_string(GetTickCount()) + "\\";
  if (!CreateDirectoryW(widen(path_).c_str(), nullptr))
    throw std::runtime_error("cannot create " + path_);
}

TempTree::~TempTree() {
  try {
    removeTree(path_.substr(0, path_.size() - 1));
  } catch (...) {
    // A directory link that the platform cannot remove stays behind.
  }
}

void TempTree::makeDir(const std::string& rel) const {
  std::string::size_type pos = 0;
  while ((pos = rel.find('\\', pos + 1)) != std::string::npos)
    CreateDirectoryW(widen(at(rel.substr(0, pos))).c_str(), nullptr);
  CreateDirectoryW(widen(at(rel)).c_str(), nullptr);
}

void TempTree::write(const std::string& rel, const std::string& bytes) const {
  const auto slash = rel.rfind('\\');
  if (slash != std::string::npos)
    makeDir(rel.substr(0, slash));
  HANDLE file =
      CreateFileW(widen(at(rel)).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    throw std::runtime_error("cannot write " + at(rel));
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::string TempTree::read(const std::string& rel) const {
  return exists(rel) ? e2e::readFile(widen(at(rel))) : "<missing>";
}

bool TempTree::exists(const std::string& rel) const {
  return GetFileAttributesW(widen(at(rel)).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool TempTree::isDirectory(const std::string& rel) const {
  const DWORD attributes = GetFileAttributesW(widen(at(rel)).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
