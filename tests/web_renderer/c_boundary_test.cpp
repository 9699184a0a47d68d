// The wrapper at the C boundary, seen from the runtime's side: reference
// counts of the structs that cross it, strings by the C API's ownership
// rules, and members that the runtime's structs lack.
#include "fakes.h"

#include "wrapper/cpptoc/v8handler_cpptoc.h"
#include "wrapper/ctocpp/browser_ctocpp.h"

#include "include/capi/cef_browser_capi.h"
#include "include/capi/cef_v8_capi.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

namespace {

// A runtime browser as a C struct, counting what the wrapper does with it.
struct FakeBrowser {
  cef_browser_t s;
  int references = 1;  // the one handed to the wrapper
  int sent = 0;
};

FakeBrowser* fakeOf(void* self) {
  return reinterpret_cast<FakeBrowser*>(self);
}

void CEF_CALLBACK fakeAddRef(cef_base_t* self) {
  ++fakeOf(self)->references;
}
int CEF_CALLBACK fakeRelease(cef_base_t* self) {
  return --fakeOf(self)->references == 0;
}
int CEF_CALLBACK fakeHasOneRef(cef_base_t* self) {
  return fakeOf(self)->references == 1;
}
int CEF_CALLBACK fakeIdentifier(cef_browser_t*) {
  return 7;
}
int CEF_CALLBACK fakeSend(cef_browser_t* self, cef_process_id_t, cef_process_message_t* message) {
  ++fakeOf(self)->sent;
  message->base.release(&message->base);  // the receiver owns the reference
  return 1;
}

void initFake(FakeBrowser& fake, size_t size) {
  fake.s = {};
  fake.s.base.size = size;
  fake.s.base.add_ref = fakeAddRef;
  fake.s.base.release = fakeRelease;
  fake.s.base.has_one_ref = fakeHasOneRef;
  fake.s.get_identifier = fakeIdentifier;
  fake.s.send_process_message = fakeSend;
}

TEST(CBoundary, RuntimeStructIsReleasedOnceAndMembersItLacksAreNotCalled) {
  const struct {
    const char* title;
    size_t size;
    bool clearSend;
    bool sends;
  } cases[] = {
      {"full struct", sizeof(cef_browser_t), false, true},
      {"struct ends before send_process_message", offsetof(cef_browser_t, send_process_message),
       false, false},
      {"send_process_message is null", sizeof(cef_browser_t), true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    FakeBrowser fake;
    initFake(fake, c.size);
    if (c.clearSend)
      fake.s.send_process_message = nullptr;
    {
      CefRefPtr<CefBrowser> browser = CefBrowserCToCpp::Wrap(&fake.s);
      CefRefPtr<CefBrowser> copy = browser;
      EXPECT_EQ(browser->GetIdentifier(), 7);
      EXPECT_EQ(browser->SendProcessMessage(PID_BROWSER, CefProcessMessage::Create("M")), c.sends);
      EXPECT_EQ(fake.sent, c.sends ? 1 : 0);
      EXPECT_EQ(fake.references, 1);  // the C++ copies share the one reference
    }
    EXPECT_EQ(fake.references, 0);
  }
}

// Answers as CEF lets a handler answer: a value, or an exception text.
class AnsweringHandler : public CefV8Handler {
 public:
  bool Execute(const CefString& name,
               CefRefPtr<CefV8Value>,
               const CefV8ValueList&,
               CefRefPtr<CefV8Value>& retval,
               CefString& exception) override {
    if (name == CefString("fail"))
      exception = "boom 中文";
    else
      retval = CefV8Value::CreateString("answer");
    return true;
  }
  IMPLEMENT_REFCOUNTING(AnsweringHandler);
};

// What the runtime does to call a handler: every value it hands over carries
// one reference; it keeps one more of each to see the handler drop its own.
struct HandlerCall {
  cef_v8value_t* receiver = cef_v8value_create_undefined();
  cef_v8value_t* argument;
  cef_v8value_t* retval = nullptr;
  cef_string_t exception = {};
  int handled = 0;

  HandlerCall(cef_v8handler_t* handler, const std::wstring& name, const std::wstring& text) {
    const cef_string_t nameView = {const_cast<wchar_t*>(name.c_str()), name.size(), nullptr};
    const cef_string_t textView = {const_cast<wchar_t*>(text.c_str()), text.size(), nullptr};
    argument = cef_v8value_create_string(&textView);
    receiver->base.add_ref(&receiver->base);
    argument->base.add_ref(&argument->base);
    handled = handler->execute(handler, &nameView, receiver, 1, &argument, &retval, &exception);
  }
  ~HandlerCall() {
    for (cef_v8value_t* value : {receiver, argument, retval}) {
      if (value)
        value->base.release(&value->base);
    }
    cef_string_utf16_clear(&exception);
  }
  bool inputsReleased() const {
    return receiver->base.has_one_ref(&receiver->base) &&
           argument->base.has_one_ref(&argument->base);
  }
  std::wstring exceptionText() const {
    return exception.str ? std::wstring(exception.str, exception.length) : std::wstring();
  }
};

TEST(CBoundary, BridgeHandlerAsCStructTakesOverItsInputsAndIsDeletedWithTheStruct) {
  CefRefPtr<RecordingBrowser> browser = new RecordingBrowser;
  std::atomic<int> deletions{0};
  cef_v8handler_t* handler =
      CefV8HandlerCppToC::Wrap(new CountedHandler(browser.get(), &deletions));
  ASSERT_TRUE(handler);
  EXPECT_EQ(handler->base.size, sizeof(cef_v8handler_t));
  EXPECT_TRUE(handler->base.has_one_ref(&handler->base));
  {
    HandlerCall call(handler, L"JS_COMMUNICATION", L"hello");
    EXPECT_EQ(call.handled, 1);
    EXPECT_TRUE(call.inputsReleased());
    EXPECT_EQ(call.retval, nullptr);
    EXPECT_EQ(call.exception.str, nullptr);
    ASSERT_EQ(browser->sent.size(), 1u);
    EXPECT_EQ(browser->sent[0].strings[0], u"hello");
  }
  {
    HandlerCall call(handler, L"other", L"hello");
    EXPECT_EQ(call.handled, 0);
    EXPECT_TRUE(call.inputsReleased());
    EXPECT_EQ(browser->sent.size(), 1u);
  }
  EXPECT_EQ(deletions, 0);
  EXPECT_EQ(handler->base.release(&handler->base), 1);
  EXPECT_EQ(deletions, 1);
  EXPECT_EQ(browser->references(), 1);
}

TEST(CBoundary, HandlerResultsGoBackWithAReferenceAndACopiedExceptionText) {
  cef_v8handler_t* handler = CefV8HandlerCppToC::Wrap(new AnsweringHandler);
  {
    HandlerCall call(handler, L"fail", L"x");
    EXPECT_EQ(call.handled, 1);
    EXPECT_TRUE(call.inputsReleased());
    EXPECT_EQ(call.retval, nullptr);
    EXPECT_EQ(call.exceptionText(), L"boom 中文");
    EXPECT_NE(call.exception.dtor, nullptr);  // a copy that the caller frees
  }
  {
    HandlerCall call(handler, L"answer", L"x");
    ASSERT_NE(call.retval, nullptr);
    EXPECT_TRUE(call.retval->base.has_one_ref(&call.retval->base));
    cef_string_userfree_t text = call.retval->get_string_value(call.retval);
    EXPECT_EQ(std::wstring(text->str, text->length), L"answer");
    cef_string_userfree_utf16_free(text);
    EXPECT_TRUE(call.exceptionText().empty());
  }
  // A struct that comes back leads to the same object.
  CefRefPtr<CefV8Handler> before = CefV8HandlerCppToC::Get(handler);
  handler->base.add_ref(&handler->base);
  EXPECT_EQ(CefV8HandlerCppToC::Unwrap(handler).get(), before.get());
  handler->base.release(&handler->base);
  EXPECT_TRUE(before->HasOneRef());
}

}  // namespace
