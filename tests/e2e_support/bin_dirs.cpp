#include "bin_dirs.h"

#include <windows.h>

namespace e2e {
namespace {

std::wstring folderOf(const std::wstring& path) {
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

}  // namespace

std::wstring testBinDir() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  return folderOf(self);
}

std::wstring shippedBinDir() {
  std::wstring bin = testBinDir();
  bin.pop_back();
  return folderOf(bin) + L"program\\";
}

}  // namespace e2e
