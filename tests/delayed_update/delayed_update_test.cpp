#include "directory_link.h"
#include "file_tree.h"
#include "log_capture.h"
#include "program_dir.h"
#include "text.h"
#include "utils.h"
#include "worked_example.h"

#include <Poco/Exception.h>
#include <Poco/Timestamp.h>

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<LogLine>;

LogLine debug(const std::string& text) {
  return {'D', text};
}

// Opens a file without any sharing, so neither a rename nor a copy of it can
// succeed until it is released.
class HeldFile {
 public:
  explicit HeldFile(const std::wstring& path)
      : handle_(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {
    EXPECT_NE(handle_, INVALID_HANDLE_VALUE) << path;
  }
  ~HeldFile() { release(); }
  void release() {
    if (handle_ != INVALID_HANDLE_VALUE)
      CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE handle_;
};

std::wstring backupName(const DelayedUpdateDirs& dirs, const e2e::ProgramDir& tree) {
  return e2e::utf8ToWide(dirs.backupDir).substr(tree.path().size());
}

// The backup directory is named after the time the step started.
void expectBackupNameFromStartTime(const std::wstring& name,
                                   std::time_t before,
                                   std::time_t after) {
  ASSERT_EQ(name.rfind(L"bk_", 0), 0u) << name;
  const long long seconds = std::stoll(name.substr(3));
  EXPECT_GE(seconds, before);
  EXPECT_LE(seconds, after);
}

// Restore lines come in no defined order.
Lines sortedTail(const Lines& lines, size_t from) {
  Lines tail(lines.begin() + std::min(from, lines.size()), lines.end());
  std::sort(tail.begin(), tail.end(),
            [](const LogLine& a, const LogLine& b) { return a.text < b.text; });
  return tail;
}

TEST(DelayedUpdate, WithoutStagingDirectoryDoesNothing) {
  const auto app = e2e::ProgramDir::withoutStarter(L"noupdate");
  app.writeFile(L"app.dll", "old app");
  LogCapture log;
  const std::time_t before = Poco::Timestamp().epochTime();
  const DelayedUpdateDirs dirs = applyDelayedUpdate(app.utf8Path());
  const std::time_t after = Poco::Timestamp().epochTime();

  EXPECT_EQ(dirs.updateDir, app.utf8Path(L"delayup"));
  expectBackupNameFromStartTime(backupName(dirs, app), before, after);
  EXPECT_FALSE(app.exists(backupName(dirs, app)));
  EXPECT_TRUE(log.lines().empty());
  EXPECT_EQ(app.readFile(L"app.dll"), "old app");
}

TEST(DelayedUpdate, EmptyStagingDirectoryMakesAndRemovesTheBackupDirectory) {
  const auto app = e2e::ProgramDir::withoutStarter(L"empty");
  app.makeDir(L"delayup");
  LogCapture log;
  const DelayedUpdateDirs dirs = applyDelayedUpdate(app.utf8Path());

  EXPECT_EQ(log.lines(),
            (Lines{debug("begin update files"), debug("delayup " + app.utf8Path(L"delayup")),
                   debug("create bak dir 1 " + dirs.backupDir)}));
  EXPECT_FALSE(app.exists(L"delayup"));
  EXPECT_FALSE(app.exists(backupName(dirs, app)));
  EXPECT_FALSE(dirs.keepBackupDir);
}

TEST(DelayedUpdate, WorkedExampleSucceeds) {
  const auto app = e2e::ProgramDir::withoutStarter(L"success");
  stageWorkedExample(app);
  LogCapture log;
  const DelayedUpdateDirs dirs = applyDelayedUpdate(app.utf8Path());

  EXPECT_EQ(app.readFile(L"app.dll"), std::string("new app\0\x7f", 9));
  EXPECT_EQ(app.readFile(L"new.dll"), "new dll");
  EXPECT_EQ(app.readFile(L"res\\a.png"), std::string("new png\r\n\0", 10));
  EXPECT_EQ(app.readFile(L"res\\b.png"), "new b");
  EXPECT_FALSE(app.exists(L"delayup"));
  EXPECT_FALSE(app.exists(backupName(dirs, app)));
  EXPECT_EQ(log.lines(), (Lines{
                             debug("begin update files"),
                             debug("delayup " + app.utf8Path(L"delayup")),
                             debug("create bak dir 1 " + dirs.backupDir),
                             debug("bak file app.dll"),
                             debug("update file app.dll"),
                             debug("update file new.dll"),
                             debug("create bak dir 1 " + dirs.backupDir + "\\res"),
                             debug("bak file a.png"),
                             debug("update file a.png"),
                             debug("update file b.png"),
                         }));
}

TEST(DelayedUpdate, WorkedExampleFailsAtTheStagedPngAndRestores) {
  const auto app = e2e::ProgramDir::withoutStarter(L"failure");
  stageWorkedExample(app);
  HeldFile staged(app / L"delayup\\res\\a.png");
  LogCapture log;
  // Let go once the walk has failed on it, so the clean-up can remove it.
  log.onText([&](const std::string& text) {
    if (text == "update file failed a.png")
      staged.release();
  });
  const DelayedUpdateDirs dirs = applyDelayedUpdate(app.utf8Path());

  EXPECT_EQ(app.readFile(L"app.dll"), std::string("old app\r\n\x00\x01", 11));
  EXPECT_EQ(app.readFile(L"res\\a.png"), std::string("old png\0\xff", 9));
  EXPECT_EQ(app.readFile(L"new.dll"), "new dll");
  EXPECT_FALSE(app.exists(L"res\\b.png"));
  EXPECT_FALSE(app.exists(L"delayup"));
  EXPECT_FALSE(app.exists(backupName(dirs, app)));
  const Lines& lines = log.lines();
  ASSERT_EQ(lines.size(), 11u) << ::testing::PrintToString(lines);
  EXPECT_EQ(Lines(lines.begin() + 6, lines.begin() + 9),
            (Lines{debug("create bak dir 1 " + dirs.backupDir + "\\res"),
                   debug("bak file a.png"),
                   {'C', "update file failed a.png"}}));
  EXPECT_EQ(
      sortedTail(lines, 9),
      (Lines{debug("restore file " + dirs.backupDir + "\\app.dll to " + app.utf8Path(L"app.dll")),
             debug("restore file " + dirs.backupDir + "\\res\\a.png to " +
                   app.utf8Path(L"res\\a.png"))}));
}

TEST(DelayedUpdate, FailedRestoreKeepsTheBackupDirectory) {
  const auto app = e2e::ProgramDir::withoutStarter(L"restorefail");
  stageWorkedExample(app);
  HeldFile staged(app / L"delayup\\res\\a.png");
  std::unique_ptr<HeldFile> placed;
  LogCapture log;
  log.onText([&](const std::string& text) {
    // The newly placed app.dll cannot be replaced again by its backup.
    if (text == "update file app.dll")
      placed.reset(new HeldFile(app / L"app.dll"));
    if (text == "update file failed a.png")
      staged.release();
  });
  const DelayedUpdateDirs dirs = applyDelayedUpdate(app.utf8Path());
  placed.reset();

  EXPECT_TRUE(dirs.keepBackupDir);
  EXPECT_EQ(app.readFile(backupName(dirs, app) + L"\\app.dll"),
            std::string("old app\r\n\x00\x01", 11));
  EXPECT_EQ(app.readFile(L"res\\a.png"), std::string("old png\0\xff", 9));
  EXPECT_FALSE(app.exists(L"delayup"));
  ASSERT_FALSE(log.lines().empty());
  EXPECT_EQ(log.lines().back(), (LogLine{'W', "restore failed, keep bak dir " + dirs.backupDir}));
}

TEST(DelayedUpdate, TargetThatCannotBeBackedUpEndsTheWalk) {
  const auto app = e2e::ProgramDir::withoutStarter(L"bakfail");
  app.writeFile(L"a.dll", "old a");
  app.writeFile(L"b.dll", "old b");
  app.writeFile(L"delayup\\a.dll", "new a");
  app.writeFile(L"delayup\\b.dll", "new b");
  app.writeFile(L"delayup\\c.dll", "new c");
  HeldFile target(app / L"b.dll");
  LogCapture log;
  const DelayedUpdateDirs dirs = applyDelayedUpdate(app.utf8Path());
  target.release();

  EXPECT_EQ(app.readFile(L"a.dll"), "old a");
  EXPECT_EQ(app.readFile(L"b.dll"), "old b");
  EXPECT_FALSE(app.exists(L"c.dll"));
  EXPECT_FALSE(app.exists(backupName(dirs, app)));
  EXPECT_EQ(
      Lines(log.lines().begin() + 3, log.lines().end()),
      (Lines{debug("bak file a.dll"),
             debug("update file a.dll"),
             {'C', "bak file failed b.dll"},
             debug("restore file " + dirs.backupDir + "\\a.dll to " + app.utf8Path(L"a.dll"))}));
}

TEST(DelayedUpdate, StagedFileReplacesADirectoryAndARestoreBringsItBack) {
  for (const bool failLater : {false, true}) {
    SCOPED_TRACE(failLater ? "walk fails afterwards" : "walk succeeds");
    const auto app = e2e::ProgramDir::withoutStarter(L"replacedir");
    app.writeFile(L"plugin\\x.txt", "old x");
    app.writeFile(L"zz.dll", "old zz");
    app.writeFile(L"delayup\\plugin", "plugin is a file now");
    app.writeFile(L"delayup\\zz.dll", "new zz");
    std::unique_ptr<HeldFile> blocker;
    if (failLater)
      blocker.reset(new HeldFile(app / L"zz.dll"));
    LogCapture log;
    const DelayedUpdateDirs dirs = applyDelayedUpdate(app.utf8Path());
    blocker.reset();

    if (failLater) {
      EXPECT_EQ(app.readFile(L"plugin\\x.txt"), "old x");
      EXPECT_EQ(app.readFile(L"zz.dll"), "old zz");
    } else {
      EXPECT_EQ(app.readFile(L"plugin"), "plugin is a file now");
      EXPECT_EQ(app.readFile(L"zz.dll"), "new zz");
    }
    EXPECT_FALSE(app.exists(backupName(dirs, app)));
    EXPECT_FALSE(app.exists(L"delayup"));
  }
}

TEST(DelayedUpdate, DirectoryNamesMapByBaseName) {
  const auto app = e2e::ProgramDir::withoutStarter(L"mapping");
  app.writeFile(L"lib\\core.dll", "old core");
  app.writeFile(L"delayup\\lib.x64\\core.dll", "new core");
  app.writeFile(L"delayup\\.cache\\top.txt", "top");
  app.writeFile(L"delayup\\lib.a\\both.dll", "from a");
  app.writeFile(L"delayup\\lib.a\\onlya.dll", "only a");
  app.writeFile(L"delayup\\lib.b\\both.dll", "from b");
  app.writeFile(L"delayup\\plugins.new\\core.new.dll", "dotted");
  LogCapture log;
  const DelayedUpdateDirs dirs = applyDelayedUpdate(app.utf8Path());

  EXPECT_EQ(app.readFile(L"lib\\core.dll"), "new core");
  EXPECT_EQ(app.readFile(L"top.txt"), "top");
  EXPECT_EQ(app.readFile(L"lib\\both.dll"), "from b");
  EXPECT_EQ(app.readFile(L"lib\\onlya.dll"), "only a");
  EXPECT_EQ(app.readFile(L"plugins\\core.new.dll"), "dotted");
  EXPECT_FALSE(app.exists(L"lib.x64"));
  EXPECT_FALSE(app.exists(L".cache"));
  EXPECT_FALSE(app.exists(backupName(dirs, app)));
  const Lines& lines = log.lines();
  const auto has = [&](const LogLine& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  };
  EXPECT_TRUE(has(debug("create dest dir 1 " + app.utf8Path(L"plugins"))));
  EXPECT_TRUE(has(debug("create bak dir 1 " + dirs.backupDir + "\\lib")));
  // lib.b finds lib.a's both.dll in place and backs it up like any predecessor.
  EXPECT_TRUE(has(debug("bak file both.dll")));
  EXPECT_FALSE(has(debug("create dest dir 1 " + app.utf8Path(L"lib"))));
}

// lib.a and lib.b both land in lib: the user's lib\x.dll is backed up once,
// lib.b's copy only replaces lib.a's, and a later failure brings back the
// user's file.
TEST(DelayedUpdate, OverlappingStagedDirectoriesKeepTheFirstBackup) {
  for (const bool failLater : {false, true}) {
    SCOPED_TRACE(failLater ? "walk fails afterwards" : "walk succeeds");
    const auto app = e2e::ProgramDir::withoutStarter(L"overlap");
    app.writeFile(L"lib\\x.dll", "user's x");
    app.writeFile(L"delayup\\lib.a\\x.dll", "from a");
    app.writeFile(L"delayup\\lib.b\\x.dll", "from b");
    app.writeFile(L"delayup\\lib.b\\y.dll", "new y");
    std::unique_ptr<HeldFile> blocker;
    if (failLater)
      blocker.reset(new HeldFile(app / L"delayup\\lib.b\\y.dll"));
    LogCapture log;
    log.onText([&](const std::string& text) {
      if (text == "update file failed y.dll")
        blocker.reset();
    });
    const DelayedUpdateDirs dirs = applyDelayedUpdate(app.utf8Path());

    EXPECT_EQ(app.readFile(L"lib\\x.dll"), failLater ? "user's x" : "from b");
    if (failLater)
      EXPECT_FALSE(app.exists(L"lib\\y.dll"));
    else
      EXPECT_EQ(app.readFile(L"lib\\y.dll"), "new y");
    EXPECT_FALSE(dirs.keepBackupDir);
    EXPECT_FALSE(app.exists(backupName(dirs, app)));
    EXPECT_FALSE(app.exists(L"delayup"));
    const Lines& lines = log.lines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), debug("bak file x.dll")), 1)
        << ::testing::PrintToString(lines);
  }
}

