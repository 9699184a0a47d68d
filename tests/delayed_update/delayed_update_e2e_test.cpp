// Staged updates applied by the real starter.exe, each in a fresh program
// directory, with file contents compared byte for byte.
#include "e2e_support.h"
#include "launcher_scenario.h"
#include "worked_example.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using launcher::Installation;

struct Line {
  std::string priority;
  std::string text;
  bool operator==(const Line& other) const {
    return priority == other.priority && text == other.text;
  }
};

std::ostream& operator<<(std::ostream& out, const Line& line) {
  return out << line.priority << ' ' << line.text;
}

// What the delayed update logged: the entries between the log set-up and the
// announcement of the start module.
std::vector<Line> updateLines(const e2e::ProgramDir& dir) {
  const launcher::StartupLog log = launcher::parseStartupLog(dir.readFile(L"log\\start.log"));
  std::vector<Line> lines;
  bool inside = false;
  for (const launcher::LogEntry& entry : log.entries) {
    if (entry.text == "logger initialized") {
      inside = true;
      lines.clear();
    } else if (entry.text.rfind("load dll ", 0) == 0) {
      inside = false;
    } else if (inside) {
      lines.push_back({entry.priority, entry.text});
    }
  }
  return lines;
}

Line debug(const std::string& text) {
  return {"Debug", text};
}

std::vector<std::wstring> backupDirs(const e2e::ProgramDir& dir) {
  return e2e::matchingNames(dir.path() + L"bk_*");
}

// A fixture process holds `file` without sharing until the launcher's log
// shows `text`.
class Holder {
 public:
  Holder(const std::wstring& file, const std::wstring& log, const std::wstring& text)
      : readyName_(L"zel-holder-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                   std::to_wstring(++counter_)),
        ready_(CreateEventW(nullptr, TRUE, FALSE, readyName_.c_str())),
        process_(e2e::testBinDir() + L"file_holder.exe",
                 holderOptions(file, readyName_, log, text)) {
    if (process_.handle()) {
      HANDLE waitFor[] = {ready_, process_.handle()};
      held_ = WaitForMultipleObjects(2, waitFor, FALSE, 30000) == WAIT_OBJECT_0;
    }
    CloseHandle(ready_);
  }
  bool held() const { return held_; }
  // True when it saw the text and let go.
  bool finished(DWORD timeoutMs) const {
    DWORD code = 1;
    return process_.waitForExit(timeoutMs, &code) && code == 0;
  }

 private:
  static e2e::RunOptions holderOptions(const std::wstring& file,
                                       const std::wstring& readyName,
                                       const std::wstring& log,
                                       const std::wstring& text) {
    e2e::RunOptions options;
    options.arguments = e2e::quoted(file) + L" " + e2e::quoted(readyName) + L" " +
                        e2e::quoted(log) + L" " + e2e::quoted(text);
    options.timeoutMs = 65000;
    return options;
  }

  static inline int counter_ = 0;
  std::wstring readyName_;
  HANDLE ready_;
  e2e::BackgroundProcess process_;
  bool held_ = false;
};

TEST(DelayedUpdateE2e, WorkedExampleSucceeds) {
  Installation app(L"upd-success");
  stageWorkedExample(app.dir);
  const e2e::RunResult run = e2e::run(app.dir.starter());
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_TRUE(run.dialogs.empty());

  EXPECT_EQ(app.dir.readFile(L"app.dll"), std::string("new app\0\x7f", 9));
  EXPECT_EQ(app.dir.readFile(L"new.dll"), "new dll");
  EXPECT_EQ(app.dir.readFile(L"res\\a.png"), std::string("new png\r\n\0", 10));
  EXPECT_EQ(app.dir.readFile(L"res\\b.png"), "new b");
  EXPECT_FALSE(app.dir.exists(L"delayup"));
  EXPECT_TRUE(backupDirs(app.dir).empty());
  EXPECT_EQ(launcher::moduleCalls(app.dir).size(), 1u);

  const std::string program = e2e::wideToUtf8(app.dir.path());
  const std::vector<Line> lines = updateLines(app.dir);
  ASSERT_EQ(lines.size(), 10u) << ::testing::PrintToString(lines);
  const std::string backup = lines[2].text.substr(std::string("create bak dir 1 ").size());
  EXPECT_EQ(backup.rfind(program + "bk_", 0), 0u) << backup;
  EXPECT_EQ(lines, (std::vector<Line>{
                       debug("begin update files"),
                       debug("delayup " + program + "delayup"),
                       debug("create bak dir 1 " + backup),
                       debug("bak file app.dll"),
                       debug("update file app.dll"),
                       debug("update file new.dll"),
                       debug("create bak dir 1 " + backup + "\\res"),
                       debug("bak file a.png"),
                       debug("update file a.png"),
                       debug("update file b.png"),
                   }));
}

TEST(DelayedUpdateE2e, WorkedExampleFailsWhereAnotherProcessHoldsTheStagedPng) {
  Installation app(L"upd-failure");
  stageWorkedExample(app.dir);
  Holder holder(app.dir / L"delayup\\res\\a.png", app.dir / L"log\\start.log",
                L"update file failed a.png");
  ASSERT_TRUE(holder.held());
  const e2e::RunResult run = e2e::run(app.dir.starter());
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_TRUE(holder.finished(10000));

  EXPECT_EQ(app.dir.readFile(L"app.dll"), std::string("old app\r\n\0\x01", 11));
  EXPECT_EQ(app.dir.readFile(L"res\\a.png"), std::string("old png\0\xff", 9));
  EXPECT_EQ(app.dir.readFile(L"new.dll"), "new dll");
  EXPECT_FALSE(app.dir.exists(L"res\\b.png"));
  EXPECT_FALSE(app.dir.exists(L"delayup"));
  EXPECT_TRUE(backupDirs(app.dir).empty());
  EXPECT_EQ(launcher::moduleCalls(app.dir).size(), 1u);

  const std::string program = e2e::wideToUtf8(app.dir.path());
  std::vector<Line> lines = updateLines(app.dir);
  ASSERT_EQ(lines.size(), 11u) << ::testing::PrintToString(lines);
  const std::string backup = lines[2].text.substr(std::string("create bak dir 1 ").size());
  EXPECT_EQ(lines[8], (Line{"Critical", "update file failed a.png"}));
  std::vector<Line> restores(lines.begin() + 9, lines.end());
  std::sort(restores.begin(), restores.end(),
            [](const Line& a, const Line& b) { return a.text < b.text; });
  EXPECT_EQ(restores,
            (std::vector<Line>{
                debug("restore file " + backup + "\\app.dll to " + program + "app.dll"),
                debug("restore file " + backup + "\\res\\a.png to " + program + "res\\a.png"),
            }));
}

TEST(DelayedUpdateE2e, NoStagingDirectoryLeavesNoTrace) {
  Installation app(L"upd-none");
  app.dir.writeFile(L"app.dll", "app");
  const e2e::RunResult run = e2e::run(app.dir.starter());
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_TRUE(updateLines(app.dir).empty());
  EXPECT_TRUE(backupDirs(app.dir).empty());
  EXPECT_EQ(app.dir.readFile(L"app.dll"), "app");
}

TEST(DelayedUpdateE2e, FailedRestoreKeepsTheBackupPastTheFinalCleanUp) {
  Installation app(L"upd-keep");
  app.dir.writeFile(L"app.dll", "old app");
  app.dir.writeFile(L"delayup\\app.dll", "new app");
  app.dir.writeFile(L"delayup\\b.dll", "new b");
  // Once in place, the read-only new app.dll cannot be deleted to make room
  // for its backup.
  ASSERT_TRUE(SetFileAttributesW((app.dir / L"delayup\\app.dll").c_str(), FILE_ATTRIBUTE_READONLY));
  Holder holder(app.dir / L"delayup\\b.dll", app.dir / L"log\\start.log",
                L"update file failed b.dll");
  ASSERT_TRUE(holder.held());
  const e2e::RunResult run = e2e::run(app.dir.starter());
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_TRUE(holder.finished(10000));

  const std::vector<std::wstring> kept = backupDirs(app.dir);
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(app.dir.readFile(kept[0] + L"\\app.dll"), "old app");
  EXPECT_EQ(app.dir.readFile(L"app.dll"), "new app");
  EXPECT_FALSE(app.dir.exists(L"delayup"));
  const std::vector<Line> lines = updateLines(app.dir);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(), (Line{"Warning", "restore failed, keep bak dir " +
                                               e2e::wideToUtf8(app.dir.path() + kept[0])}));
  SetFileAttributesW((app.dir / L"app.dll").c_str(), FILE_ATTRIBUTE_NORMAL);
}

