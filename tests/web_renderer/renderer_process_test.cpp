// The shipped binaries end to end: the real starter.exe (or a bare host)
// loads ZelWebRenderer.dll, whose main reads the process command line and runs
// the stand-in libcef's renderer. Each scenario gets a fresh program folder.
#include "channel_reader.h"
#include "e2e_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class RendererProcess : public ::testing::Test {
 protected:
  // The program folder comes with starter.exe.
  RendererProcess() : folder_(L"program") {}

  void SetUp() override {
    folder_.copyIn(e2e::shippedBinDir() + L"ZelWebRenderer.dll");
    for (const wchar_t* name : {L"libcef.dll", L"renderer_host.exe"})
      folder_.copyIn(e2e::testBinDir() + name);
  }

  // Runs a program of the folder, with the channel switch added, and gives
  // its exit code as the program returned it.
  int exitCodeOf(const wchar_t* program,
                 const std::wstring& arguments,
                 const e2e::Environment& environment = {}) {
    e2e::RunOptions options;
    options.arguments = arguments + L" --stand-in-channel=" + e2e::quoted(channel());
    options.environment = environment;
    const e2e::RunResult result = e2e::run(folder_ / program, options);
    EXPECT_FALSE(result.timedOut) << "the process had to be ended";
    return static_cast<int>(result.exitCode);
  }

  std::wstring channel() const { return folder_ / L"channel.txt"; }
  const e2e::ProgramDir& folder() const { return folder_; }

 private:
  e2e::ProgramDir folder_;
};

TEST_F(RendererProcess, RendererTypeRunsCefOnceAndItsExitCodeComesBackUnchanged) {
  for (int code : {0, 7, -5}) {
    SCOPED_TRACE(code);
    fs::remove(channel());
    EXPECT_EQ(exitCodeOf(L"starter.exe",
                         L"--type=renderer --stand-in-exit-code=" + std::to_wstring(code)),
              code);
    const auto records = readChannel(channel());
    const auto starts = recordsOf(records, "execute-process");
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].field("type"), "renderer");
    EXPECT_EQ(starts[0].field("app"), "1");
    EXPECT_EQ(starts[0].field("render-process-handler"), "1");
  }
}

TEST_F(RendererProcess, SwitchNameMayBeInAnyCase) {
  // The launcher and CEF's parser both ignore the case of the name.
  EXPECT_EQ(exitCodeOf(L"starter.exe", L"--TYPE=renderer --stand-in-exit-code=3"), 3);
  EXPECT_EQ(recordsOf(readChannel(channel()), "execute-process").size(), 1u);
}

TEST_F(RendererProcess, OtherTypesEndWithMinusOneWithoutRunningCef) {
  for (const wchar_t* type :
       {L"gpu-process", L"utility", L"Renderer", L"RENDERER", L"rendererX", L"renderer2", L""}) {
    SCOPED_TRACE(std::wstring(L"--type=") + type);
    fs::remove(channel());
    EXPECT_EQ(
        exitCodeOf(L"starter.exe", std::wstring(L"--type=") + type + L" --stand-in-exit-code=9"),
        -1);
    EXPECT_FALSE(fs::exists(channel()));
  }
}

TEST_F(RendererProcess, MainReadsTheProcessCommandLineNotItsArguments) {
  // renderer_host passes 0 and a null vector.
  EXPECT_EQ(exitCodeOf(L"renderer_host.exe", L"--type=renderer --stand-in-exit-code=4"), 4);
  EXPECT_EQ(recordsOf(readChannel(channel()), "execute-process").size(), 1u);

  fs::remove(channel());
  EXPECT_EQ(exitCodeOf(L"renderer_host.exe", L"--stand-in-exit-code=4"), -1);
  EXPECT_FALSE(fs::exists(channel()));
}

TEST_F(RendererProcess, RuntimeWithAnotherApiHashEndsWithZeroAndRunsNothing) {
  EXPECT_EQ(exitCodeOf(L"starter.exe", L"--type=renderer --stand-in-exit-code=5",
                       {{L"ZEL_STAND_IN_API_HASH", L"ffffffffffffffffffffffffffffffffffffffff"}}),
            0);
  EXPECT_FALSE(fs::exists(channel()));
}

TEST_F(RendererProcess, PageMessagesReachTheBrowserSideCodeUnitForCodeUnit) {
  // A page below a folder with a Chinese name: CEF reads the wide command line.
  const std::wstring page = L"页面\\首页.html";
  folder().writeFile(page,
                     "<html><body><script>\n"
                     "cpp.JS_COMMUNICATION('hello');\n"
                     "cpp.JS_COMMUNICATION('你好 \xF0\x9F\x98\x80');\n"
                     "cpp.JS_COMMUNICATION(42);\n"
                     "cpp.JS_COMMUNICATION('');\n"
                     "</script></body></html>\n");
  EXPECT_EQ(exitCodeOf(L"starter.exe", L"--type=renderer --lang=zh-CN --stand-in-page=" +
                                           e2e::quoted(folder() / page)),
            0);
  const auto records = readChannel(channel());
  EXPECT_TRUE(recordsOf(records, "script-error").empty()) << describeProblems(records);
  const auto messages = messagesIn(records);
  ASSERT_EQ(messages.size(), 3u);
  const std::u16string expected[] = {u"hello", u"你好 \U0001F600", u""};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(messages[i].name, u"JS_COMMUNICATION");
    ASSERT_EQ(messages[i].size, 1);
    EXPECT_EQ(stringArgument(messages[i].arguments[0]), expected[i]);
  }
}

// The demo: the user starts starter.exe, the sample start module plays the
// browser process, starts the renderer on its page and reports the messages.
TEST_F(RendererProcess, DemoStartModuleReceivesWhatItsPageSent) {
  folder().copyIn(e2e::demoBinDir() + L"velotra.dll");
  fs::copy(e2e::demoBinDir() + L"page", folder() / L"page", fs::copy_options::recursive);

  const e2e::RunResult run = e2e::run(folder().starter());
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitCode, 0u);
  const std::string report = folder().readFile(L"velotra-output.txt");
  EXPECT_NE(report.find("renderer exit code 0\n"), std::string::npos) << report;
  EXPECT_NE(report.find("3 message(s) from the page\n"
                        "  JS_COMMUNICATION from browser 1: \"hello from the page\"\n"
                        "  JS_COMMUNICATION from browser 1: \"你好，浏览器进程 \xF0\x9F\x98\x80\"\n"
                        "  JS_COMMUNICATION from browser 1: "
                        "\"{\"page\":\"index.html\",\"title\":\"Velotra\"}\"\n"),
            std::string::npos)
      << report;
}

}  // namespace
