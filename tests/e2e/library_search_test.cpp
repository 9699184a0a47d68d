// Where the real starter.exe looks for the libraries it loads: never in the
// current directory, which whoever starts the elevated launcher can choose.
#include "launcher_scenario.h"

#include <gtest/gtest.h>

using launcher::Installation;

namespace {

std::wstring currentPath() {
  const DWORD size = GetEnvironmentVariableW(L"PATH", nullptr, 0);
  std::wstring path(size, L'\0');
  path.resize(GetEnvironmentVariableW(L"PATH", &path[0], size));
  return path;
}

// The program directory has no velotra.dll of its own; the module lies in one
// other place, and the start either calls it or shows the load-failure box.
TEST(LibrarySearch, StartModuleIsNeverTakenFromTheWorkingDirectory) {
  enum Place { workingDir, onPath, elsewhereAbsolute, programSubDir, workingSubDir };
  const struct {
    const char* what;
    Place place;
    std::wstring arguments;  // %s: the module's folder, where the case needs it
    bool called;
  } cases[] = {
      {"velotra.dll planted in the working directory", workingDir, L"", false},
      {"relative /SD path that exists below the working directory", workingSubDir,
       L"/SDsub\\velotra.dll", false},
      {"relative /SD path below the program directory", programSubDir, L"/SDsub\\velotra.dll",
       true},
      {"velotra.dll in a directory on PATH", onPath, L"", true},
      {"absolute /SD path", elsewhereAbsolute, L"/SD%s\\velotra.dll", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Installation app(L"dllsearch", L"");
    e2e::ProgramDir working(L"dllcwd");
    e2e::ProgramDir other(L"dllother");
    const std::wstring fixture = e2e::testBinDir() + L"start_module_fixture.dll";
    e2e::RunOptions options;
    options.workingDir = working.path();
    options.arguments = c.arguments;
    switch (c.place) {
      case workingDir:
        working.copyIn(fixture, L"velotra.dll");
        break;
      case workingSubDir:
        working.makeDir(L"sub");
        working.copyIn(fixture, L"sub\\velotra.dll");
        break;
      case programSubDir:
        app.dir.makeDir(L"sub");
        app.dir.copyIn(fixture, L"sub\\velotra.dll");
        break;
      case onPath:
        other.copyIn(fixture, L"velotra.dll");
        options.environment = {{L"PATH", other.path() + L";" + currentPath()}};
        break;
      case elsewhereAbsolute: {
        other.copyIn(fixture, L"velotra.dll");
        const std::wstring folder = other.path().substr(0, other.path().size() - 1);
        options.arguments.replace(options.arguments.find(L"%s"), 2, folder);
        break;
      }
    }
    const e2e::RunResult run = e2e::run(app.dir.starter(), options);

    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(launcher::moduleCalls(app.dir).size(), c.called ? 1u : 0u);
    if (c.called) {
      EXPECT_TRUE(run.dialogs.empty());
    } else {
      EXPECT_EQ(run.dialogs.size(), 1u);
      if (!run.dialogs.empty())
        EXPECT_EQ(run.dialogs[0].text, launcher::ansiText(launcher::kGbkLoadFailedBox));
    }
  }
}

// A sub-process start with a ZelWebRenderer.dll planted in the working
// directory: the planted library is not run, the launcher starts as usual.
TEST(LibrarySearch, RendererLibraryIsNeverTakenFromTheWorkingDirectory) {
  Installation app(L"rendsearch");
  e2e::ProgramDir working(L"rendcwd");
  working.copyIn(e2e::testBinDir() + L"start_module_fixture.dll", L"ZelWebRenderer.dll");
  e2e::RunOptions options;
  options.workingDir = working.path();
  options.arguments = L"--type=renderer";
  const e2e::RunResult run = e2e::run(app.dir.starter(), options);

  EXPECT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_TRUE(run.dialogs.empty());
  // Only the ordinary start writes the start-up log and calls velotra.dll.
  const auto log = launcher::parseStartupLog(app.dir.readFile(L"log\\start.log"));
  const auto texts = launcher::entryTexts(log);
  EXPECT_NE(std::find(texts.begin(), texts.end(), "load dll velotra.dll"), texts.end());
  EXPECT_EQ(launcher::moduleCalls(app.dir).size(), 1u);
}

}  // namespace
