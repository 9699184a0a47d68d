// The command line as the renderer's entry reads it: CEF's parser through
// the layer, and the refusal of a runtime with another API hash.
#include "include/cef_app.h"
#include "include/cef_command_line.h"
#include "include/cef_process_message.h"
#include "include/cef_v8.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

CefString typeOf(const wchar_t* commandLine) {
  CefRefPtr<CefCommandLine> parsed = CefCommandLine::CreateCommandLine();
  EXPECT_TRUE(parsed);
  parsed->InitFromString(commandLine);
  return parsed->GetSwitchValue("type");
}

TEST(CommandLine, TypeSwitchIsFoundLikeChromiumFindsIt) {
  const struct {
    const wchar_t* commandLine;
    const wchar_t* type;
  } cases[] = {
      {L"starter.exe --type=renderer", L"renderer"},
      {L"\"C:\\Program Files\\App\\starter.exe\" --lang=zh-CN --type=renderer --x=1", L"renderer"},
      {L"starter.exe --TYPE=renderer", L"renderer"},  // names ignore case
      {L"starter.exe --type=Renderer", L"Renderer"},  // values do not
      {L"starter.exe -type=gpu-process", L"gpu-process"},
      {L"starter.exe \"--type=renderer\"", L"renderer"},
      {L"starter.exe --type=\"two words\"", L"two words"},
      {L"starter.exe --type=utility --type=renderer", L"renderer"},  // the last one wins
      {L"starter.exe --type", L""},
      {L"starter.exe --type=", L""},
      {L"starter.exe --typo=renderer", L""},
      {L"starter.exe -- --type=renderer", L""},  // after "--" only arguments
      {L"starter.exe", L""},
      {L"", L""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(typeOf(c.commandLine).ToWString(), c.type) << c.commandLine;
}

TEST(CommandLine, RuntimeOfAnotherApiGenerationIsRefused) {
  SetEnvironmentVariableW(L"ZEL_STAND_IN_API_HASH", L"0000000000000000000000000000000000000000");
  CefRefPtr<CefCommandLine> commandLine = CefCommandLine::CreateCommandLine();
  const int result = CefExecuteProcess(CefMainArgs(GetModuleHandleW(nullptr)), nullptr, nullptr);
  // The other static factories refuse it as well.
  const bool anyValue = CefV8Value::CreateString("x") || CefV8Value::CreateUndefined() ||
                        CefProcessMessage::Create("M") || CefListValue::Create();
  SetEnvironmentVariableW(L"ZEL_STAND_IN_API_HASH", nullptr);
  EXPECT_FALSE(commandLine);
  EXPECT_EQ(result, 0);
  EXPECT_FALSE(anyValue);
  EXPECT_TRUE(CefCommandLine::CreateCommandLine());
  EXPECT_TRUE(CefV8Value::CreateString("x"));
}

}  // namespace
