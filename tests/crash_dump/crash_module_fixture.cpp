// A start module (or renderer library) whose main dies of an unhandled
// exception. Before it faults it writes the faulting thread's id, in decimal,
// to crash_thread.txt beside the executable. ZEL_CRASH selects how:
//   access_violation (default)  a write through a null pointer
//   stack_overflow              unbounded recursion
//   worker_thread               an access violation on a second thread
#include <windows.h>

#include <string>

namespace {

void recordThread() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring file(path);
  file = file.substr(0, file.find_last_of(L'\\') + 1) + L"crash_thread.txt";
  const std::string id = std::to_string(GetCurrentThreadId());
  HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE)
    return;
  DWORD written = 0;
  WriteFile(handle, id.data(), static_cast<DWORD>(id.size()), &written, nullptr);
  CloseHandle(handle);
}

void writeThroughNull() {
  recordThread();
  volatile int* nowhere = nullptr;
  *nowhere = 1;
}

// Keeps a frame per call so the compiler cannot turn it into a loop.
int recurse(volatile int depth) {
  volatile char frame[512];
  frame[0] = static_cast<char>(depth);
  return recurse(depth + 1) + frame[0];
}

DWORD WINAPI crashingWorker(void*) {
  writeThroughNull();
  return 0;
}

}  // namespace

extern "C" __declspec(dllexport) int main(int, char**) {
  char mode[64] = {};
  GetEnvironmentVariableA("ZEL_CRASH", mode, sizeof mode);
  const std::string kind(mode);
  if (kind == "stack_overflow") {
    recordThread();
    return recurse(0);
  }
  if (kind == "worker_thread") {
    HANDLE worker = CreateThread(nullptr, 0, crashingWorker, nullptr, 0, nullptr);
    WaitForSingleObject(worker, INFINITE);
    return 3;
  }
  writeThroughNull();
  return 3;
}
