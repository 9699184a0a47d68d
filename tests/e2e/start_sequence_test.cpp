// The launcher's start sequence on the real starter.exe: which start module is
// chosen, how it is called, and what each failure shows and returns.
#include "launcher_scenario.h"

#include <gtest/gtest.h>

using launcher::Installation;

namespace {

std::vector<std::string> texts(const e2e::ProgramDir& dir) {
  return launcher::entryTexts(launcher::parseStartupLog(dir.readFile(L"log\\start.log")));
}

bool contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// A MessageBoxA box: GBK text read through this code page (Chinese under
// 936), the system's default caption, one button.
void expectAnsiBox(const e2e::Dialog& dialog, const char* gbk, const wchar_t* chinese) {
  EXPECT_EQ(dialog.text, launcher::ansiText(gbk));
  if (launcher::chineseCodePage()) {
    EXPECT_EQ(dialog.text, chinese);
  }
  EXPECT_NE(dialog.caption, L"提示");
  EXPECT_EQ(dialog.buttons.size(), 1u);
}

TEST(StartSequence, TypicalStartCallsVelotraWithItsOwnArgumentsAfterClosingTheLog) {
  Installation app(L"typical");
  const e2e::RunResult run = e2e::run(app.dir.starter());

  EXPECT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_TRUE(run.dialogs.empty());
  const auto calls = launcher::moduleCalls(app.dir);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].argv, std::vector<std::string>{e2e::wideToUtf8(app.dir.starter())});
  EXPECT_TRUE(calls[0].logClosed);
  EXPECT_EQ(texts(app.dir),
            (std::vector<std::string>{"\n", std::string(53, '='), "logger initialized",
                                      "load dll velotra.dll", "start"}));
}

TEST(StartSequence, ExitCodeIsTheStartModulesResult) {
  for (const int code : {7, 0, -5, 259}) {
    Installation app(L"exitcode");
    e2e::RunOptions options;
    options.environment = {{L"ZEL_FIXTURE_RESULT", std::to_wstring(code)}};
    const e2e::RunResult run = e2e::run(app.dir.starter(), options);
    EXPECT_EQ(run.exitCode, static_cast<DWORD>(code));
    EXPECT_TRUE(run.dialogs.empty());
  }
}

TEST(StartSequence, PassesEveryArgumentUnchanged) {
  Installation app(L"args");
  e2e::RunOptions options;
  options.arguments = L"one \"two words\" --type --lang=zh /SDx.dll";
  e2e::run(app.dir.starter(), options);
  const auto calls = launcher::moduleCalls(app.dir);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].argv,
            (std::vector<std::string>{e2e::wideToUtf8(app.dir.starter()), "one", "two words",
                                      "--type", "--lang=zh", "/SDx.dll"}));
}

struct ModuleNameCase {
  const wchar_t* arguments;
  const wchar_t* fixtureName;  // where the fixture lies in the program directory
  bool called;
  const char* announced;  // the "load dll %s" text
};

TEST(StartSequence, SlashSdInTheFirstArgumentNamesTheStartModule) {
  const ModuleNameCase cases[] = {
      {L"/SDother.dll", L"other.dll", true, "load dll other.dll"},
      {L"/SDother.dll more", L"other.dll", true, "load dll other.dll"},
      {L"/sdother.dll", L"velotra.dll", true, "load dll velotra.dll"},
      {L"x /SDother.dll", L"velotra.dll", true, "load dll velotra.dll"},
      {L"\"/SDsub dir\\other.dll\"", L"sub dir\\other.dll", true, "load dll sub dir\\other.dll"},
  };
  for (const ModuleNameCase& c : cases) {
    Installation app(L"sd", L"");
    if (std::wstring(c.fixtureName).find(L'\\') != std::wstring::npos)
      app.dir.makeDir(L"sub dir");
    app.dir.copyIn(e2e::testBinDir() + L"start_module_fixture.dll", c.fixtureName);
    e2e::RunOptions options;
    options.arguments = c.arguments;
    const e2e::RunResult run = e2e::run(app.dir.starter(), options);
    SCOPED_TRACE(e2e::wideToUtf8(c.arguments));
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_TRUE(run.dialogs.empty());
    EXPECT_EQ(launcher::moduleCalls(app.dir).size(), c.called ? 1u : 0u);
    EXPECT_TRUE(contains(texts(app.dir), c.announced));
  }
}

