#include "update_guard.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

DWORD WINAPI takeAndDie(void* mutex) {
  return WaitForSingleObject(static_cast<HANDLE>(mutex), 0);  // ends owning it: abandoned
}

DWORD WINAPI tryOnce(void* mutex) {
  const DWORD wait = WaitForSingleObject(static_cast<HANDLE>(mutex), 0);
  if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED)
    ReleaseMutex(static_cast<HANDLE>(mutex));
  return wait;
}

DWORD onOtherThread(LPTHREAD_START_ROUTINE body, void* argument) {
  HANDLE thread = CreateThread(nullptr, 0, body, argument, 0, nullptr);
  DWORD result = WAIT_FAILED;
  WaitForSingleObject(thread, INFINITE);
  GetExitCodeThread(thread, &result);
  CloseHandle(thread);
  return result;
}

TEST(Md5Hex, MatchesTheRfc1321TestSuite) {
  const std::pair<std::string, const char*> vectors[] = {
      {"", "d41d8cd98f00b204e9800998ecf8427e"},
      {"a", "0cc175b9c0f1b6a831c399e269772661"},
      {"abc", "900150983cd24fb0d6963f7d28e17f72"},
      {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
      {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
       "d174ab98d277d9f5a5611c2c9f419d9f"},
      {std::string("1234567890")
           .append("1234567890123456789012345678901234567890")
           .append("123456789012345678901234567890"),
       "57edf4a22be3c955ac49da2e2107b67a"},
  };
  for (const auto& v : vectors)
    EXPECT_EQ(md5Hex(v.first), v.second) << '"' << v.first << '"';
}

TEST(Md5Hex, HashesTextLongerThanOneCopyBuffer) {
  // 8192-byte copy buffer: make the stream copy loop run more than once.
  const std::string text(20000, 'a');
  EXPECT_EQ(md5Hex(text).size(), 32u);
  EXPECT_NE(md5Hex(text), md5Hex(std::string(19999, 'a')));
}

TEST(UpdateGuardName, IsTheMd5OfTheFoldedProgramPath) {
  const std::pair<const char*, const char*> cases[] = {
      // d:_app_starter.exe_update
      {"D:\\App\\starter.exe", "7862561deace7fe51ce1790c1551d28f"},
      {"d:\\app\\STARTER.EXE", "7862561deace7fe51ce1790c1551d28f"},
      // "/" and ":" stay; only "\" becomes "_".
      {"C:/Program Files/App/starter.exe", "a74424d6d9aa8f0a1f296f45769fa9b4"},
      // bare name and relative path derive other names
      {"starter.exe", "d525d5cf7be12a562cae8bd0b13795cc"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(updateGuardName(c.first), c.second) << c.first;
}

TEST(UpdateGuardName, LowersOnlyAsciiCapitals) {
  if (GetACP() != 1252)
    GTEST_SKIP() << "ANSI code page is " << GetACP() << ", not 1252";
  // 0xC4 (Ä) is not lowered to 0xE4; it reaches the hash as UTF-8 C3 84.
  EXPECT_EQ(updateGuardName("C:\\\xc4pp\\starter.exe"), "6a0502573892e46732cfb408f05e5b13");
}

// An updater thread ended while owning the guard. The check lets the start go
// on at once, and the calling thread is not left owning the guard.
TEST(CheckUpdateGuard, AbandonedGuardIsTakenAndReleased) {
  const std::string program = "C:\\Guard" + std::to_string(GetCurrentProcessId()) + "\\starter.exe";
  const std::string name = updateGuardName(program);
  const std::wstring wideName(name.begin(), name.end());
  HANDLE mutex = CreateMutexW(nullptr, FALSE, wideName.c_str());
  ASSERT_NE(mutex, nullptr);
  ASSERT_EQ(onOtherThread(takeAndDie, mutex), static_cast<DWORD>(WAIT_OBJECT_0));

  const ULONGLONG started = GetTickCount64();
  EXPECT_TRUE(checkUpdateGuard(program));
  EXPECT_LT(GetTickCount64() - started, 900u) << "no pause before a second attempt";
  EXPECT_EQ(onOtherThread(tryOnce, mutex), static_cast<DWORD>(WAIT_OBJECT_0));
  CloseHandle(mutex);
}

}  // namespace
