// The update guard on the real starter.exe, against a holder process that
// takes the mutex the way the updater does.
#include "launcher_scenario.h"

#include <gtest/gtest.h>

using launcher::Installation;

namespace {

// Starts guard_holder on the guard of `programPath` and waits until it owns it.
class GuardHolder {
 public:
  GuardHolder(const std::string& programPath, const wchar_t* mode, DWORD milliseconds)
      : name_(launcher::guardNameFor(programPath)),
        readyName_(L"zel-guard-ready-" + std::to_wstring(GetTickCount64())),
        ready_(CreateEventW(nullptr, TRUE, FALSE, readyName_.c_str())),
        process_(e2e::testBinDir() + L"guard_holder.exe",
                 holderOptions(name_, readyName_, mode, milliseconds)) {
    EXPECT_EQ(WaitForSingleObject(ready_, 20000), WAIT_OBJECT_0) << "holder never took the guard";
    CloseHandle(ready_);
  }
  ~GuardHolder() {
    // The holder ends before this test lets go of the mutex object.
    process_.waitForExit(20000);
    if (kept_)
      CloseHandle(kept_);
  }
  void waitForExit() { process_.waitForExit(20000); }
  const std::wstring& name() const { return name_; }

  // Opens the mutex here too, so the object outlives its holder: the system
  // then marks it abandoned instead of destroying it.
  HANDLE keepObjectAlive() {
    kept_ = OpenMutexW(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, name_.c_str());
    EXPECT_NE(kept_, nullptr) << GetLastError();
    return kept_;
  }

 private:
  static e2e::RunOptions holderOptions(const std::wstring& name,
                                       const std::wstring& readyName,
                                       const wchar_t* mode,
                                       DWORD milliseconds) {
    e2e::RunOptions options;
    options.arguments =
        name + L" " + readyName + L" " + mode + L" " + std::to_wstring(milliseconds);
    options.timeoutMs = 20000;
    return options;
  }

  std::wstring name_;
  std::wstring readyName_;
  HANDLE ready_;
  e2e::BackgroundProcess process_;
  HANDLE kept_ = nullptr;
};

TEST(UpdateGuard, HeldGuardShowsTheBusyBoxAndExitsMinusOneWithoutLogging) {
  Installation app(L"guardheld");
  GuardHolder holder(e2e::wideToUtf8(app.dir.starter()), L"hold", 6000);
  const ULONGLONG started = GetTickCount64();
  const e2e::RunResult run = e2e::run(app.dir.starter());
  const ULONGLONG elapsed = GetTickCount64() - started;

  EXPECT_EQ(run.exitCode, static_cast<DWORD>(-1));
  ASSERT_EQ(run.dialogs.size(), 1u);
  EXPECT_EQ(run.dialogs[0].caption, L"提示");
  EXPECT_EQ(run.dialogs[0].text, L"更新程序正在运行，请等待更新完成！");
  EXPECT_EQ(run.dialogs[0].buttons.size(), 1u);
  EXPECT_GE(elapsed, 1900u) << "three attempts one second apart";
  EXPECT_FALSE(app.dir.exists(L"log"));
  EXPECT_TRUE(launcher::moduleCalls(app.dir).empty());
}

TEST(UpdateGuard, GuardReleasedBetweenAttemptsLetsTheStartGoOn) {
  Installation app(L"guardreleased");
  GuardHolder holder(e2e::wideToUtf8(app.dir.starter()), L"hold", 1200);
  const e2e::RunResult run = e2e::run(app.dir.starter());
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_TRUE(run.dialogs.empty());
  EXPECT_EQ(launcher::moduleCalls(app.dir).size(), 1u);
}

// An updater that died holding the guard, while someone else still has the
// mutex open: the launcher starts, and neither while the application runs nor
// after it ends does the launcher own the guard, so an updater can take it.
TEST(UpdateGuard, AbandonedGuardCountsAsFreeAndIsNotKept) {
  Installation app(L"guardabandoned");
  GuardHolder holder(e2e::wideToUtf8(app.dir.starter()), L"abandon", 1500);
  HANDLE guard = holder.keepObjectAlive();
  holder.waitForExit();
  e2e::RunOptions options;
  options.environment = {{L"ZEL_FIXTURE_GUARD", holder.name()}};
  const e2e::RunResult run = e2e::run(app.dir.starter(), options);

  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_TRUE(run.dialogs.empty());
  const auto calls = launcher::moduleCalls(app.dir);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].guard, "free") << "while the start module runs";
  // Had the launcher kept it, its end would have abandoned the guard again.
  EXPECT_EQ(WaitForSingleObject(guard, 0), static_cast<DWORD>(WAIT_OBJECT_0));
  ReleaseMutex(guard);
}

// The name follows argv[0] as written: a guard on the full path does not stop
// a start by bare name, and one in other letter case does.
TEST(UpdateGuard, NameFollowsTheProgramPathAsWritten) {
  Installation app(L"guardname");
  const std::string fullPath = e2e::wideToUtf8(app.dir.starter());
  {
    GuardHolder holder(fullPath, L"hold", 4000);
    e2e::RunOptions bareName;
    bareName.argv0 = L"starter.exe";
    const e2e::RunResult run = e2e::run(app.dir.starter(), bareName);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_TRUE(run.dialogs.empty());
  }
  {
    GuardHolder holder(fullPath, L"hold", 4000);
    std::wstring upper = app.dir.starter();
    CharUpperW(&upper[0]);
    e2e::RunOptions upperCase;
    upperCase.argv0 = L"\"" + upper + L"\"";
    const e2e::RunResult run = e2e::run(app.dir.starter(), upperCase);
    EXPECT_EQ(run.exitCode, static_cast<DWORD>(-1));
    EXPECT_EQ(run.dialogs.size(), 1u);
  }
}

}  // namespace
