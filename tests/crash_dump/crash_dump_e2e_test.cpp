// Crashes of the real starter.exe: the minidump it leaves in dmp beside
// itself, read back and checked field by field.
#include "e2e_support.h"

#include <windows.h>
#include <dbghelp.h>

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr DWORD kAccessViolation = 0xC0000005;
constexpr DWORD kStackOverflow = 0xC00000FD;

struct DumpFacts {
  bool signature = false;
  ULONG64 flags = 0;
  bool hasException = false;
  ULONG32 exceptionThread = 0;
  ULONG32 exceptionCode = 0;
  std::set<ULONG32> threads;
};

template <typename T>
bool readAt(const std::string& bytes, size_t offset, T& value) {
  if (offset + sizeof(T) > bytes.size())
    return false;
  std::memcpy(&value, bytes.data() + offset, sizeof(T));
  return true;
}

DumpFacts readDump(const std::string& bytes) {
  DumpFacts facts;
  MINIDUMP_HEADER header = {};
  if (!readAt(bytes, 0, header))
    return facts;
  facts.signature = std::memcmp(bytes.data(), "MDMP", 4) == 0;
  facts.flags = header.Flags;
  for (ULONG32 i = 0; i < header.NumberOfStreams; ++i) {
    MINIDUMP_DIRECTORY entry = {};
    if (!readAt(bytes, header.StreamDirectoryRva + i * sizeof(entry), entry))
      break;
    if (entry.StreamType == ExceptionStream) {
      MINIDUMP_EXCEPTION_STREAM stream = {};
      if (readAt(bytes, entry.Location.Rva, stream)) {
        facts.hasException = true;
        facts.exceptionThread = stream.ThreadId;
        facts.exceptionCode = stream.ExceptionRecord.ExceptionCode;
      }
    } else if (entry.StreamType == ThreadListStream) {
      ULONG32 count = 0;
      readAt(bytes, entry.Location.Rva, count);
      for (ULONG32 t = 0; t < count; ++t) {
        MINIDUMP_THREAD thread = {};
        if (readAt(bytes, entry.Location.Rva + sizeof(count) + t * sizeof(thread), thread))
          facts.threads.insert(thread.ThreadId);
      }
    }
  }
  return facts;
}

std::vector<std::wstring> dumpNames(const e2e::ProgramDir& dir) {
  return e2e::matchingNames(dir.path() + L"dmp\\*.dmp");
}

std::wstring stampOf(const SYSTEMTIME& time) {
  wchar_t name[32] = {};
  wsprintfW(name, L"%04d%02d%02d-%02d%02d%02d", time.wYear, time.wMonth, time.wDay, time.wHour,
            time.wMinute, time.wSecond);
  return name;
}

ULONGLONG secondsOf(const SYSTEMTIME& time) {
  FILETIME file = {};
  SystemTimeToFileTime(&time, &file);
  return ((ULONGLONG(file.dwHighDateTime) << 32) | file.dwLowDateTime) / 10000000ULL;
}

// The time-stamp names of every local second from `from` to `to`.
std::set<std::wstring> stampsBetween(const SYSTEMTIME& from, const SYSTEMTIME& to) {
  std::set<std::wstring> stamps;
  for (ULONGLONG s = secondsOf(from); s <= secondsOf(to); ++s) {
    const ULONGLONG ticks = s * 10000000ULL;
    FILETIME file = {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME time = {};
    FileTimeToSystemTime(&file, &time);
    stamps.insert(stampOf(time));
  }
  return stamps;
}

SYSTEMTIME localNow() {
  SYSTEMTIME now = {};
  GetLocalTime(&now);
  return now;
}

DWORD recordedThread(const e2e::ProgramDir& dir) {
  return std::stoul("0" + dir.readFile(L"crash_thread.txt"));
}

struct Crash {
  e2e::RunResult run;
  std::set<std::wstring> stamps;  // the seconds the run spanned
};

Crash crashStarter(const e2e::ProgramDir& dir,
                   const std::string& kind,
                   const std::wstring& arguments = L"") {
  e2e::RunOptions options;
  options.arguments = arguments;
  options.environment = {{L"ZEL_CRASH", e2e::utf8ToWide(kind)}};
  Crash crash;
  const SYSTEMTIME before = localNow();
  crash.run = e2e::run(dir.starter(), options);
  crash.stamps = stampsBetween(before, localNow());
  return crash;
}

class CrashingInstallation : public ::testing::Test {
 protected:
  CrashingInstallation() : dir(L"crash") {
    dir.copyIn(e2e::testBinDir() + L"crash_module_fixture.dll", L"velotra.dll");
  }
  e2e::ProgramDir dir;
};

TEST_F(CrashingInstallation, FaultLeavesATimeNamedDumpOfTheFaultingThread) {
  struct Case {
    const char* kind;
    DWORD code;
  };
  const Case cases[] = {
      {"access_violation", kAccessViolation},
      {"worker_thread", kAccessViolation},
      {"stack_overflow", kStackOverflow},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    e2e::ProgramDir app(L"crash-kind");
    app.copyIn(e2e::testBinDir() + L"crash_module_fixture.dll", L"velotra.dll");
    ASSERT_FALSE(app.exists(L"dmp"));
    const Crash crash = crashStarter(app, c.kind);
    ASSERT_FALSE(crash.run.timedOut);
    EXPECT_EQ(crash.run.exitCode, c.code);
    EXPECT_TRUE(crash.run.dialogs.empty());

    const std::vector<std::wstring> names = dumpNames(app);
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0].size(), std::wstring(L"YYYYMMDD-hhmmss.dmp").size());
    EXPECT_EQ(crash.stamps.count(names[0].substr(0, 15)), 1u) << e2e::wideToUtf8(names[0]);

    const DumpFacts facts = readDump(app.readFile(L"dmp\\" + names[0]));
    EXPECT_TRUE(facts.signature);
    EXPECT_EQ(facts.flags & 0xffffffffu, static_cast<ULONG64>(MiniDumpWithDataSegs));
    ASSERT_TRUE(facts.hasException);
    EXPECT_EQ(facts.exceptionCode, c.code);
    const DWORD faulting = recordedThread(app);
    EXPECT_NE(faulting, 0u);
    EXPECT_EQ(facts.exceptionThread, faulting);
    EXPECT_EQ(facts.threads.count(faulting), 1u);
  }
}