// A start module that cannot be loaded: the box first, then the critical line,
// neither "start" nor "start failed", exit code 0.
TEST(StartSequence, UnloadableStartModuleIsShownThenLoggedAndExitsZero) {
  const std::string tooLong(100, 'a');
  const struct {
    std::wstring arguments;
    std::string name;
  } cases[] = {
      {L"", "velotra.dll"},  // absent
      {L"/SD", ""},
      {L"/SDmissing.dll", "missing.dll"},
      // Cutting this to 99 bytes would name aaa...a.dll, which lies beside it.
      {L"/SD" + std::wstring(100, L'a'), tooLong},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("arguments: " + e2e::wideToUtf8(c.arguments));
    Installation app(L"unloadable", L"");
    app.dir.copyIn(e2e::testBinDir() + L"start_module_fixture.dll",
                   std::wstring(99, L'a') + L".dll");
    e2e::RunOptions options;
    options.arguments = c.arguments;
    std::vector<std::string> whileShown;
    options.onDialog = [&](const e2e::Dialog&) { whileShown = texts(app.dir); };
    const e2e::RunResult run = e2e::run(app.dir.starter(), options);

    EXPECT_EQ(run.exitCode, 0u);
    ASSERT_EQ(run.dialogs.size(), 1u);
    expectAnsiBox(run.dialogs[0], launcher::kGbkLoadFailedBox, L"加载启动模块出错");
    EXPECT_TRUE(contains(whileShown, "load dll " + c.name));
    EXPECT_FALSE(contains(whileShown, "load lib failed: " + c.name));
    const auto after = texts(app.dir);
    EXPECT_EQ(after.back(), "load lib failed: " + c.name);
    EXPECT_FALSE(contains(after, "start"));
    EXPECT_FALSE(contains(after, "start failed"));
    EXPECT_TRUE(launcher::moduleCalls(app.dir).empty());
  }
}

TEST(StartSequence, StartModuleWithoutMainIsShownThenLoggedAndExitsZero) {
  Installation app(L"nomain", L"no_main_fixture.dll");
  std::vector<std::string> whileShown;
  e2e::RunOptions options;
  options.onDialog = [&](const e2e::Dialog&) { whileShown = texts(app.dir); };
  const e2e::RunResult run = e2e::run(app.dir.starter(), options);

  EXPECT_EQ(run.exitCode, 0u);
  ASSERT_EQ(run.dialogs.size(), 1u);
  expectAnsiBox(run.dialogs[0], launcher::kGbkMainMissingBox, L"加载主函数main出错");
  EXPECT_EQ(whileShown.back(), "load dll velotra.dll");
  const auto after = texts(app.dir);
  ASSERT_GE(after.size(), 2u);
  EXPECT_EQ(after[after.size() - 2], "get main symbol failed: main");
  EXPECT_EQ(after.back(), "start failed");
}

