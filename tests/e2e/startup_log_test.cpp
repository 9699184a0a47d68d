// The start-up log on the real starter.exe: its file, its line shape, when
// it is open, and what a failed set-up shows.
#include "launcher_scenario.h"

#include <Poco/Exception.h>
#include <Poco/InflatingStream.h>
#include <Poco/StreamCopier.h>

#include <gtest/gtest.h>

#include <set>
#include <sstream>

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

// The text of a gzip archive, or a note on why there is none.
std::string gunzip(const std::string& bytes) {
  if (bytes.empty())
    return "<no archive>";
  try {
    std::istringstream compressed(bytes);
    Poco::InflatingInputStream inflater(compressed, Poco::InflatingStreamBuf::STREAM_GZIP);
    std::ostringstream plain;
    Poco::StreamCopier::copyStream(inflater, plain);
    return plain.str();
  } catch (const Poco::Exception& e) {
    return "<broken archive: " + e.displayText() + ">";
  }
}

std::set<std::wstring> logFolderNames(const e2e::ProgramDir& dir) {
  std::set<std::wstring> names;
  for (const std::wstring& name : e2e::matchingNames(dir / L"log\\*"))
    if (name != L"." && name != L"..")
      names.insert(name);
  return names;
}

// Starts in a row, each a day after the log was started, with a start module
// that returns at once: every start rotates, the previous log is compressed
// in the background, and the launcher ends right after. The newest two
// archives stay, complete, and nothing else: no archive counted twice while
// it was being compressed, no plain or half-written archive left behind.
TEST(StartupLog, DailyRotationsKeepTheTwoNewestArchivesComplete) {
  // The channel reads the log's start time from this first line.
  const std::string dayOldHeader = "# Log file created/rotated Monday, 1 Jan 18 08:00:00 GMT";
  constexpr int kRotations = 20;
  Installation app(L"rotation");
  ASSERT_EQ(e2e::run(app.dir.starter()).exitCode, 0u);

  std::vector<std::string> archived;  // the log as each rotation found it
  for (int rotation = 0; rotation < kRotations && !HasFailure(); ++rotation) {
    std::string log = app.dir.readFile(L"log\\start.log");
    ASSERT_NE(log.find("\r\n"), std::string::npos);
    log.replace(0, log.find("\r\n"), dayOldHeader);
    app.dir.writeFile(L"log\\start.log", log);
    archived.push_back(log);

    ASSERT_EQ(e2e::run(app.dir.starter()).exitCode, 0u);

    SCOPED_TRACE("after rotation " + std::to_string(rotation + 1));
    std::set<std::wstring> expected = {L"start.log", L"start.log.0.gz"};
    if (rotation > 0)
      expected.insert(L"start.log.1.gz");
    EXPECT_EQ(logFolderNames(app.dir), expected);
    EXPECT_EQ(gunzip(app.dir.readFile(L"log\\start.log.0.gz")), archived[rotation]);
    if (rotation > 0) {
      EXPECT_EQ(gunzip(app.dir.readFile(L"log\\start.log.1.gz")), archived[rotation - 1]);
    }
    const launcher::StartupLog fresh =
        launcher::parseStartupLog(app.dir.readFile(L"log\\start.log"));
    EXPECT_EQ(fresh.header.find("Jan 18"), std::string::npos) << "the log was not started anew";
    EXPECT_EQ(fresh.entries.size(), 5u);
  }
}

}  // namespace
