// starter: the application's launcher, and the host of the embedded browser's
// sub-processes.
#include "command_line.h"
#include "crash_dump.h"
#include "encoding.h"
#include "file_tree.h"
#include "library_search.h"
#include "logging.h"
#include "paths.h"
#include "startup_log.h"
#include "update_guard.h"
#include "utils.h"

#include <Poco/Exception.h>
#include <Poco/File.h>
#include <Poco/Format.h>
#include <Poco/Logger.h>
#include <Poco/SharedLibrary.h>

#include <windows.h>

#include <string>

namespace {

using EntryPoint = int (*)(int, char**);

constexpr char kRendererLibrary[] = "ZelWebRenderer.dll";
constexpr char kEntryName[] = "main";

// Texts shown through MessageBoxA are GBK (code page 936) bytes.
constexpr char kMissingModuleLog[] =  // 缺少启动模块参数
    "\xc8\xb1\xc9\xd9\xc6\xf4\xb6\xaf\xc4\xa3\xbf\xe9\xb2\xce\xca\xfd";
constexpr char kMissingModuleBox[] =  // 启动失败：缺少启动模块参数
    "\xc6\xf4\xb6\xaf\xca\xa7\xb0\xdc\xa3\xba\xc8\xb1\xc9\xd9\xc6\xf4\xb6\xaf\xc4\xa3\xbf\xe9"
    "\xb2\xce\xca\xfd";
constexpr char kLoadModuleFailedBox[] =  // 加载启动模块出错
    "\xbc\xd3\xd4\xd8\xc6\xf4\xb6\xaf\xc4\xa3\xbf\xe9\xb3\xf6\xb4\xed";
constexpr char kMainMissingBox[] =  // 加载主函数main出错
    "\xbc\xd3\xd4\xd8\xd6\xf7\xba\xaf\xca\xfd"
    "main"
    "\xb3\xf6\xb4\xed";

// Hands the process to the renderer library's main. Returns false when the
// library cannot be used; the launcher then starts as usual.
bool runSubProcessHost(int argc, char** argv, int& result) {
  try {
    Poco::SharedLibrary library;
    loadLibraryOutsideWorkingDirectory(kRendererLibrary, library);
    EntryPoint entry = nullptr;
    if (library.isLoaded()) {
      try {
        entry = reinterpret_cast<EntryPoint>(library.getSymbol(kEntryName));
      } catch (...) {
        entry = nullptr;
      }
    }
    if (!entry)
      return false;
    result = entry(argc, argv);
    return true;
  } catch (...) {
    return false;
  }
}

// Loads the start module by name (UTF-8 for Poco), never from the current
// directory. Poco reports a failed load with error details; the log line
// carries the library name alone.
bool loadStartModule(const StartModuleChoice& choice, Poco::SharedLibrary& library) {
  const std::string path = ansiToUtf8(choice.name);
  try {
    // Never load a shortened name: a cut "/SD" value could name another library.
    if (!choice.fitsBuffer)
      throw Poco::LibraryLoadException(path);
    try {
      loadLibraryOutsideWorkingDirectory(path, library);
    } catch (const Poco::LibraryLoadException&) {
      throw Poco::LibraryLoadException(path);
    }
    return true;
  } catch (const Poco::Exception& e) {
    MessageBoxA(nullptr, kLoadModuleFailedBox, nullptr, MB_OK);
    LOG_CRITICAL(Poco::format("load lib failed: %s", e.message()));
    return false;
  }
}

EntryPoint findEntry(Poco::SharedLibrary& library) {
  try {
    return reinterpret_cast<EntryPoint>(library.getSymbol(kEntryName));
  } catch (const Poco::Exception& e) {
    MessageBoxA(nullptr, kMainMissingBox, nullptr, MB_OK);
    LOG_CRITICAL(Poco::format("get main symbol failed: %s", e.message()));
    return nullptr;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (!IsDebuggerPresent())
    installCrashDumpFilter();

  if (isSubProcessStart(argc, argv)) {
    int result = 0;
    if (runSubProcessHost(argc, argv, result))
      return result;
  }

  if (!checkUpdateGuard(argv[0]))
    return -1;

  const std::string programDir = programDirectory(argv[0]);
  Poco::Logger& root = Poco::Logger::root();

  StartupLog log;
  if (!setUpStartupLog(programDir, root, log))
    return 0;

  const DelayedUpdateDirs updateDirs = applyDelayedUpdate(programDir);

  const StartModuleChoice choice = chooseStartModule(argc, argv, nullptr);
  if (choice.source == StartModuleSource::missing) {
    LOG_CRITICAL(kMissingModuleLog);
    MessageBoxA(nullptr, kMissingModuleBox, nullptr, MB_OK);
    awaitLogArchive(log);
    return -1;
  }

  LOG_DEBUG(Poco::format("load dll %s", choice.name));

  int result = 0;
  Poco::SharedLibrary startModule;
  if (loadStartModule(choice, startModule) && startModule.isLoaded()) {
    if (EntryPoint entry = findEntry(startModule)) {
      LOG_DEBUG("start");
      log.fileChannel->close();
      result = entry(argc, argv);
    } else {
      LOG_DEBUG("start failed");
    }
  }

  Poco::Logger::shutdown();

  // Whatever of this start's update is left, including a staging directory
  // an updater filled while the start module ran.
  try {
    if (Poco::File(updateDirs.updateDir).exists())
      removeTree(updateDirs.updateDir);
  } catch (...) {
  }
  // A failed restore left the only copy of a previous file in there.
  try {
    if (!updateDirs.keepBackupDir && Poco::File(updateDirs.backupDir).exists())
      removeTree(updateDirs.backupDir);
  } catch (...) {
  }
  awaitLogArchive(log);
  return result;
}
