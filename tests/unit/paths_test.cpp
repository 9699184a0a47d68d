#include "paths.h"

#include <gtest/gtest.h>

namespace {

struct JoinCase {
  const char* base;
  const char* name;
  const char* expected;
};

TEST(JoinPath, AppendsNameAsPocoPaths) {
  const JoinCase cases[] = {
      {"X:\\App\\", "delayup", "X:\\App\\delayup"},
      {"X:\\App\\delayup", "res", "X:\\App\\delayup\\res"},
      {"X:\\App\\", "", "X:\\App\\"},
      {"X:\\App", "", "X:\\App\\"},
      {"X:\\App\\", "log", "X:\\App\\log"},
      {"", "log", "log"},
      {"", "delayup", "delayup"},
      {"X:\\App\\app.dll", "x", "X:\\App\\app.dll\\x"},  // file-name component becomes a directory
      {"X:\\App\\", "bk_1565000000", "X:\\App\\bk_1565000000"},
      {"rel\\dir\\", "a.png", "rel\\dir\\a.png"},
      {"X:/App/", "delayup", "X:\\App\\delayup"},
  };
  for (const JoinCase& c : cases)
    EXPECT_EQ(joinPath(c.base, c.name), c.expected) << c.base << " + " << c.name;
}

TEST(ProgramDirectory, IsTheDirectoryOfArgv0WithTrailingBackslash) {
  const JoinCase cases[] = {
      {"X:\\App\\starter.exe", "", "X:\\App\\"},
      {"X:/App/starter.exe", "", "X:\\App\\"},
      {"starter.exe", "", ""},
      {"sub\\starter.exe", "", "sub\\"},
      {".\\starter.exe", "", ""},  // Poco drops "." components
  };
  for (const JoinCase& c : cases)
    EXPECT_EQ(programDirectory(c.base), c.expected) << c.base;
}

}  // namespace
