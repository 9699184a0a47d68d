// Keeps a file open without any sharing, the way a running program blocks an
// update of its files, until a text appears in a log file.
//   file_holder <file> <ready event name> <log file> <text>
// The ready event is set once the file is held; the file is let go as soon as
// the log holds the text, or after 60 s.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

std::string readShared(const wchar_t* path) {
  HANDLE file =
      CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return {};
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
    bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv || argc < 5)
    return 2;
  HANDLE held = CreateFileW(argv[1], GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (held == INVALID_HANDLE_VALUE)
    return 3;
  const int size = WideCharToMultiByte(CP_UTF8, 0, argv[4], -1, nullptr, 0, nullptr, nullptr);
  std::string text(size > 0 ? size - 1 : 0, '\0');
  WideCharToMultiByte(CP_UTF8, 0, argv[4], -1, &text[0], size, nullptr, nullptr);
  if (HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[2]))
    SetEvent(ready);
  for (int i = 0; i < 6000; ++i) {
    if (readShared(argv[3]).find(text) != std::string::npos)
      break;
    Sleep(10);
  }
  CloseHandle(held);
  return 0;
}
