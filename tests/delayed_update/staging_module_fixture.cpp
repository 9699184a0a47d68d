// A start module that stages an update while it runs, like an updater that
// writes "delayup" during the application's lifetime; returns 0.
#include <windows.h>

#include <string>

extern "C" __declspec(dllexport) int main(int, char**) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring directory(path);
  directory = directory.substr(0, directory.find_last_of(L'\\') + 1) + L"delayup";
  CreateDirectoryW(directory.c_str(), nullptr);
  CreateDirectoryW((directory + L"\\res").c_str(), nullptr);
  HANDLE file = CreateFileW((directory + L"\\res\\late.png").c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_ALWAYS, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE)
    CloseHandle(file);
  return 0;
}
