// The start module of the start-up benchmark: on entry to main it reads the
// performance counter and leaves the value in main_reached.txt beside the
// executable, for bench_start_timer to pick up.
#include <windows.h>

#include <cstdio>
#include <string>

extern "C" __declspec(dllexport) int main(int, char**) {
  LARGE_INTEGER reached;
  QueryPerformanceCounter(&reached);

  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring file(path);
  file = file.substr(0, file.find_last_of(L'\\') + 1) + L"main_reached.txt";
  char text[32];
  const int length = std::snprintf(text, sizeof text, "%lld", reached.QuadPart);
  HANDLE out = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (out == INVALID_HANDLE_VALUE)
    return 1;
  DWORD written = 0;
  WriteFile(out, text, static_cast<DWORD>(length), &written, nullptr);
  CloseHandle(out);
  return 0;
}
