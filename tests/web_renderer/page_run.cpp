#include "page_run.h"

#include "fakes.h"
#include "stand_in_test_api.h"

#include "include/cef_app.h"

#include <windows.h>

#include <gtest/gtest.h>

std::vector<std::u16string> PageRunResult::texts() const {
  std::vector<std::u16string> out;
  for (const ProcessMessage& message : messages) {
    EXPECT_EQ(message.name, u"JS_COMMUNICATION");
    EXPECT_EQ(message.size, 1);
    out.push_back(message.size == 1 ? stringArgument(message.arguments[0]) : u"<no argument>");
  }
  return out;
}

PageRun::PageRun() : folder_(L"zel-pages") {}

PageRun& PageRun::file(const std::wstring& fileName, const std::string& content) {
  writeFile(folder_ / fileName, content);
  return *this;
}

PageRun& PageRun::page(const std::wstring& fileName, const std::string& content) {
  const auto file = folder_ / fileName;
  writeFile(file, content);
  steps_ += L" --stand-in-page=" + quoted(file.wstring());
  return *this;
}

PageRun& PageRun::script(const std::string& javascript) {
  return page(L"page" + std::to_wstring(++pages_) + L".html",
              "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"></head><body>\n<script>\n" +
                  javascript + "\n</script>\n</body></html>\n");
}

PageRun& PageRun::newBrowser() {
  steps_ += L" --stand-in-browser";
  return *this;
}

PageRun& PageRun::reload(int frame) {
  steps_ += L" --stand-in-reload=" + std::to_wstring(frame);
  return *this;
}

PageRun& PageRun::messageFromBrowser(const std::wstring& name) {
  steps_ += L" --stand-in-message=" + quoted(name);
  return *this;
}

std::wstring PageRun::commandLine(int exitCode) const {
  return L"starter.exe --type=renderer --stand-in-channel=" +
         quoted((folder_ / L"channel.txt").wstring()) + steps_ + L" --stand-in-exit-code=" +
         std::to_wstring(exitCode);
}

PageRunResult PageRun::run(int exitCode) {
  std::atomic<int> deletions{0};
  PageRunResult result = runWith(new CountedApp(&deletions), exitCode);
  result.appDeletions = deletions;
  return result;
}

PageRunResult PageRun::runWith(CefRefPtr<CefApp> app, int exitCode) {
  PageRunResult result = runOnCommandLine(exitCode, [&app] {
    return CefExecuteProcess(CefMainArgs(GetModuleHandleW(nullptr)), app, nullptr);
  });
  result.appHadOneReference = app->HasOneRef();
  return result;
}

PageRunResult PageRun::runWithStruct(cef_app_t* app, int exitCode) {
  return runOnCommandLine(exitCode, [app] {
    const cef_main_args_t args = {GetModuleHandleW(nullptr)};
    return cef_execute_process(&args, app, nullptr);
  });
}

PageRunResult PageRun::runOnCommandLine(int exitCode, const std::function<int()>& execute) {
  PageRunResult result;
  // The stand-in reads this command line instead of the test program's own.
  const std::wstring text = commandLine(exitCode);
  const cef_string_t override = {const_cast<wchar_t*>(text.c_str()), text.size(), nullptr};
  cef_stand_in_override_command_line(&override);
  result.exitCode = execute();
  cef_stand_in_override_command_line(nullptr);
  result.records = readChannel(folder_ / L"channel.txt");
  result.messages = messagesIn(result.records);
  return result;
}
