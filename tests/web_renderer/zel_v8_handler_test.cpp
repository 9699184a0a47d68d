// The bridge handler on its own: which calls become a message, and what the
// message carries.
#include "fakes.h"

#include "include/cef_v8.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const std::u16string kName = u"JS_COMMUNICATION";

class ZelV8HandlerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    browser = new RecordingBrowser;
    handler = new ZelV8Handler(browser.get());
  }

  // Calls Execute the way CEF does; retval and exception start out as marks
  // so that any write to them shows.
  bool call(const CefString& name, const CefV8ValueList& arguments) {
    retval = mark;
    exception = "untouched";
    return handler->Execute(name, CefV8Value::CreateUndefined(), arguments, retval, exception);
  }

  void expectUntouchedOutputs() {
    EXPECT_EQ(retval.get(), mark.get());
    EXPECT_EQ(units(exception), u"untouched");
  }

  CefRefPtr<RecordingBrowser> browser;
  CefRefPtr<CefV8Handler> handler;
  CefRefPtr<CefV8Value> mark = CefV8Value::CreateInt(-12345);
  CefRefPtr<CefV8Value> retval;
  CefString exception;
};

CefString fromUnits(const std::u16string& text) {
  std::wstring wide(text.begin(), text.end());
  return CefString(wide);
}

TEST_F(ZelV8HandlerTest, OneStringBecomesOneMessageWithThatTextUnchanged) {
  const std::u16string texts[] = {
      u"hello",
      u"",
      u"中文测试",
      u"\U0001F600 surrogate pair",
      std::u16string(u"lone \xD800 high and \xDC00 low"),
      std::u16string(u"nul\0inside", 10),
      u"  padded  ",
  };
  for (const std::u16string& text : texts) {
    browser->sent.clear();
    EXPECT_TRUE(call(kJsCommunication, {CefV8Value::CreateString(fromUnits(text))}));
    expectUntouchedOutputs();
    ASSERT_EQ(browser->sent.size(), 1u);
    const SentMessage& message = browser->sent[0];
    EXPECT_EQ(message.target, PID_BROWSER);
    EXPECT_EQ(message.name, kName);
    ASSERT_EQ(message.size, 1u);
    EXPECT_EQ(message.types[0], VTYPE_STRING);
    EXPECT_EQ(message.strings[0], text);
  }
}

TEST_F(ZelV8HandlerTest, CallsThatAreNotOneStringAreNotHandledAndSendNothing) {
  const std::vector<std::pair<const char*, CefV8ValueList>> cases = {
      {"no argument", {}},
      {"two strings", {CefV8Value::CreateString("a"), CefV8Value::CreateString("b")}},
      {"string and number", {CefV8Value::CreateString("a"), CefV8Value::CreateInt(1)}},
      {"int", {CefV8Value::CreateInt(42)}},
      {"double", {CefV8Value::CreateDouble(4.5)}},
      {"bool", {CefV8Value::CreateBool(true)}},
      {"null", {CefV8Value::CreateNull()}},
      {"undefined", {CefV8Value::CreateUndefined()}},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(call(kJsCommunication, c.second)) << c.first;
    expectUntouchedOutputs();
    EXPECT_TRUE(browser->sent.empty()) << c.first;
  }
}

TEST_F(ZelV8HandlerTest, OtherFunctionNamesAreNotHandled) {
  const char* names[] = {"",
                         "js_communication",
                         "JS_COMMUNICATION ",
                         "JS_COMMUNICATIO",
                         "JS_COMMUNICATIONS",
                         "cpp.JS_COMMUNICATION",
                         "other"};
  for (const char* name : names) {
    EXPECT_FALSE(call(name, {CefV8Value::CreateString("hello")})) << name;
    expectUntouchedOutputs();
  }
  EXPECT_TRUE(browser->sent.empty());
}

TEST_F(ZelV8HandlerTest, EachAcceptedCallSendsItsOwnMessageInOrder) {
  for (int i = 0; i < 25; ++i)
    ASSERT_TRUE(call(kJsCommunication, {CefV8Value::CreateString(std::to_string(i))}));
  ASSERT_EQ(browser->sent.size(), 25u);
  for (int i = 0; i < 25; ++i) {
    const std::string text = std::to_string(i);
    EXPECT_EQ(browser->sent[i].strings[0], std::u16string(text.begin(), text.end()));
  }
}

TEST_F(ZelV8HandlerTest, ReceiverPlaysNoPart) {
  CefString noException;
  CefRefPtr<CefV8Value> noRetval;
  EXPECT_TRUE(handler->Execute(kJsCommunication, nullptr, {CefV8Value::CreateString("x")}, noRetval,
                               noException));
  EXPECT_FALSE(noRetval);
  EXPECT_TRUE(noException.empty());
  ASSERT_EQ(browser->sent.size(), 1u);
}

}  // namespace