// A read-only file the update touches must not leave a backup or staging
// directory behind that nobody will ever remove.
TEST(DelayedUpdate, ReadOnlyFilesLeaveNoDirectoryBehind) {
  enum ReadOnly { target, staged, stagedNeverHandled };
  const struct {
    const char* what;
    ReadOnly readOnly;
  } cases[] = {
      {"read-only file replaced in the program directory", target},
      {"read-only staged file", staged},
      {"read-only staged file left by a failed walk", stagedNeverHandled},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto app = e2e::ProgramDir::withoutStarter(L"readonly");
    app.writeFile(L"a.dll", "old a");
    app.writeFile(L"delayup\\a.dll", "new a");
    app.writeFile(L"delayup\\b.dll", "new b");
    const std::wstring readOnlyFile = c.readOnly == target ? L"a.dll" : L"delayup\\b.dll";
    ASSERT_TRUE(SetFileAttributesW((app / readOnlyFile).c_str(), FILE_ATTRIBUTE_READONLY));
    std::unique_ptr<HeldFile> blocker;
    if (c.readOnly == stagedNeverHandled)
      blocker.reset(new HeldFile(app / L"delayup\\a.dll"));
    LogCapture log;
    log.onText([&](const std::string& text) {
      if (text == "update file failed a.dll")
        blocker.reset();
    });
    const DelayedUpdateDirs dirs = applyDelayedUpdate(app.utf8Path());

    const bool failed = c.readOnly == stagedNeverHandled;
    EXPECT_EQ(app.readFile(L"a.dll"), failed ? "old a" : "new a");
    if (failed)
      EXPECT_FALSE(app.exists(L"b.dll"));
    else
      EXPECT_EQ(app.readFile(L"b.dll"), "new b");
    EXPECT_FALSE(app.exists(backupName(dirs, app)));
    EXPECT_FALSE(app.exists(L"delayup"));
    for (const LogLine& line : log.lines())
      EXPECT_NE(line.priority, 'W') << line.text;
    SetFileAttributesW((app / L"b.dll").c_str(), FILE_ATTRIBUTE_NORMAL);
  }
}

