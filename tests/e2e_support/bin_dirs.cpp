#include "bin_dirs.h"

#include <windows.h>

namespace e2e {
namespace {

std::wstring folderOf(const std::wstring& path) {
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

// The build folder holding test-bin, program and demo-bin.
std::wstring buildDir() {
  std::wstring bin = testBinDir();
  bin.pop_back();
  return folderOf(bin);
}

}  // namespace

std::wstring testBinDir() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  return folderOf(self);
}

std::wstring shippedBinDir() {
  return buildDir() + L"program\\";
}

std::wstring demoBinDir() {
  return buildDir() + L"demo-bin\\";
}

}  // namespace e2e
