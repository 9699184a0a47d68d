// The shipped binaries end to end: the real starter.exe (or a bare host)
// loads ZelWebRenderer.dll, whose main reads the process command line and runs
// the stand-in libcef's renderer. Each scenario gets a fresh program folder.
#include "channel_reader.h"
#include "process_runner.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

class RendererProcess : public ::testing::Test {
 protected:
  RendererProcess() : folder_(L"zel-program") {}

  void SetUp() override {
    for (const wchar_t* name : {L"starter.exe", L"ZelWebRenderer.dll"})
      fs::copy_file(programFolder() / name, folder_ / name);
    for (const wchar_t* name : {L"libcef.dll", L"renderer_host.exe"})
      fs::copy_file(testBinFolder() / name, folder_ / name);
  }

  // Runs a program of the folder; the channel switch is added.
  ProcessOutcome run(const wchar_t* program,
                     const std::wstring& arguments,
                     const std::wstring& environment = L"") {
    const ProcessOutcome outcome =
        runProcess(folder_ / program,
                   arguments + L" --stand-in-channel=" + quoted(channel().wstring()), environment);
    EXPECT_TRUE(outcome.started);
    EXPECT_TRUE(outcome.finished) << "the process had to be ended";
    return outcome;
  }

  fs::path channel() const { return folder_ / L"channel.txt"; }
  const ScratchFolder& folder() const { return folder_; }

 private:
  ScratchFolder folder_;
};

TEST_F(RendererProcess, RendererTypeRunsCefOnceAndItsExitCodeComesBackUnchanged) {
  for (int code : {0, 7, -5}) {
    SCOPED_TRACE(code);
    fs::remove(channel());
    const ProcessOutcome outcome =
        run(L"starter.exe", L"--type=renderer --stand-in-exit-code=" + std::to_wstring(code));
    EXPECT_EQ(outcome.exitCode, code);
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
  EXPECT_EQ(run(L"starter.exe", L"--TYPE=renderer --stand-in-exit-code=3").exitCode, 3);
  EXPECT_EQ(recordsOf(readChannel(channel()), "execute-process").size(), 1u);
}

TEST_F(RendererProcess, OtherTypesEndWithMinusOneWithoutRunningCef) {
  for (const wchar_t* type :
       {L"gpu-process", L"utility", L"Renderer", L"RENDERER", L"rendererX", L"renderer2", L""}) {
    SCOPED_TRACE(std::wstring(L"--type=") + type);
    fs::remove(channel());
    const ProcessOutcome outcome =
        run(L"starter.exe", std::wstring(L"--type=") + type + L" --stand-in-exit-code=9");
    EXPECT_EQ(outcome.exitCode, -1);
    EXPECT_FALSE(fs::exists(channel()));
  }
}

TEST_F(RendererProcess, MainReadsTheProcessCommandLineNotItsArguments) {
  // renderer_host passes 0 and a null vector.
  EXPECT_EQ(run(L"renderer_host.exe", L"--type=renderer --stand-in-exit-code=4").exitCode, 4);
  EXPECT_EQ(recordsOf(readChannel(channel()), "execute-process").size(), 1u);

  fs::remove(channel());
  EXPECT_EQ(run(L"renderer_host.exe", L"--stand-in-exit-code=4").exitCode, -1);
  EXPECT_FALSE(fs::exists(channel()));
}

TEST_F(RendererProcess, RuntimeWithAnotherApiHashEndsWithZeroAndRunsNothing) {
  EXPECT_EQ(run(L"starter.exe", L"--type=renderer --stand-in-exit-code=5",
                L"ZEL_STAND_IN_API_HASH=ffffffffffffffffffffffffffffffffffffffff")
                .exitCode,
            0);
  EXPECT_FALSE(fs::exists(channel()));
}

TEST_F(RendererProcess, PageMessagesReachTheBrowserSideCodeUnitForCodeUnit) {
  // A page below a folder with a Chinese name: CEF reads the wide command line.
  const fs::path page = folder() / L"页面" / L"首页.html";
  writeFile(page,
            "<html><body><script>\n"
            "cpp.JS_COMMUNICATION('hello');\n"
            "cpp.JS_COMMUNICATION('你好 \xF0\x9F\x98\x80');\n"
            "cpp.JS_COMMUNICATION(42);\n"
            "cpp.JS_COMMUNICATION('');\n"
            "</script></body></html>\n");
  const ProcessOutcome outcome = run(
      L"starter.exe", L"--type=renderer --lang=zh-CN --stand-in-page=" + quoted(page.wstring()));
  EXPECT_EQ(outcome.exitCode, 0);
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

}  // namespace

namespace {

std::string readAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The demo: the user starts starter.exe, the sample start module plays the
// browser process, starts the renderer on its page and reports the messages.
TEST_F(RendererProcess, DemoStartModuleReceivesWhatItsPageSent) {
  const fs::path demo = testBinFolder().parent_path() / L"demo-bin";
  fs::copy_file(demo / L"velotra.dll", folder() / L"velotra.dll");
  fs::copy(demo / L"page", folder() / L"page", fs::copy_options::recursive);

  const ProcessOutcome outcome = runProcess(folder() / L"starter.exe", L"");
  ASSERT_TRUE(outcome.finished);
  EXPECT_EQ(outcome.exitCode, 0);
  const std::string report = readAll(folder() / L"velotra-output.txt");
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
