#include "update_guard.h"

#include "encoding.h"

#include <Poco/DigestStream.h>
#include <Poco/Exception.h>
#include <Poco/MD5Engine.h>
#include <Poco/StreamCopier.h>
#include <Poco/String.h>
#include <Poco/Thread.h>
#include <Poco/UnicodeConverter.h>

#include <windows.h>

#include <memory>
#include <sstream>

namespace {

constexpr int kAttempts = 3;
constexpr long kPauseMilliseconds = 1000;

void showUpdaterBusy() {
  MessageBoxW(nullptr, L"更新程序正在运行，请等待更新完成！", L"提示", MB_OK);
}

using OwnedHandle = std::unique_ptr<void, decltype(&CloseHandle)>;

// Opens the updater's named mutex the way Poco's NamedMutex does (created when
// missing, not initially owned, the name in UTF-16), keeping the handle in
// hand: Poco throws on an abandoned mutex after the wait has already made this
// thread its owner, and offers no handle to release it with.
OwnedHandle openGuardMutex(const std::string& name) {
  std::wstring wideName;
  Poco::UnicodeConverter::toUTF16(name, wideName);
  OwnedHandle mutex(CreateMutexW(nullptr, FALSE, wideName.c_str()), &CloseHandle);
  if (!mutex)
    throw Poco::SystemException("cannot create named mutex", name);
  return mutex;
}

// One wait of 0 ms. An updater that died holding the mutex leaves it
// abandoned; the wait then hands it over like a free one, so it counts as
// taken and is released like one.
bool tryTakeGuard(HANDLE mutex) {
  switch (WaitForSingleObject(mutex, 0)) {
    case WAIT_OBJECT_0:
    case WAIT_ABANDONED:
      return true;
    case WAIT_TIMEOUT:
      return false;
    default:
      throw Poco::SystemException("cannot test named mutex");
  }
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
    const OwnedHandle guard = openGuardMutex(updateGuardName(programPath));
    bool acquired = tryTakeGuard(guard.get());
    for (int attempt = 1; !acquired && attempt < kAttempts; ++attempt) {
      Poco::Thread::sleep(kPauseMilliseconds);
      acquired = tryTakeGuard(guard.get());
    }
    if (!acquired) {
      showUpdaterBusy();
      return false;
    }
    ReleaseMutex(guard.get());
    return true;
  } catch (...) {
    // A guard that cannot be built or tested must not keep the application from starting.
    return true;
  }
}
