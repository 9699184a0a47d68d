#include "directory_link.h"
#include "file_tree.h"
#include "log_capture.h"
#include "temp_tree.h"
#include "utils.h"

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
  explicit HeldFile(const std::string& path)
      : handle_(
            CreateFileW(widen(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {
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

std::string backupName(const DelayedUpdateDirs& dirs, const TempTree& tree) {
  return dirs.backupDir.substr(tree.path().size());
}

// The backup directory is named after the time the step started.
void expectBackupNameFromStartTime(const std::string& name, std::time_t before, std::time_t after) {
  ASSERT_EQ(name.rfind("bk_", 0), 0u) << name;
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
  TempTree app("noupdate");
  app.write("app.dll", "old app");
  LogCapture log;
  const std::time_t before = Poco::Timestamp().epochTime();
  const DelayedUpdateDirs dirs = applyDelayedUpdate(app.path());
  const std::time_t after = Poco::Timestamp().epochTime();

  EXPECT_EQ(dirs.updateDir, app.at("delayup"));
  expectBackupNameFromStartTime(backupName(dirs, app), before, after);
  EXPECT_FALSE(app.exists(backupName(dirs, app)));
  EXPECT_TRUE(log.lines().empty());
  EXPECT_EQ(app.read("app.dll"), "old app");
}

TEST(DelayedUpdate, EmptyStagingDirectoryMakesAndRemovesTheBackupDirectory) {
  TempTree app("empty");
  app.makeDir("delayup");
  LogCapture log;
  const DelayedUpdateDirs dirs = applyDelayedUpdate(app.path());

  EXPECT_EQ(log.lines(), (Lines{debug("begin update files"), debug("delayup " + app.at("delayup")),
                                debug("create bak dir 1 " + dirs.backupDir)}));
  EXPECT_FALSE(app.exists("delayup"));
  EXPECT_FALSE(app.exists(backupName(dirs, app)));
  EXPECT_FALSE(dirs.keepBackupDir);
}

// Program directory with app.dll and res\a.png; staged app.dll, new.dll,
// res\a.png and res\b.png.
void stageWorkedExample(const TempTree& app) {
  app.write("app.dll", std::string("old app\r\n\x00\x01", 11));
  app.write("res\\a.png", std::string("old png\0\xff", 9));
  app.write("delayup\\app.dll", std::string("new app\0\x7f", 9));
  app.write("delayup\\new.dll", "new dll");
  app.write("delayup\\res\\a.png", std::string("new png\r\n\0", 10));
  app.write("delayup\\res\\b.png", "new b");
}

TEST(DelayedUpdate, WorkedExampleSucceeds) {
  TempTree app("success");
  stageWorkedExample(app);
  LogCapture log;
  const DelayedUpdateDirs dirs = applyDelayedUpdate(app.path());

  EXPECT_EQ(app.read("app.dll"), std::string("new app\0\x7f", 9));
  EXPECT_EQ(app.read("new.dll"), "new dll");
  EXPECT_EQ(app.read("res\\a.png"), std::string("new png\r\n\0", 10));
  EXPECT_EQ(app.read("res\\b.png"), "new b");
  EXPECT_FALSE(app.exists("delayup"));
  EXPECT_FALSE(app.exists(backupName(dirs, app)));
  EXPECT_EQ(log.lines(), (Lines{
                             debug("begin update files"),
                             debug("delayup " + app.at("delayup")),
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
  TempTree app("failure");
  stageWorkedExample(app);
  HeldFile staged(app.at("delayup\\res\\a.png"));
  LogCapture log;
  // Let go once the walk has failed on it, so the clean-up can remove it.
  log.onText([&](const std::string& text) {
    if (text == "update file failed a.png")
      staged.release();
  });
  const DelayedUpdateDirs dirs = applyDelayedUpdate(app.path());

  EXPECT_EQ(app.read("app.dll"), std::string("old app\r\n\x00\x01", 11));
  EXPECT_EQ(app.read("res\\a.png"), std::string("old png\0\xff", 9));
  EXPECT_EQ(app.read("new.dll"), "new dll");
  EXPECT_FALSE(app.exists("res\\b.png"));
  EXPECT_FALSE(app.exists("delayup"));
  EXPECT_FALSE(app.exists(backupName(dirs, app)));
  const Lines& lines = log.lines();
  ASSERT_EQ(lines.size(), 11u) << ::testing::PrintToString(lines);
  EXPECT_EQ(Lines(lines.begin() + 6, lines.begin() + 9),
            (Lines{debug("create bak dir 1 " + dirs.backupDir + "\\res"),
                   debug("bak file a.png"),
                   {'C', "update file failed a.png"}}));
  EXPECT_EQ(
      sortedTail(lines, 9),
      (Lines{debug("restore file " + dirs.backupDir + "\\app.dll to " + app.at("app.dll")),
             debug("restore file " + dirs.backupDir + "\\res\\a.png to " + app.at("res\\a.png"))}));
}

TEST(DelayedUpdate, FailedRestoreKeepsTheBackupDirectory) {
  TempTree app("restorefail");
  stageWorkedExample(app);
  HeldFile staged(app.at("delayup\\res\\a.png"));
  std::unique_ptr<HeldFile> placed;
  LogCapture log;
  log.onText([&](const std::string& text) {
    // The newly placed app.dll cannot be replaced again by its backup.
    if (text == "update file app.dll")
      placed.reset(new HeldFile(app.at("app.dll")));
    if (text == "update file failed a.png")
      staged.release();
  });
  const DelayedUpdateDirs dirs = applyDelayedUpdate(app.path());
  placed.reset();

  EXPECT_TRUE(dirs.keepBackupDir);
  EXPECT_EQ(app.read(backupName(dirs, app) + "\\app.dll"), std::string("old app\r\n\x00\x01", 11));
  EXPECT_EQ(app.read("res\\a.png"), std::string("old png\0\xff", 9));
  EXPECT_FALSE(app.exists("delayup"));
  ASSERT_FALSE(log.lines().empty());
  EXPECT_EQ(log.lines().back(), (LogLine{'W', "restore failed, keep bak dir " + dirs.backupDir}));
}

TEST(DelayedUpdate, TargetThatCannotBeBackedUpEndsTheWalk) {
  TempTree app("bakfail");
  app.write("a.dll", "old a");
  app.write("b.dll", "old b");
  app.write("delayup\\a.dll", "new a");
  app.write("delayup\\b.dll", "new b");
  app.write("delayup\\c.dll", "new c");
  HeldFile target(app.at("b.dll"));
  LogCapture log;
  const DelayedUpdateDirs dirs = applyDelayedUpdate(app.path());
  target.release();

  EXPECT_EQ(app.read("a.dll"), "old a");
  EXPECT_EQ(app.read("b.dll"), "old b");
  EXPECT_FALSE(app.exists("c.dll"));
  EXPECT_FALSE(app.exists(backupName(dirs, app)));
  EXPECT_EQ(Lines(log.lines().begin() + 3, log.lines().end()),
            (Lines{debug("bak file a.dll"),
                   debug("update file a.dll"),
                   {'C', "bak file failed b.dll"},
                   debug("restore file " + dirs.backupDir + "\\a.dll to " + app.at("a.dll"))}));
}

TEST(DelayedUpdate, StagedFileReplacesADirectoryAndARestoreBringsItBack) {
  for (const bool failLater : {false, true}) {
    SCOPED_TRACE(failLater ? "walk fails afterwards" : "walk succeeds");
    TempTree app("replacedir");
    app.write("plugin\\x.txt", "old x");
    app.write("zz.dll", "old zz");
    app.write("delayup\\plugin", "plugin is a file now");
    app.write("delayup\\zz.dll", "new zz");
    std::unique_ptr<HeldFile> blocker;
    if (failLater)
      blocker.reset(new HeldFile(app.at("zz.dll")));
    LogCapture log;
    const DelayedUpdateDirs dirs = applyDelayedUpdate(app.path());
    blocker.reset();

    if (failLater) {
      EXPECT_EQ(app.read("plugin\\x.txt"), "old x");
      EXPECT_EQ(app.read("zz.dll"), "old zz");
    } else {
      EXPECT_EQ(app.read("plugin"), "plugin is a file now");
      EXPECT_EQ(app.read("zz.dll"), "new zz");
    }
    EXPECT_FALSE(app.exists(backupName(dirs, app)));
    EXPECT_FALSE(app.exists("delayup"));
  }
}

TEST(DelayedUpdate, DirectoryNamesMapByBaseName) {
  TempTree app("mapping");
  app.write("lib\\core.dll", "old core");
  app.write("delayup\\lib.x64\\core.dll", "new core");
  app.write("delayup\\.cache\\top.txt", "top");
  app.write("delayup\\lib.a\\both.dll", "from a");
  app.write("delayup\\lib.a\\onlya.dll", "only a");
  app.write("delayup\\lib.b\\both.dll", "from b");
  app.write("delayup\\plugins.new\\core.new.dll", "dotted");
  LogCapture log;
  const DelayedUpdateDirs dirs = applyDelayedUpdate(app.path());

  EXPECT_EQ(app.read("lib\\core.dll"), "new core");
  EXPECT_EQ(app.read("top.txt"), "top");
  EXPECT_EQ(app.read("lib\\both.dll"), "from b");
  EXPECT_EQ(app.read("lib\\onlya.dll"), "only a");
  EXPECT_EQ(app.read("plugins\\core.new.dll"), "dotted");
  EXPECT_FALSE(app.exists("lib.x64"));
  EXPECT_FALSE(app.exists(".cache"));
  EXPECT_FALSE(app.exists(backupName(dirs, app)));
  const Lines& lines = log.lines();
  const auto has = [&](const LogLine& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  };
  EXPECT_TRUE(has(debug("create dest dir 1 " + app.at("plugins"))));
  EXPECT_TRUE(has(debug("create bak dir 1 " + dirs.backupDir + "\\lib")));
  // lib.b finds lib.a's both.dll in place and backs it up like any predecessor.
  EXPECT_TRUE(has(debug("bak file both.dll")));
  EXPECT_FALSE(has(debug("create dest dir 1 " + app.at("lib"))));
}

// lib.a and lib.b both land in lib: the user's lib\x.dll is backed up once,
// lib.b's copy only replaces lib.a's, and a later failure brings back the
// user's file.
TEST(DelayedUpdate, OverlappingStagedDirectoriesKeepTheFirstBackup) {
  for (const bool failLater : {false, true}) {
    SCOPED_TRACE(failLater ? "walk fails afterwards" : "walk succeeds");
    TempTree app("overlap");
    app.write("lib\\x.dll", "user's x");
    app.write("delayup\\lib.a\\x.dll", "from a");
    app.write("delayup\\lib.b\\x.dll", "from b");
    app.write("delayup\\lib.b\\y.dll", "new y");
    std::unique_ptr<HeldFile> blocker;
    if (failLater)
      blocker.reset(new HeldFile(app.at("delayup\\lib.b\\y.dll")));
    LogCapture log;
    log.onText([&](const std::string& text) {
      if (text == "update file failed y.dll")
        blocker.reset();
    });
    const DelayedUpdateDirs dirs = applyDelayedUpdate(app.path());

    EXPECT_EQ(app.read("lib\\x.dll"), failLater ? "user's x" : "from b");
    EXPECT_EQ(app.read("lib\\y.dll"), failLater ? "<missing>" : "new y");
    EXPECT_FALSE(dirs.keepBackupDir);
    EXPECT_FALSE(app.exists(backupName(dirs, app)));
    EXPECT_FALSE(app.exists("delayup"));
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
    TempTree app("readonly");
    app.write("a.dll", "old a");
    app.write("delayup\\a.dll", "new a");
    app.write("delayup\\b.dll", "new b");
    const std::string readOnlyFile = c.readOnly == target ? "a.dll" : "delayup\\b.dll";
    ASSERT_TRUE(SetFileAttributesW(widen(app.at(readOnlyFile)).c_str(), FILE_ATTRIBUTE_READONLY));
    std::unique_ptr<HeldFile> blocker;
    if (c.readOnly == stagedNeverHandled)
      blocker.reset(new HeldFile(app.at("delayup\\a.dll")));
    LogCapture log;
    log.onText([&](const std::string& text) {
      if (text == "update file failed a.dll")
        blocker.reset();
    });
    const DelayedUpdateDirs dirs = applyDelayedUpdate(app.path());

    const bool failed = c.readOnly == stagedNeverHandled;
    EXPECT_EQ(app.read("a.dll"), failed ? "old a" : "new a");
    EXPECT_EQ(app.read("b.dll"), failed ? "<missing>" : "new b");
    EXPECT_FALSE(app.exists(backupName(dirs, app)));
    EXPECT_FALSE(app.exists("delayup"));
    for (const LogLine& line : log.lines())
      EXPECT_NE(line.priority, 'W') << line.text;
    SetFileAttributesW(widen(app.at("b.dll")).c_str(), FILE_ATTRIBUTE_NORMAL);
  }
}

// --- Faults the walk must survive ------------------------------------------

TEST(DelayedUpdate, StagingEntryThatIsAFileIsReportedAndRemoved) {
  TempTree app("delayupfile");
  app.write("delayup", "not a directory");
  LogCapture log;
  const DelayedUpdateDirs dirs = applyDelayedUpdate(app.path());

  ASSERT_EQ(log.lines().size(), 3u) << ::testing::PrintToString(log.lines());
  EXPECT_EQ(log.lines()[2].priority, 'C');
  EXPECT_EQ(log.lines()[2].text.rfind("update files failed: ", 0), 0u) << log.lines()[2].text;
  EXPECT_NE(log.lines()[2].text.find(app.at("delayup")), std::string::npos);
  EXPECT_FALSE(app.exists("delayup"));
  EXPECT_FALSE(app.exists(backupName(dirs, app)));
}

TEST(DelayedUpdate, DirectoryThatCannotBeCreatedEndsTheWalkAndRestores) {
  TempTree app("mkdirfail");
  app.write("app.dll", "old app");
  app.makeDir("res");
  app.write("delayup\\app.dll", "new app");
  app.write("delayup\\res\\sub\\x.png", "x");
  // Whatever second the step starts in, its backup directory holds a file
  // "res", so the backup twin of res\sub cannot be created.
  const std::time_t now = Poco::Timestamp().epochTime();
  for (std::time_t t = now - 1; t <= now + 30; ++t)
    app.write("bk_" + std::to_string(t) + "\\res", "in the way");
  LogCapture log;
  const DelayedUpdateDirs dirs = applyDelayedUpdate(app.path());

  EXPECT_EQ(app.read("app.dll"), "old app");
  EXPECT_FALSE(app.exists("res\\sub\\x.png"));
  EXPECT_FALSE(app.exists("delayup"));
  const Lines& lines = log.lines();
  const auto critical = std::find_if(lines.begin(), lines.end(),
                                     [](const LogLine& line) { return line.priority == 'C'; });
  ASSERT_NE(critical, lines.end()) << ::testing::PrintToString(lines);
  EXPECT_EQ(critical->text.rfind("update files failed: ", 0), 0u) << critical->text;
  EXPECT_EQ(lines.back(),
            debug("restore file " + dirs.backupDir + "\\app.dll to " + app.at("app.dll")));
}

TEST(DelayedUpdate, EmptyProgramDirectoryMeansTheCurrentDirectory) {
  TempTree app("cwd");
  app.write("app.dll", "old app");
  app.write("delayup\\app.dll", "new app");
  wchar_t previous[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryW(widen(app.path()).c_str()));
  LogCapture log;
  const DelayedUpdateDirs dirs = applyDelayedUpdate("");
  SetCurrentDirectoryW(previous);

  EXPECT_EQ(app.read("app.dll"), "new app");
  EXPECT_FALSE(app.exists("delayup"));
  EXPECT_EQ(dirs.updateDir, app.at("delayup"));
  EXPECT_EQ(dirs.backupDir.rfind(app.at("bk_"), 0), 0u) << dirs.backupDir;
  EXPECT_FALSE(app.exists(backupName(dirs, app)));
}

// --- Links in the staging tree ----------------------------------------------

TEST(DelayedUpdate, LinkInsideTheStagingTreeEndsTheWalkAndRestores) {
  TempTree app("link");
  TempTree outside("outside");
  outside.write("secret.dll", "outside bytes");
  app.write("app.dll", "old app");
  app.write("delayup\\app.dll", "new app");
  app.makeDir("delayup");
  if (!makeDirectoryLink(app.at("delayup\\zlink"),
                         outside.path().substr(0, outside.path().size() - 1)))
    GTEST_SKIP() << "no directory links on this platform";
  LogCapture log;
  const DelayedUpdateDirs dirs = applyDelayedUpdate(app.path());

  EXPECT_EQ(app.read("app.dll"), "old app");
  EXPECT_FALSE(app.exists("zlink"));
  EXPECT_FALSE(app.exists("secret.dll"));
  EXPECT_EQ(outside.read("secret.dll"), "outside bytes");
  EXPECT_FALSE(app.exists(backupName(dirs, app)));
  const Lines& lines = log.lines();
  ASSERT_GE(lines.size(), 6u) << ::testing::PrintToString(lines);
  EXPECT_EQ(Lines(lines.begin() + 3, lines.begin() + 7),
            (Lines{debug("bak file app.dll"),
                   debug("update file app.dll"),
                   {'C', "update link refused " + app.at("delayup\\zlink")},
                   debug("restore file " + dirs.backupDir + "\\app.dll to " + app.at("app.dll"))}));
}

TEST(DelayedUpdate, StagingDirectoryThatIsALinkIsNotWalked) {
  TempTree app("rootlink");
  TempTree outside("outsideroot");
  outside.write("app.dll", "outside app");
  outside.write("sub\\keep.txt", "keep");
  app.write("app.dll", "old app");
  if (!makeDirectoryLink(app.at("delayup"), outside.path().substr(0, outside.path().size() - 1)))
    GTEST_SKIP() << "no directory links on this platform";
  LogCapture log;
  const DelayedUpdateDirs dirs = applyDelayedUpdate(app.path());

  EXPECT_EQ(app.read("app.dll"), "old app");
  EXPECT_FALSE(app.exists("sub"));
  EXPECT_EQ(outside.read("app.dll"), "outside app");
  EXPECT_EQ(outside.read("sub\\keep.txt"), "keep");
  EXPECT_FALSE(app.exists(backupName(dirs, app)));
  ASSERT_GE(log.lines().size(), 3u);
  EXPECT_EQ(log.lines()[2], (LogLine{'C', "update link refused " + app.at("delayup")}));
}

TEST(DelayedUpdate, FileLinkInTheStagingTreeIsNotPlaced) {
  TempTree app("filelink");
  TempTree outside("outsidefile");
  outside.write("secret.dll", "outside bytes");
  app.makeDir("delayup");
  if (!CreateSymbolicLinkW(widen(app.at("delayup\\evil.dll")).c_str(),
                           widen(outside.at("secret.dll")).c_str(), 0) ||
      !isLinkOrJunction(app.at("delayup\\evil.dll")))
    GTEST_SKIP() << "file symbolic links are not shown as reparse points here";
  LogCapture log;
  applyDelayedUpdate(app.path());

  EXPECT_FALSE(app.exists("evil.dll"));
  EXPECT_EQ(outside.read("secret.dll"), "outside bytes");
}

// --- removeTree ---------------------------------------------------------------

TEST(RemoveTree, RemovesReadOnlyFilesAndDirectories) {
  TempTree tree("rmreadonly");
  tree.write("doomed\\ro.txt", "ro");
  tree.write("doomed\\sub\\ro.txt", "ro");
  for (const char* rel : {"doomed\\ro.txt", "doomed\\sub\\ro.txt", "doomed\\sub"}) {
    const std::wstring path = widen(tree.at(rel));
    ASSERT_TRUE(SetFileAttributesW(path.c_str(),
                                   GetFileAttributesW(path.c_str()) | FILE_ATTRIBUTE_READONLY));
  }
  EXPECT_NO_THROW(removeTree(tree.at("doomed")));
  EXPECT_FALSE(tree.exists("doomed"));
}

// Clearing attributes must not reach through a link to what it points at.
TEST(RemoveTree, LeavesTheAttributesBehindALinkAlone) {
  TempTree tree("rmlink");
  TempTree outside("rmoutside");
  outside.write("keep.txt", "keep");
  const std::wstring kept = widen(outside.at("keep.txt"));
  ASSERT_TRUE(SetFileAttributesW(kept.c_str(), FILE_ATTRIBUTE_READONLY));
  tree.makeDir("doomed");
  if (!makeDirectoryLink(tree.at("doomed\\outside"),
                         outside.path().substr(0, outside.path().size() - 1)))
    GTEST_SKIP() << "no directory links on this platform";
  try {
    removeTree(tree.at("doomed"));
  } catch (const Poco::Exception&) {
    // Wine cannot remove a Unix symbolic link as a directory; the point here
    // is what lies behind it.
  }
  EXPECT_EQ(outside.read("keep.txt"), "keep");
  EXPECT_NE(GetFileAttributesW(kept.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
  SetFileAttributesW(kept.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// --- moveReplacing ------------------------------------------------------------

TEST(MoveReplacing, ReportsEachOutcome) {
  TempTree tree("move");
  tree.write("plain", "plain");
  EXPECT_TRUE(moveReplacing(tree.at("plain"), tree.at("moved")));
  EXPECT_EQ(tree.read("moved"), "plain");
  EXPECT_FALSE(tree.exists("plain"));

  tree.write("new", "new");
  tree.write("old", "old");
  EXPECT_TRUE(moveReplacing(tree.at("new"), tree.at("old")));
  EXPECT_EQ(tree.read("old"), "new");

  EXPECT_FALSE(moveReplacing(tree.at("missing"), tree.at("anything")));
  EXPECT_FALSE(tree.exists("anything"));

  tree.write("file", "file");
  tree.write("dir\\inner", "inner");
  EXPECT_FALSE(moveReplacing(tree.at("file"), tree.at("dir")));
  EXPECT_EQ(tree.read("file"), "file");
  EXPECT_EQ(tree.read("dir\\inner"), "inner");

  tree.write("dir2\\inner", "inner2");
  EXPECT_TRUE(moveReplacing(tree.at("dir2"), tree.at("dir3")));
  EXPECT_EQ(tree.read("dir3\\inner"), "inner2");
}

TEST(MoveReplacing, HeldSourceOrDestinationFails) {
  TempTree tree("moveheld");
  tree.write("from", "from");
  tree.write("to", "to");
  {
    HeldFile held(tree.at("to"));
    EXPECT_FALSE(moveReplacing(tree.at("from"), tree.at("to")));
  }
  EXPECT_EQ(tree.read("from"), "from");
  EXPECT_EQ(tree.read("to"), "to");
  {
    HeldFile held(tree.at("from"));
    EXPECT_FALSE(moveReplacing(tree.at("from"), tree.at("to")));
  }
  EXPECT_EQ(tree.read("from"), "from");
  // The file at `to` is deleted before the rename is tried.
  EXPECT_FALSE(tree.exists("to"));
}

TEST(MoveReplacing, CopiedButNotRemovedIsAFailureWithBothInPlace) {
  TempTree tree("movecopy");
  tree.write("from", "bytes");
  // Readers allowed, deletion not: the rename fails, the copy works, the
  // removal of the original fails.
  HANDLE reader = CreateFileW(widen(tree.at("from")).c_str(), GENERIC_READ, FILE_SHARE_READ,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(moveReplacing(tree.at("from"), tree.at("to")));
  CloseHandle(reader);
  EXPECT_EQ(tree.read("from"), "bytes");
  EXPECT_EQ(tree.read("to"), "bytes");
}

}  // namespace
