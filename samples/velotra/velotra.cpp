// A sample start module: what the application's velotra.dll looks like to
// the launcher. It reports how it was called, to its standard output and to
// velotra-output.txt beside itself, and returns 0.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::wstring moduleDirectory() {
  HMODULE self = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&moduleDirectory), &self);
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(self, path, MAX_PATH);
  std::wstring directory(path);
  return directory.substr(0, directory.find_last_of(L'\\') + 1);
}

}  // namespace

extern "C" __declspec(dllexport) int main(int argc, char** argv) {
  std::ostringstream report;
  report << "velotra: the application started, " << argc << " argument(s)\n";
  for (int i = 0; i < argc; ++i)
    report << "  argv[" << i << "] = " << argv[i] << "\n";

  const std::string text = report.str();
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written,
            nullptr);
  std::ofstream(std::filesystem::path(moduleDirectory() + L"velotra-output.txt"), std::ios::binary)
      << text;
  return 0;
}
