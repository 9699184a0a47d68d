#include "update_guard.h"

#include "encoding.h"

#include <Poco/DigestStream.h>
#include <Poco/MD5Engine.h>
#include <Poco/NamedMutex.h>
#include <Poco/StreamCopier.h>
#include <Poco/String.h>
#include <Poco/Thread.h>

#include <windows.h>

#include <sstream>

namespace {

constexpr int kAttempts = 3;
constexpr long kPauseMilliseconds = 1000;

void showUpdaterBusy() {
  MessageBoxW(nullptr, L"更新程序正在运行，请等待更新完成！", L"提示", MB_OK);
}

}  // namespace

std::string md5Hex(const std::string& text) {
  Poco::MD5Engine engine;
  Poco::DigestOutputStream digestStream(engine);
  std::istringstream input(text);
  Poco::StreamCopier::copyStream(input, digestStream, 8192);
  digestStream.close();
  return Poco::DigestEngine::digestToHex(engine.digest());
}

std::string updateGuardName(const std::string& programPath) {
  std::string text = programPath + "_update";
  Poco::replaceInPlace(text, std::string("\\"), std::string("_"));
  return md5Hex(ansiToUtf8(Poco::toLower(text)));
}

bool checkUpdateGuard(const std::string& programPath) {
  try {
    Poco::NamedMutex guard(updateGuardName(programPath));
    bool acquired = guard.tryLock();
    for (int attempt = 1; !acquired && attempt < kAttempts; ++attempt) {
      Poco::Thread::sleep(kPauseMilliseconds);
      acquired = guard.tryLock();
    }
    if (!acquired) {
      showUpdaterBusy();
      return false;
    }
    guard.unlock();
    return true;
  } catch (...) {
    // A guard that cannot be built or tested must not keep the application from starting.
    return true;
  }
}
