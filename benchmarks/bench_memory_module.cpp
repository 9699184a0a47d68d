// Stands in for the start module in the memory benchmark: writes the
// process's peak working set and peak private bytes so far (after the
// delayed update) to memory.txt beside the executable, in bytes.
#include <windows.h>
#include <psapi.h>

#include <string>

extern "C" __declspec(dllexport) int main(int, char**) {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  const std::string text = std::to_string(counters.PeakWorkingSetSize) + " " +
                           std::to_string(counters.PeakPagefileUsage) + "\n";
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring file(path);
  file = file.substr(0, file.find_last_of(L'\\') + 1) + L"memory.txt";
  HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (handle != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(handle);
  }
  return 0;
}