TEST_F(CrashingInstallation, LaterCrashesReuseTheDirectoryAndKeepEarlierDumps) {
  const Crash first = crashStarter(dir, "access_violation");
  ASSERT_EQ(dumpNames(dir).size(), 1u);
  const std::wstring firstName = dumpNames(dir)[0];
  const std::string firstBytes = dir.readFile(L"dmp\\" + firstName);

  // Occupy the names of the coming minute, as if a dump had been written in
  // each of those seconds already.
  SYSTEMTIME now = localNow();
  SYSTEMTIME later = now;
  const ULONGLONG ticks = (secondsOf(now) + 60) * 10000000ULL;
  FILETIME file = {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
  FileTimeToSystemTime(&file, &later);
  const std::set<std::wstring> occupied = stampsBetween(now, later);
  for (const std::wstring& stamp : occupied)
    if (!dir.exists(L"dmp\\" + stamp + L".dmp"))
      dir.writeFile(L"dmp\\" + stamp + L".dmp", "earlier dump");

  const Crash second = crashStarter(dir, "access_violation");
  ASSERT_FALSE(second.run.timedOut);
  EXPECT_EQ(dir.readFile(L"dmp\\" + firstName), firstBytes);
  std::vector<std::wstring> added;
  for (const std::wstring& name : dumpNames(dir)) {
    if (name == firstName)
      continue;
    const std::wstring stamp = name.substr(0, 15);
    if (name == stamp + L".dmp")
      EXPECT_EQ(dir.readFile(L"dmp\\" + name), "earlier dump") << e2e::wideToUtf8(name);
    else
      added.push_back(name);
  }
  ASSERT_EQ(added.size(), 1u);
  EXPECT_EQ(added[0].substr(15), L"-1.dmp");
  EXPECT_EQ(second.stamps.count(added[0].substr(0, 15)), 1u) << e2e::wideToUtf8(added[0]);
  EXPECT_TRUE(readDump(dir.readFile(L"dmp\\" + added[0])).signature);
}

TEST_F(CrashingInstallation, SubProcessHostCrashLeavesADumpToo) {
  dir.copyIn(e2e::testBinDir() + L"crash_module_fixture.dll", L"ZelWebRenderer.dll");
  const Crash crash = crashStarter(dir, "access_violation", L"--type=renderer");
  ASSERT_FALSE(crash.run.timedOut);
  EXPECT_EQ(crash.run.exitCode, kAccessViolation);
  const std::vector<std::wstring> names = dumpNames(dir);
  ASSERT_EQ(names.size(), 1u);
  const DumpFacts facts = readDump(dir.readFile(L"dmp\\" + names[0]));
  EXPECT_TRUE(facts.signature);
  EXPECT_EQ(facts.exceptionThread, recordedThread(dir));
  // The renderer host never reached the launcher's log set-up.
  EXPECT_FALSE(dir.exists(L"log"));
}

TEST_F(CrashingInstallation, WithADebuggerAttachedTheCrashReachesItAndNoDumpIsWritten) {
  std::wstring command = L"\"" + dir.starter() + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  ASSERT_TRUE(CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, DEBUG_ONLY_THIS_PROCESS,
                             nullptr, dir.path().c_str(), &startup, &process));
  bool firstChance = false;
  bool lastChance = false;
  bool exited = false;
  const ULONGLONG deadline = GetTickCount64() + 60000;
  while (!exited && GetTickCount64() < deadline) {
    DEBUG_EVENT event = {};
    if (!WaitForDebugEvent(&event, 1000))
      continue;
    DWORD status = DBG_CONTINUE;
    switch (event.dwDebugEventCode) {
      case CREATE_PROCESS_DEBUG_EVENT:
        if (event.u.CreateProcessInfo.hFile)
          CloseHandle(event.u.CreateProcessInfo.hFile);
        break;
      case LOAD_DLL_DEBUG_EVENT:
        if (event.u.LoadDll.hFile)
          CloseHandle(event.u.LoadDll.hFile);
        break;
      case EXCEPTION_DEBUG_EVENT:
        if (event.u.Exception.ExceptionRecord.ExceptionCode == kAccessViolation) {
          status = DBG_EXCEPTION_NOT_HANDLED;
          if (event.u.Exception.dwFirstChance) {
            firstChance = true;
          } else {
            // Nothing in the process handled it: the debugger has the last word.
            lastChance = true;
            TerminateProcess(process.hProcess, 9);
          }
        }
        break;
      case EXIT_PROCESS_DEBUG_EVENT:
        exited = true;
        break;
      default:
        break;
    }
    ContinueDebugEvent(event.dwProcessId, event.dwThreadId, status);
  }
  if (!exited)
    TerminateProcess(process.hProcess, 9);
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);

  EXPECT_TRUE(firstChance);
  EXPECT_TRUE(lastChance);
  EXPECT_FALSE(dir.exists(L"dmp"));
}

}  // namespace
