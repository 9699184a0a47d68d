#include "encoding.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(AnsiToUtf8, KeepsAscii) {
  EXPECT_EQ(ansiToUtf8(""), "");
  EXPECT_EQ(ansiToUtf8("X:\\App\\starter.exe"), "X:\\App\\starter.exe");
}

TEST(AnsiToUtf8, ConvertsGbkUnderCodePage936) {
  if (GetACP() != 936)
    GTEST_SKIP() << "ANSI code page is " << GetACP() << ", not 936";
  // 缺少启动模块参数 in GBK, then in UTF-8.
  EXPECT_EQ(ansiToUtf8("\xc8\xb1\xc9\xd9\xc6\xf4\xb6\xaf\xc4\xa3\xbf\xe9\xb2\xce\xca\xfd"),
            u8"缺少启动模块参数");
  EXPECT_EQ(ansiToUtf8("C:\\\xd3\xa6\xd3\xc3\\starter.exe"), u8"C:\\应用\\starter.exe");
}

TEST(AnsiToUtf8, ConvertsWesternBytesUnderCodePage1252) {
  if (GetACP() != 1252)
    GTEST_SKIP() << "ANSI code page is " << GetACP() << ", not 1252";
  EXPECT_EQ(ansiToUtf8("\xc4pp"), "\xc3\x84pp");
}

}  // namespace
