// The start-up log: log\start.log below the program directory, written
// through the root logger.
#pragma once

#include <Poco/AutoPtr.h>
#include <Poco/FileChannel.h>
#include <Poco/Logger.h>
#include <Poco/PatternFormatter.h>

#include <windows.h>

#include <string>

// The launcher keeps its own references to the formatter and the file channel
// until the end of main: the file channel is needed again to close the file.
struct StartupLog {
  Poco::AutoPtr<Poco::PatternFormatter> formatter;
  Poco::AutoPtr<Poco::FileChannel> fileChannel;
  // The plain newest archive as it was before the log opened: one left by a
  // launcher that ended during its compression is nobody's to wait for.
  bool plainArchiveBefore = false;
  FILETIME plainArchiveWrittenBefore = {};
};

// Builds formatter -> formatting channel -> file channel on `root` and writes
// the opening entries. On failure the user is told the system is busy and
// false comes back.
bool setUpStartupLog(const std::string& programDir, Poco::Logger& root, StartupLog& log);

// A rotation hands the previous log to a background thread for compression.
// Waits until that archive is complete, at most `limitMilliseconds`, so that
// the process does not end in the middle of it. A plain archive that was there
// before this start's log opened is not waited for. When the limit passes, the
// file channel is kept alive: destroying it would wait for the compressor
// without a limit, and the next rotation compresses a left plain archive.
void awaitLogArchive(StartupLog& log, long limitMilliseconds = 5000);