// The replaced file was read-only, and so is its backup copy: the update
// still leaves no backup directory and no warning.
TEST(DelayedUpdateE2e, ReadOnlyReplacedFileLeavesNoBackupDirectory) {
  Installation app(L"upd-readonly");
  app.dir.writeFile(L"app.dll", "old app");
  app.dir.writeFile(L"delayup\\app.dll", "new app");
  ASSERT_TRUE(SetFileAttributesW((app.dir / L"app.dll").c_str(), FILE_ATTRIBUTE_READONLY));
  const e2e::RunResult run = e2e::run(app.dir.starter());
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitCode, 0u);

  EXPECT_EQ(app.dir.readFile(L"app.dll"), "new app");
  EXPECT_FALSE(app.dir.exists(L"delayup"));
  EXPECT_TRUE(backupDirs(app.dir).empty());
  for (const Line& line : updateLines(app.dir))
    EXPECT_EQ(line.priority, "Debug") << line.text;
}

TEST(DelayedUpdateE2e, UpdateStagedWhileTheApplicationRunsIsRemovedAtTheEnd) {
  Installation app(L"upd-late", L"staging_module_fixture.dll");
  const e2e::RunResult run = e2e::run(app.dir.starter());
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_FALSE(app.dir.exists(L"delayup"));
  EXPECT_FALSE(app.dir.exists(L"res\\late.png"));
  EXPECT_TRUE(updateLines(app.dir).empty());
}

TEST(DelayedUpdateE2e, StartByBareNameUpdatesTheCurrentDirectory) {
  Installation app(L"upd-bare");
  app.dir.writeFile(L"app.dll", "old app");
  app.dir.writeFile(L"delayup\\app.dll", "new app");
  e2e::RunOptions options;
  options.argv0 = L"starter.exe";
  options.workingDir = app.dir.path();
  const e2e::RunResult run = e2e::run(app.dir.starter(), options);
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_EQ(app.dir.readFile(L"app.dll"), "new app");
  EXPECT_FALSE(app.dir.exists(L"delayup"));
  EXPECT_TRUE(backupDirs(app.dir).empty());
  const std::vector<Line> lines = updateLines(app.dir);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[1], debug("delayup " + e2e::wideToUtf8(app.dir.path()) + "delayup"));
}

}  // namespace