// --- Faults the walk must survive ------------------------------------------

TEST(DelayedUpdate, StagingEntryThatIsAFileIsReportedAndRemoved) {
  const auto app = e2e::ProgramDir::withoutStarter(L"delayupfile");
  app.writeFile(L"delayup", "not a directory");
  LogCapture log;
  const DelayedUpdateDirs dirs = applyDelayedUpdate(app.utf8Path());

  ASSERT_EQ(log.lines().size(), 3u) << ::testing::PrintToString(log.lines());
  EXPECT_EQ(log.lines()[2].priority, 'C');
  EXPECT_EQ(log.lines()[2].text.rfind("update files failed: ", 0), 0u) << log.lines()[2].text;
  EXPECT_NE(log.lines()[2].text.find(app.utf8Path(L"delayup")), std::string::npos);
  EXPECT_FALSE(app.exists(L"delayup"));
  EXPECT_FALSE(app.exists(backupName(dirs, app)));
}

TEST(DelayedUpdate, DirectoryThatCannotBeCreatedEndsTheWalkAndRestores) {
  const auto app = e2e::ProgramDir::withoutStarter(L"mkdirfail");
  app.writeFile(L"app.dll", "old app");
  app.makeDir(L"res");
  app.writeFile(L"delayup\\app.dll", "new app");
  app.writeFile(L"delayup\\res\\sub\\x.png", "x");
  // Whatever second the step starts in, its backup directory holds a file
  // "res", so the backup twin of res\sub cannot be created.
  const std::time_t now = Poco::Timestamp().epochTime();
  for (std::time_t t = now - 1; t <= now + 30; ++t)
    app.writeFile(L"bk_" + std::to_wstring(t) + L"\\res", "in the way");
  LogCapture log;
  const DelayedUpdateDirs dirs = applyDelayedUpdate(app.utf8Path());

  EXPECT_EQ(app.readFile(L"app.dll"), "old app");
  EXPECT_FALSE(app.exists(L"res\\sub\\x.png"));
  EXPECT_FALSE(app.exists(L"delayup"));
  const Lines& lines = log.lines();
  const auto critical = std::find_if(lines.begin(), lines.end(),
                                     [](const LogLine& line) { return line.priority == 'C'; });
  ASSERT_NE(critical, lines.end()) << ::testing::PrintToString(lines);
  EXPECT_EQ(critical->text.rfind("update files failed: ", 0), 0u) << critical->text;
  EXPECT_EQ(lines.back(),
            debug("restore file " + dirs.backupDir + "\\app.dll to " + app.utf8Path(L"app.dll")));
}

