#include "library_search.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Only bare names reach the system's search order; every other path that is
// not fully qualified is anchored at the program's folder, so that neither
// ".\" nor a drive-relative name can point into the current directory.
TEST(LibraryPathOutsideWorkingDirectory, AnchorsEveryPartialPathAtTheProgramFolder) {
  const std::string folder = "C:\\App";
  const std::pair<const char*, std::string> cases[] = {
      {"velotra.dll", "velotra.dll"},
      {"", ""},
      {"D:\\Other\\velotra.dll", "D:\\Other\\velotra.dll"},
      {"D:/Other/velotra.dll", "D:/Other/velotra.dll"},
      {"\\\\server\\share\\velotra.dll", "\\\\server\\share\\velotra.dll"},
      {"sub\\velotra.dll", "C:\\App\\sub\\velotra.dll"},
      {"sub/velotra.dll", "C:\\App\\sub/velotra.dll"},
      {".\\velotra.dll", "C:\\App\\.\\velotra.dll"},
      {"..\\velotra.dll", "C:\\App\\..\\velotra.dll"},
      {"D:velotra.dll", "C:\\App\\D:velotra.dll"},
      {"\\velotra.dll", "C:\\App\\\\velotra.dll"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(libraryPathOutsideWorkingDirectory(c.first, folder), c.second) << c.first;
}

}  // namespace
