// The start-up log on the real starter.exe: its file, its line shape, when
// it is open, and what a failed set-up shows.
#include "launcher_scenario.h"

#include <gtest/gtest.h>

using launcher::Installation;

namespace {

TEST(StartupLog, FirstStartCreatesTheLogWithHeaderAndOpeningEntries) {
  Installation app(L"firstlog");
  const std::string before = launcher::localTimestamp();
  const e2e::RunResult run = e2e::run(app.dir.starter());
  const std::string after = launcher::localTimestamp();
  ASSERT_EQ(run.exitCode, 0u);

  const std::string bytes = app.dir.readFile(L"log\\start.log");
  const launcher::StartupLog log = launcher::parseStartupLog(bytes);
  EXPECT_TRUE(log.malformed.empty()) << ::testing::PrintToString(log.malformed);
  EXPECT_EQ(log.header.rfind("# Log file created/rotated ", 0), 0u);
  EXPECT_GT(log.header.size(), std::string("# Log file created/rotated ").size());
  ASSERT_EQ(log.entries.size(), 5u);
  for (const launcher::LogEntry& entry : log.entries) {
    EXPECT_EQ(entry.priority, "Debug");
    EXPECT_GE(entry.timestamp, before);  // local time, not UTC
    EXPECT_LE(entry.timestamp, after);
  }

  // The lone line feed: a time stamp, "[Debug]", a TAB, then an empty line.
  const size_t firstEntry = bytes.find("\r\n") + 2;
  const std::string stamp = log.entries[0].timestamp;
  EXPECT_EQ(bytes.substr(firstEntry),
            stamp + " [Debug]\t\r\n\r\n" + log.entries[1].timestamp + " [Debug]\t" +
                std::string(53, '=') + "\r\n" + log.entries[2].timestamp +
                " [Debug]\tlogger initialized\r\n" + log.entries[3].timestamp +
                " [Debug]\tload dll velotra.dll\r\n" + log.entries[4].timestamp +
                " [Debug]\tstart\r\n");
}

TEST(StartupLog, LaterStartAppendsWithoutASecondHeader) {
  Installation app(L"appendlog");
  ASSERT_EQ(e2e::run(app.dir.starter()).exitCode, 0u);
  const std::string first = app.dir.readFile(L"log\\start.log");
  ASSERT_EQ(e2e::run(app.dir.starter()).exitCode, 0u);
  const std::string both = app.dir.readFile(L"log\\start.log");

  ASSERT_EQ(both.compare(0, first.size(), first), 0) << "the first run's lines were rewritten";
  const launcher::StartupLog log = launcher::parseStartupLog(both);
  EXPECT_TRUE(log.malformed.empty()) << ::testing::PrintToString(log.malformed);
  EXPECT_EQ(log.entries.size(), 10u);
  const std::vector<std::string> texts = launcher::entryTexts(log);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "logger initialized"), 2);
}

void expectBusyBox(const e2e::RunResult& run) {
  ASSERT_EQ(run.dialogs.size(), 1u);
  EXPECT_EQ(run.dialogs[0].caption, L"提示");
  EXPECT_EQ(run.dialogs[0].text, L"系统正忙，请稍候再试！");
  EXPECT_EQ(run.dialogs[0].buttons.size(), 1u);
  EXPECT_EQ(run.exitCode, 0u);
}

TEST(StartupLog, RegularFileNamedLogMakesTheSetUpFail) {
  Installation app(L"logfile");
  app.dir.writeFile(L"log", "not a directory");
  const e2e::RunResult run = e2e::run(app.dir.starter());
  expectBusyBox(run);
  EXPECT_EQ(app.dir.readFile(L"log"), "not a directory");
  EXPECT_TRUE(launcher::moduleCalls(app.dir).empty());
}

// While one launcher holds start.log open (its load-failure box is up), a
// second one cannot set up its log.
TEST(StartupLog, SecondLauncherWhileTheFirstHoldsTheLogIsBusy) {
  Installation app(L"twolaunchers");
  e2e::RunResult second;
  e2e::RunOptions first;
  first.arguments = L"/SDmissing.dll";
  first.onDialog = [&](const e2e::Dialog&) { second = e2e::run(app.dir.starter()); };
  const e2e::RunResult firstRun = e2e::run(app.dir.starter(), first);

  EXPECT_EQ(firstRun.exitCode, 0u);
  expectBusyBox(second);
  EXPECT_TRUE(launcher::moduleCalls(app.dir).empty());
  // Once the first has handed over (the fixture sees the log closed), a new
  // launcher sets up its log again.
  EXPECT_EQ(e2e::run(app.dir.starter()).exitCode, 0u);
  ASSERT_EQ(launcher::moduleCalls(app.dir).size(), 1u);
  EXPECT_TRUE(launcher::moduleCalls(app.dir)[0].logClosed);
}

}  // namespace