TEST(DelayedUpdate, EmptyProgramDirectoryMeansTheCurrentDirectory) {
  const auto app = e2e::ProgramDir::withoutStarter(L"cwd");
  app.writeFile(L"app.dll", "old app");
  app.writeFile(L"delayup\\app.dll", "new app");
  wchar_t previous[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryW(app.path().c_str()));
  LogCapture log;
  const DelayedUpdateDirs dirs = applyDelayedUpdate("");
  SetCurrentDirectoryW(previous);

  EXPECT_EQ(app.readFile(L"app.dll"), "new app");
  EXPECT_FALSE(app.exists(L"delayup"));
  EXPECT_EQ(dirs.updateDir, app.utf8Path(L"delayup"));
  EXPECT_EQ(dirs.backupDir.rfind(app.utf8Path(L"bk_"), 0), 0u) << dirs.backupDir;
  EXPECT_FALSE(app.exists(backupName(dirs, app)));
}

// --- Links in the staging tree ----------------------------------------------

TEST(DelayedUpdate, LinkInsideTheStagingTreeEndsTheWalkAndRestores) {
  const auto app = e2e::ProgramDir::withoutStarter(L"link");
  const auto outside = e2e::ProgramDir::withoutStarter(L"outside");
  outside.writeFile(L"secret.dll", "outside bytes");
  app.writeFile(L"app.dll", "old app");
  app.writeFile(L"delayup\\app.dll", "new app");
  app.makeDir(L"delayup");
  if (!makeDirectoryLink(app / L"delayup\\zlink",
                         outside.path().substr(0, outside.path().size() - 1)))
    GTEST_SKIP() << "no directory links on this platform";
  LogCapture log;
  const DelayedUpdateDirs dirs = applyDelayedUpdate(app.utf8Path());

  EXPECT_EQ(app.readFile(L"app.dll"), "old app");
  EXPECT_FALSE(app.exists(L"zlink"));
  EXPECT_FALSE(app.exists(L"secret.dll"));
  EXPECT_EQ(outside.readFile(L"secret.dll"), "outside bytes");
  EXPECT_FALSE(app.exists(backupName(dirs, app)));
  const Lines& lines = log.lines();
  ASSERT_GE(lines.size(), 6u) << ::testing::PrintToString(lines);
  EXPECT_EQ(Lines(lines.begin() + 3, lines.begin() + 7),
            (Lines{debug("bak file app.dll"),
                   debug("update file app.dll"),
                   {'C', "update link refused " + app.utf8Path(L"delayup\\zlink")},
                   debug("restore file " + dirs.backupDir + "\\app.dll to " +
                         app.utf8Path(L"app.dll"))}));
}

