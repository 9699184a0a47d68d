#include "command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Owns writable copies of the arguments, as the runtime hands them to main.
struct Argv {
  explicit Argv(std::vector<std::string> args) : storage(std::move(args)) {
    for (std::string& s : storage)
      pointers.push_back(&s[0]);
    pointers.push_back(nullptr);
  }
  int argc() const { return static_cast<int>(storage.size()); }
  char** argv() { return pointers.data(); }
  std::vector<std::string> storage;
  std::vector<char*> pointers;
};

TEST(IsSubProcessStart, MatchesTypeSwitchAtAnyPositionIgnoringAsciiCase) {
  const std::pair<std::vector<std::string>, bool> cases[] = {
      {{"starter.exe"}, false},
      {{"starter.exe", "--type=renderer"}, true},
      {{"starter.exe", "--type=gpu-process"}, true},
      {{"starter.exe", "--TYPE=utility"}, true},
      {{"starter.exe", "--lang=zh", "--Type=renderer", "x"}, true},
      {{"--type=renderer"}, true},  // argv[0] counts too
      {{"starter.exe", "--type="}, true},
      {{"starter.exe", "--type"}, false},
      {{"starter.exe", "--type", "renderer"}, false},
      {{"starter.exe", "x--type=renderer"}, false},
      {{"starter.exe", "/SDvelotra.dll", "a --type=renderer"}, false},
      {{"starter.exe", "-type=renderer"}, false},
      {{"starter.exe", ""}, false},
  };
  for (const auto& c : cases) {
    Argv args(c.first);
    EXPECT_EQ(isSubProcessStart(args.argc(), args.argv()), c.second)
        << ::testing::PrintToString(c.first);
  }
}

struct ChoiceCase {
  std::vector<std::string> args;
  StartModuleSource source;
  std::string name;
  bool fits;
};

TEST(ChooseStartModule, TakesSlashSdFromFirstArgumentElseTheResource) {
  const ChoiceCase cases[] = {
      {{"starter.exe"}, StartModuleSource::resource, "velotra.dll", true},
      {{"starter.exe", "/SDother.dll"}, StartModuleSource::switchArgument, "other.dll", true},
      {{"starter.exe", "/SD"}, StartModuleSource::switchArgument, "", true},
      {{"starter.exe", "/SDC:\\x y\\a.dll", "more"},
       StartModuleSource::switchArgument,
       "C:\\x y\\a.dll",
       true},
      {{"starter.exe", "/sdother.dll"}, StartModuleSource::resource, "velotra.dll", true},
      {{"starter.exe", "x", "/SDother.dll"}, StartModuleSource::resource, "velotra.dll", true},
      {{"/SDother.dll"},
       StartModuleSource::resource,
       "velotra.dll",
       true},  // argv[0] is not argv[1]
      {{"starter.exe", " /SDother.dll"}, StartModuleSource::resource, "velotra.dll", true},
      {{"starter.exe", "/SD" + std::string(99, 'a')},
       StartModuleSource::switchArgument,
       std::string(99, 'a'),
       true},
      {{"starter.exe", "/SD" + std::string(100, 'a')},
       StartModuleSource::switchArgument,
       std::string(100, 'a'),
       false},
  };
  for (const ChoiceCase& c : cases) {
    Argv args(c.args);
    const StartModuleChoice choice = chooseStartModule(args.argc(), args.argv(), nullptr);
    EXPECT_EQ(choice.source, c.source) << ::testing::PrintToString(c.args);
    EXPECT_EQ(choice.name, c.name) << ::testing::PrintToString(c.args);
    EXPECT_EQ(choice.fitsBuffer, c.fits) << ::testing::PrintToString(c.args);
  }
}

TEST(ChooseStartModule, ReportsMissingWhenTheResourceIsAbsent) {
  Argv args({"starter.exe"});
  // kernel32 has no string 10000.
  const StartModuleChoice choice =
      chooseStartModule(args.argc(), args.argv(), GetModuleHandleW(L"kernel32.dll"));
  EXPECT_EQ(choice.source, StartModuleSource::missing);
  EXPECT_TRUE(choice.name.empty());
}

}  // namespace
