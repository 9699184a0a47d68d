// The launcher's delayed update on a staged tree, logging into log\start.log
// through a file channel configured as the launcher configures it. Times
// everything applyDelayedUpdate does except its fixed 300 ms wait, and prints
// the elapsed seconds.
//   bench_launcher <program dir> <backup dir name> [flush]
// With "noflush" the channel does not flush after every line.
#include "file_tree.h"
#include "logging.h"
#include "paths.h"
#include "utils.h"

#include <Poco/AutoPtr.h>
#include <Poco/File.h>
#include <Poco/FileChannel.h>
#include <Poco/Format.h>
#include <Poco/FormattingChannel.h>
#include <Poco/Logger.h>
#include <Poco/PatternFormatter.h>

#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  if (argc < 3)
    return 2;
  const std::string program = std::string(argv[1]) + "\\";
  const bool flush = argc < 4 || std::string(argv[3]) != "noflush";

  Poco::AutoPtr<Poco::PatternFormatter> formatter(new Poco::PatternFormatter);
  formatter->setProperty("pattern", "%Y-%m-%d %H:%M:%S [%p]\t%t");
  formatter->setProperty("times", "local");
  Poco::AutoPtr<Poco::FileChannel> file(new Poco::FileChannel);
  file->setProperty("path", program + "log\\start.log");
  file->setProperty("rotation", "daily");
  file->setProperty("times", "local");
  file->setProperty("archive", "number");
  file->setProperty("purgeCount", "2");
  file->setProperty("compress", "true");
  if (!flush)
    file->setProperty("flush", "false");
  Poco::File(joinPath(program, "log")).createDirectories();
  Poco::Logger::root().setChannel(new Poco::FormattingChannel(formatter, file));
  Poco::Logger::root().setLevel("trace");
  LOG_DEBUG("logger initialized");

  const std::string update = joinPath(program, "delayup");
  const std::string backup = joinPath(program, argv[2]);
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  bool placed = false;
  if (Poco::File(update).exists()) {
    LOG_DEBUG("begin update files");
    LOG_DEBUG(Poco::format("delayup %s", update));
    RestoreList restoreList;
    placed = updateFiles(update, program, backup, restoreList);
    removeTree(update);
    removeTree(backup);
  }
  QueryPerformanceCounter(&end);
  std::printf("%.6f\n", double(end.QuadPart - start.QuadPart) / frequency.QuadPart);
  Poco::Logger::shutdown();
  return placed ? 0 : 1;
}