TEST(DelayedUpdate, StagingDirectoryThatIsALinkIsNotWalked) {
  const auto app = e2e::ProgramDir::withoutStarter(L"rootlink");
  const auto outside = e2e::ProgramDir::withoutStarter(L"outsideroot");
  outside.writeFile(L"app.dll", "outside app");
  outside.writeFile(L"sub\\keep.txt", "keep");
  app.writeFile(L"app.dll", "old app");
  if (!makeDirectoryLink(app / L"delayup", outside.path().substr(0, outside.path().size() - 1)))
    GTEST_SKIP() << "no directory links on this platform";
  LogCapture log;
  const DelayedUpdateDirs dirs = applyDelayedUpdate(app.utf8Path());

  EXPECT_EQ(app.readFile(L"app.dll"), "old app");
  EXPECT_FALSE(app.exists(L"sub"));
  EXPECT_EQ(outside.readFile(L"app.dll"), "outside app");
  EXPECT_EQ(outside.readFile(L"sub\\keep.txt"), "keep");
  EXPECT_FALSE(app.exists(backupName(dirs, app)));
  ASSERT_GE(log.lines().size(), 3u);
  EXPECT_EQ(log.lines()[2], (LogLine{'C', "update link refused " + app.utf8Path(L"delayup")}));
}