// Without string 10000 and without "/SD": the critical line first, then the
// box, exit code -1.
TEST(StartSequence, MissingStartModuleNameIsLoggedThenShownAndExitsMinusOne) {
  Installation app(L"noresource");
  const std::wstring stripped = app.dir / L"stripped.exe";
  ASSERT_TRUE(CopyFileW(app.dir.starter().c_str(), stripped.c_str(), FALSE));
  // Strings 10000..10015 form block 626 of the string table; empty it in
  // every language (16 zero-length strings).
  const LPCWSTR stringTable = MAKEINTRESOURCEW(6);
  const LPCWSTR block = MAKEINTRESOURCEW(10000 / 16 + 1);
  std::vector<WORD> languages;
  HMODULE image = LoadLibraryExW(stripped.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(image, nullptr);
  EnumResourceLanguagesW(
      image, stringTable, block,
      [](HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR found) -> BOOL {
        reinterpret_cast<std::vector<WORD>*>(found)->push_back(language);
        return TRUE;
      },
      reinterpret_cast<LONG_PTR>(&languages));
  FreeLibrary(image);
  ASSERT_FALSE(languages.empty());
  HANDLE update = BeginUpdateResourceW(stripped.c_str(), FALSE);
  ASSERT_NE(update, nullptr);
  for (WORD language : languages) {
    static char emptyBlock[32] = {};
    ASSERT_TRUE(
        UpdateResourceW(update, stringTable, block, language, emptyBlock, sizeof emptyBlock));
  }
  ASSERT_TRUE(EndUpdateResourceW(update, FALSE));
  image = LoadLibraryExW(stripped.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  char name[100] = {};
  EXPECT_EQ(LoadStringA(image, 10000, name, 100), 0) << name;
  FreeLibrary(image);

  std::vector<std::string> whileShown;
  e2e::RunOptions options;
  options.onDialog = [&](const e2e::Dialog&) { whileShown = texts(app.dir); };
  const e2e::RunResult run = e2e::run(stripped, options);

  EXPECT_EQ(run.exitCode, static_cast<DWORD>(-1));
  ASSERT_EQ(run.dialogs.size(), 1u);
  expectAnsiBox(run.dialogs[0], launcher::kGbkMissingModuleBox, L"启动失败：缺少启动模块参数");
  ASSERT_FALSE(whileShown.empty());
  EXPECT_EQ(whileShown.back(), launcher::kGbkMissingModule);
  EXPECT_EQ(launcher::parseStartupLog(app.dir.readFile(L"log\\start.log")).entries.back().priority,
            "Critical");
  EXPECT_TRUE(launcher::moduleCalls(app.dir).empty());
}

TEST(StartSequence, SubProcessSwitchWithoutRendererLibraryStartsAsUsual) {
  for (const wchar_t* arguments : {L"--type=gpu-process --lang=zh", L"--TYPE=utility"}) {
    Installation app(L"subprocess");
    e2e::RunOptions options;
    options.arguments = arguments;
    const e2e::RunResult run = e2e::run(app.dir.starter(), options);
    EXPECT_EQ(run.exitCode, 0u);
    const auto calls = launcher::moduleCalls(app.dir);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].argv.size(),
              std::wstring(arguments).find(L' ') == std::wstring::npos ? 2u : 3u);
  }
}

// Started by bare name from another folder: the program directory is empty,
// so the log lands below the current directory, while the start module is
// still found beside the program.
TEST(StartSequence, BareProgramNameUsesTheCurrentDirectory) {
  Installation app(L"barename");
  e2e::ProgramDir elsewhere(L"cwd");
  e2e::RunOptions options;
  options.argv0 = L"starter.exe";
  options.workingDir = elsewhere.path();
  const e2e::RunResult run = e2e::run(app.dir.starter(), options);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_TRUE(elsewhere.exists(L"log\\start.log"));
  EXPECT_FALSE(app.dir.exists(L"log"));
  ASSERT_EQ(launcher::moduleCalls(app.dir).size(), 1u);
  EXPECT_EQ(launcher::moduleCalls(app.dir)[0].argv[0], "starter.exe");
}

// Names outside ASCII arrive in the ANSI code page and are converted before
// Poco sees them: a Chinese program folder and a Chinese start-module name.
TEST(StartSequence, ChineseProgramFolderAndModuleNameUnderCodePage936) {
  if (!launcher::chineseCodePage())
    GTEST_SKIP() << "needs ANSI code page 936";
  Installation app(L"应用程序");
  app.dir.copyIn(e2e::testBinDir() + L"start_module_fixture.dll", L"模块.dll");
  e2e::RunOptions options;
  options.arguments = L"/SD模块.dll";
  const e2e::RunResult run = e2e::run(app.dir.starter(), options);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_TRUE(run.dialogs.empty());
  EXPECT_TRUE(app.dir.exists(L"log\\start.log"));
  EXPECT_EQ(launcher::moduleCalls(app.dir).size(), 1u);
  // The name is logged as given: GBK bytes.
  EXPECT_TRUE(contains(texts(app.dir), "load dll \xc4\xa3\xbf\xe9.dll"));
}

}  // namespace
