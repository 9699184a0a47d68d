#include "startup_log.h"

#include "logging.h"
#include "paths.h"

#include <Poco/Exception.h>
#include <Poco/File.h>
#include <Poco/FormattingChannel.h>
#include <Poco/UnicodeConverter.h>

#include <windows.h>

namespace {

void showBusy() {
  MessageBoxW(nullptr, L"系统正忙，请稍候再试！", L"提示", MB_OK);
}

DWORD attributesOf(const std::string& utf8Path) {
  std::wstring widePath;
  Poco::UnicodeConverter::toUTF16(utf8Path, widePath);
  return GetFileAttributesW(widePath.c_str());
}

// True with the last-write time when `utf8Path` exists.
bool lastWriteOf(const std::string& utf8Path, FILETIME& lastWrite) {
  std::wstring widePath;
  Poco::UnicodeConverter::toUTF16(utf8Path, widePath);
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(widePath.c_str(), GetFileExInfoStandard, &data))
    return false;
  lastWrite = data.ftLastWriteTime;
  return true;
}

// A rotation renames the current log to the plain newest archive, so a plain
// archive of this start has another last-write time than one left from before.
bool isPlainArchiveOfThisStart(const StartupLog& log, const std::string& plainArchive) {
  FILETIME lastWrite;
  if (!lastWriteOf(plainArchive, lastWrite))
    return false;
  return !log.plainArchiveBefore ||
         CompareFileTime(&lastWrite, &log.plainArchiveWrittenBefore) != 0;
}

// One attribute query answers both "exists" and "is a directory".
bool isDirectory(const std::string& utf8Path) {
  const DWORD attributes = attributesOf(utf8Path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool setUpStartupLog(const std::string& programDir, Poco::Logger& root, StartupLog& log) {
  try {
    log.formatter = new Poco::PatternFormatter;
    log.formatter->setProperty("pattern", "%Y-%m-%d %H:%M:%S [%p]\t%t");
    log.formatter->setProperty("times", "local");

    log.fileChannel = new Poco::FileChannel;
    log.fileChannel->setProperty("path", programDir + "log\\start.log");
    log.fileChannel->setProperty("rotation", "daily");
    log.fileChannel->setProperty("times", "local");
    log.fileChannel->setProperty("archive", "number");
    log.fileChannel->setProperty("purgeCount", "2");
    log.fileChannel->setProperty("compress", "true");

    const std::string logDir = joinPath(programDir, "log");
    if (!isDirectory(logDir))
      Poco::File(logDir).createDirectories();

    Poco::AutoPtr<Poco::FormattingChannel> formatting(
        new Poco::FormattingChannel(log.formatter, log.fileChannel));
    root.setChannel(formatting);
    root.setLevel("trace");

    log.plainArchiveBefore =
        lastWriteOf(log.fileChannel->path() + ".0", log.plainArchiveWrittenBefore);

    LOG_DEBUG("\n");
    LOG_DEBUG(std::string(53, '='));
    LOG_DEBUG("logger initialized");
    return true;
  } catch (const Poco::Exception&) {
    showBusy();
    return false;
  }
}

void awaitLogArchive(StartupLog& log, long limitMilliseconds) {
  if (!log.fileChannel)
    return;
  // The newest archive stays a plain file until its ".gz" is complete; the
  // compressor removes it last.
  const std::string plainArchive = log.fileChannel->path() + ".0";
  constexpr long kPollMilliseconds = 5;
  for (long waited = 0; isPlainArchiveOfThisStart(log, plainArchive); waited += kPollMilliseconds) {
    if (waited >= limitMilliseconds) {
      log.fileChannel->duplicate();
      return;
    }
    Sleep(kPollMilliseconds);
  }
}