TEST(DelayedUpdate, FileLinkInTheStagingTreeIsNotPlaced) {
  const auto app = e2e::ProgramDir::withoutStarter(L"filelink");
  const auto outside = e2e::ProgramDir::withoutStarter(L"outsidefile");
  outside.writeFile(L"secret.dll", "outside bytes");
  app.makeDir(L"delayup");
  if (!CreateSymbolicLinkW((app / L"delayup\\evil.dll").c_str(), (outside / L"secret.dll").c_str(),
                           0) ||
      !isLinkOrJunction(app.utf8Path(L"delayup\\evil.dll")))
    GTEST_SKIP() << "file symbolic links are not shown as reparse points here";
  LogCapture log;
  applyDelayedUpdate(app.utf8Path());

  EXPECT_FALSE(app.exists(L"evil.dll"));
  EXPECT_EQ(outside.readFile(L"secret.dll"), "outside bytes");
}

// --- removeTree ---------------------------------------------------------------

TEST(RemoveTree, RemovesReadOnlyFilesAndDirectories) {
  const auto tree = e2e::ProgramDir::withoutStarter(L"rmreadonly");
  tree.writeFile(L"doomed\\ro.txt", "ro");
  tree.writeFile(L"doomed\\sub\\ro.txt", "ro");
  for (const wchar_t* rel : {L"doomed\\ro.txt", L"doomed\\sub\\ro.txt", L"doomed\\sub"}) {
    const std::wstring path = tree / rel;
    ASSERT_TRUE(SetFileAttributesW(path.c_str(),
                                   GetFileAttributesW(path.c_str()) | FILE_ATTRIBUTE_READONLY));
  }
  EXPECT_NO_THROW(removeTree(tree.utf8Path(L"doomed")));
  EXPECT_FALSE(tree.exists(L"doomed"));
}

