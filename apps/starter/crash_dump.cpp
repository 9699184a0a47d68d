#include "crash_dump.h"

#include <dbghelp.h>

namespace {

using MiniDumpWriteDumpFn = BOOL(WINAPI*)(HANDLE,
                                          DWORD,
                                          HANDLE,
                                          MINIDUMP_TYPE,
                                          PMINIDUMP_EXCEPTION_INFORMATION,
                                          PMINIDUMP_USER_STREAM_INFORMATION,
                                          PMINIDUMP_CALLBACK_INFORMATION);

// A later dump of the same second gets "-1" ... "-99" before ".dmp".
constexpr int kMaxSuffix = 99;
constexpr DWORD kWriterTimeoutMs = 60000;
constexpr ULONG kStackReserve = 64 * 1024;

// A stack overflow leaves the faulting thread too little stack for DbgHelp,
// so that dump is written by a thread that was started in advance and waits;
// the faulting thread only hands over its exception and waits in turn.
struct DumpWriter {
  HANDLE thread = nullptr;
  DWORD threadId = 0;
  HANDLE request = nullptr;
  HANDLE done = nullptr;
  HANDLE installer = nullptr;   // the thread that installed the filter
  SRWLOCK lock = SRWLOCK_INIT;  // one crash at a time
  EXCEPTION_POINTERS* exception = nullptr;
  DWORD faultingThreadId = 0;
};

DumpWriter writer;

// Opens a new dump file without touching an earlier one of the same second.
HANDLE createDumpFile(const wchar_t* directory, const SYSTEMTIME& time, wchar_t* path) {
  HANDLE file = INVALID_HANDLE_VALUE;
  for (int suffix = 0; suffix <= kMaxSuffix; ++suffix) {
    wchar_t name[MAX_PATH] = {};
    if (suffix == 0)
      wsprintfW(name, L"%04d%02d%02d-%02d%02d%02d.dmp", time.wYear, time.wMonth, time.wDay,
                time.wHour, time.wMinute, time.wSecond);
    else
      wsprintfW(name, L"%04d%02d%02d-%02d%02d%02d-%d.dmp", time.wYear, time.wMonth, time.wDay,
                time.wHour, time.wMinute, time.wSecond, suffix);
    wsprintfW(path, L"%s\\%s", directory, name);
    file = CreateFileW(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       nullptr, CREATE_NEW, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
      break;
  }
  return file;
}

void writeDumpFile(EXCEPTION_POINTERS* exception, DWORD faultingThreadId) {
  HMODULE dbghelp = LoadLibraryW(L"DbgHelp.dll");
  auto writeDump = dbghelp ? reinterpret_cast<MiniDumpWriteDumpFn>(reinterpret_cast<void*>(
                                 GetProcAddress(dbghelp, "MiniDumpWriteDump")))
                           : nullptr;
  if (writeDump) {
    SYSTEMTIME time = {};
    GetLocalTime(&time);

    wchar_t directory[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, directory, MAX_PATH);
    if (wchar_t* lastSlash = wcsrchr(directory, L'\\'))
      *lastSlash = L'\0';
    lstrcatW(directory, L"\\dmp");
    CreateDirectoryW(directory, nullptr);

    wchar_t path[MAX_PATH * 2] = {};
    HANDLE file = createDumpFile(directory, time, path);
    OutputDebugStringW(path);
    if (file != INVALID_HANDLE_VALUE) {
      MINIDUMP_EXCEPTION_INFORMATION info = {};
      info.ThreadId = faultingThreadId;
      info.ExceptionPointers = exception;
      info.ClientPointers = FALSE;
      writeDump(GetCurrentProcess(), GetCurrentProcessId(), file, MiniDumpWithDataSegs, &info,
                nullptr, nullptr);
      CloseHandle(file);
    }
  }
  if (dbghelp)
    FreeLibrary(dbghelp);
}

// Waits for a stack-overflow dump to write. It must not keep a process alive
// whose installing thread is gone (the system may end a thread that it cannot
// hand a stack overflow to), so it ends then with that thread's exit code.
DWORD WINAPI dumpWriterThread(void*) {
  HANDLE events[] = {writer.request, writer.installer};
  for (;;) {
    const DWORD woken = WaitForMultipleObjects(2, events, FALSE, INFINITE);
    if (woken != WAIT_OBJECT_0) {
      DWORD code = 0;
      GetExitCodeThread(writer.installer, &code);
      return code;
    }
    writeDumpFile(writer.exception, writer.faultingThreadId);
    SetEvent(writer.done);
  }
}

// Keeps enough stack for the system to hand a stack overflow of this thread
// to the filter. Where the whole stack is committed up front (Wine), the
// overflow is only noticed on its last page, too late to dispatch it; a guard
// page inside the reserve makes it noticed in time.
void reserveStackForOverflow() {
  ULONG reserve = kStackReserve;
  if (!SetThreadStackGuarantee(&reserve))
    return;
  MEMORY_BASIC_INFORMATION stack = {};
  if (!VirtualQuery(&stack, &stack, sizeof stack))
    return;
  SYSTEM_INFO system = {};
  GetSystemInfo(&system);
  char* page = static_cast<char*>(stack.AllocationBase) + kStackReserve;
  MEMORY_BASIC_INFORMATION target = {};
  if (VirtualQuery(page, &target, sizeof target) && target.State == MEM_COMMIT &&
      target.Protect == PAGE_READWRITE && page < reinterpret_cast<char*>(&target)) {
    DWORD previous = 0;
    VirtualProtect(page, system.dwPageSize, PAGE_READWRITE | PAGE_GUARD, &previous);
  }
}

}  // namespace

void installCrashDumpFilter() {
  reserveStackForOverflow();
  writer.request = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  writer.done = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &writer.installer,
                  SYNCHRONIZE | THREAD_QUERY_LIMITED_INFORMATION, FALSE, 0);
  if (writer.request && writer.done && writer.installer)
    writer.thread = CreateThread(nullptr, 0, dumpWriterThread, nullptr, 0, &writer.threadId);
  SetUnhandledExceptionFilter(crashDumpFilter);
}

LONG WINAPI crashDumpFilter(EXCEPTION_POINTERS* exception) {
  if (IsDebuggerPresent())
    return EXCEPTION_CONTINUE_SEARCH;
  return writeCrashDump(exception);
}

LONG writeCrashDump(EXCEPTION_POINTERS* exception) {
  const DWORD self = GetCurrentThreadId();
  const bool stackOverflow = exception && exception->ExceptionRecord &&
                             exception->ExceptionRecord->ExceptionCode == EXCEPTION_STACK_OVERFLOW;
  // Other crashes are written right here: the faulting thread may hold the
  // loader or heap lock, which the writer thread would wait for in vain.
  if (!stackOverflow || !writer.thread || self == writer.threadId) {
    writeDumpFile(exception, self);
    return EXCEPTION_EXECUTE_HANDLER;
  }
  AcquireSRWLockExclusive(&writer.lock);
  writer.exception = exception;
  writer.faultingThreadId = self;
  // Bounded, so a writer stuck on a lock cannot keep a dead process alive.
  SignalObjectAndWait(writer.request, writer.done, kWriterTimeoutMs, FALSE);
  ReleaseSRWLockExclusive(&writer.lock);
  return EXCEPTION_EXECUTE_HANDLER;
}
