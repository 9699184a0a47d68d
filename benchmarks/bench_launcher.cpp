// The launcher's delayed update on a staged tree, logging into log\start.log
// through the launcher's own start-up log set-up. Times everything
// applyDelayedUpdate does except its fixed 300 ms wait, and prints the
// elapsed seconds.
//   bench_launcher <program dir> <backup dir name> [flush]
// With "noflush" the channel does not flush after every line.
#include "file_tree.h"
#include "logging.h"
#include "paths.h"
#include "startup_log.h"
#include "utils.h"

#include <Poco/File.h>
#include <Poco/Format.h>
#include <Poco/Logger.h>

#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  if (argc < 3)
    return 2;
  const std::string program = std::string(argv[1]) + "\\";
  const bool flush = argc < 4 || std::string(argv[3]) != "noflush";

  StartupLog log;
  if (!setUpStartupLog(program, Poco::Logger::root(), log))
    return 1;
  if (!flush)
    log.fileChannel->setProperty("flush", "false");

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