// Clearing attributes must not reach through a link to what it points at.
TEST(RemoveTree, LeavesTheAttributesBehindALinkAlone) {
  const auto tree = e2e::ProgramDir::withoutStarter(L"rmlink");
  const auto outside = e2e::ProgramDir::withoutStarter(L"rmoutside");
  outside.writeFile(L"keep.txt", "keep");
  const std::wstring kept = outside / L"keep.txt";
  ASSERT_TRUE(SetFileAttributesW(kept.c_str(), FILE_ATTRIBUTE_READONLY));
  tree.makeDir(L"doomed");
  if (!makeDirectoryLink(tree / L"doomed\\outside",
                         outside.path().substr(0, outside.path().size() - 1)))
    GTEST_SKIP() << "no directory links on this platform";
  try {
    removeTree(tree.utf8Path(L"doomed"));
  } catch (const Poco::Exception&) {
    // Wine cannot remove a Unix symbolic link as a directory; the point here
    // is what lies behind it.
  }
  EXPECT_EQ(outside.readFile(L"keep.txt"), "keep");
  EXPECT_NE(GetFileAttributesW(kept.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
  SetFileAttributesW(kept.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// --- moveReplacing ------------------------------------------------------------

TEST(MoveReplacing, ReportsEachOutcome) {
  const auto tree = e2e::ProgramDir::withoutStarter(L"move");
  tree.writeFile(L"plain", "plain");
  EXPECT_TRUE(moveReplacing(tree.utf8Path(L"plain"), tree.utf8Path(L"moved")));
  EXPECT_EQ(tree.readFile(L"moved"), "plain");
  EXPECT_FALSE(tree.exists(L"plain"));

  tree.writeFile(L"new", "new");
  tree.writeFile(L"old", "old");
  EXPECT_TRUE(moveReplacing(tree.utf8Path(L"new"), tree.utf8Path(L"old")));
  EXPECT_EQ(tree.readFile(L"old"), "new");

  EXPECT_FALSE(moveReplacing(tree.utf8Path(L"missing"), tree.utf8Path(L"anything")));
  EXPECT_FALSE(tree.exists(L"anything"));

  tree.writeFile(L"file", "file");
  tree.writeFile(L"dir\\inner", "inner");
  EXPECT_FALSE(moveReplacing(tree.utf8Path(L"file"), tree.utf8Path(L"dir")));
  EXPECT_EQ(tree.readFile(L"file"), "file");
  EXPECT_EQ(tree.readFile(L"dir\\inner"), "inner");

  tree.writeFile(L"dir2\\inner", "inner2");
  EXPECT_TRUE(moveReplacing(tree.utf8Path(L"dir2"), tree.utf8Path(L"dir3")));
  EXPECT_EQ(tree.readFile(L"dir3\\inner"), "inner2");
}

TEST(MoveReplacing, HeldSourceOrDestinationFails) {
  const auto tree = e2e::ProgramDir::withoutStarter(L"moveheld");
  tree.writeFile(L"from", "from");
  tree.writeFile(L"to", "to");
  {
    HeldFile held(tree / L"to");
    EXPECT_FALSE(moveReplacing(tree.utf8Path(L"from"), tree.utf8Path(L"to")));
  }
  EXPECT_EQ(tree.readFile(L"from"), "from");
  EXPECT_EQ(tree.readFile(L"to"), "to");
  {
    HeldFile held(tree / L"from");
    EXPECT_FALSE(moveReplacing(tree.utf8Path(L"from"), tree.utf8Path(L"to")));
  }
  EXPECT_EQ(tree.readFile(L"from"), "from");
  // The file at `to` is deleted before the rename is tried.
  EXPECT_FALSE(tree.exists(L"to"));
}

TEST(MoveReplacing, CopiedButNotRemovedIsAFailureWithBothInPlace) {
  const auto tree = e2e::ProgramDir::withoutStarter(L"movecopy");
  tree.writeFile(L"from", "bytes");
  // Readers allowed, deletion not: the rename fails, the copy works, the
  // removal of the original fails.
  HANDLE reader = CreateFileW((tree / L"from").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(moveReplacing(tree.utf8Path(L"from"), tree.utf8Path(L"to")));
  CloseHandle(reader);
  EXPECT_EQ(tree.readFile(L"from"), "bytes");
  EXPECT_EQ(tree.readFile(L"to"), "bytes");
}

}  // namespace
