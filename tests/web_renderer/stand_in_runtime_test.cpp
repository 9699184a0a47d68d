// The stand-in runtime behaves as CEF does where the renderer and these tests
// rely on it: handler results, property attributes and value access.
#include "client_app_renderer.h"
#include "page_run.h"

#include <gtest/gtest.h>

namespace {

// Answers "fail" with an exception, "answer" with a value, anything else
// not at all.
class ProbeHandler : public CefV8Handler {
 public:
  bool Execute(const CefString& name,
               CefRefPtr<CefV8Value>,
               const CefV8ValueList&,
               CefRefPtr<CefV8Value>& retval,
               CefString& exception) override {
    if (name == CefString("fail")) {
      exception = "boom 中文";
      return true;
    }
    if (name == CefString("answer")) {
      retval = CefV8Value::CreateString("forty-two");
      return true;
    }
    return name == CefString("silent");  // handled, but nothing set
  }
  IMPLEMENT_REFCOUNTING(ProbeHandler);
};

// The real bridge, plus a "probe" object with functions and properties of
// every attribute, and a report of what the value API saw.
class ProbeApp : public ClientAppRenderer {
 public:
  std::vector<std::string> seen;

  void OnContextCreated(CefRefPtr<CefBrowser> browser,
                        CefRefPtr<CefFrame> frame,
                        CefRefPtr<CefV8Context> context) override {
    ClientAppRenderer::OnContextCreated(browser, frame, context);
    CefRefPtr<CefV8Value> global = context->GetGlobal();
    CefRefPtr<CefV8Handler> handler = new ProbeHandler;
    CefRefPtr<CefV8Value> probe = CefV8Value::CreateObject(nullptr);
    for (const char* name : {"fail", "answer", "decline", "silent"})
      probe->SetValue(name, CefV8Value::CreateFunction(name, handler), V8_PROPERTY_ATTRIBUTE_NONE);
    probe->SetValue("fixed", CefV8Value::CreateInt(1), V8_PROPERTY_ATTRIBUTE_READONLY);
    probe->SetValue("hidden", CefV8Value::CreateBool(true), V8_PROPERTY_ATTRIBUTE_DONTENUM);
    probe->SetValue("kept", CefV8Value::CreateNull(), V8_PROPERTY_ATTRIBUTE_DONTDELETE);
    global->SetValue("probe", probe, V8_PROPERTY_ATTRIBUTE_NONE);

    seen.push_back(std::string("has cpp ") + (global->HasValue("cpp") ? "yes" : "no"));
    CefRefPtr<CefV8Value> cpp = global->GetValue("cpp");
    CefRefPtr<CefV8Value> function = cpp->GetValue("JS_COMMUNICATION");
    seen.push_back(std::string("bridge function ") + (function->IsFunction() ? "yes" : "no") + " " +
                   function->GetFunctionName().ToString());
    seen.push_back(std::string("delete kept ") + (probe->DeleteValue("kept") ? "yes" : "no"));
    const bool deleted = probe->DeleteValue("hidden");
    const bool stillThere = probe->HasValue("hidden");
    seen.push_back(std::string("delete hidden ") + (deleted ? "yes" : "no") +
                   (stillThere ? " still there" : " gone"));
    CefRefPtr<CefV8Value> text = CefV8Value::CreateString("\xF0\x9F\x98\x80");
    seen.push_back("string units " + std::to_string(text->GetStringValue().length()));
  }
};

TEST(StandInRuntime, HandlerResultsValuesAndAttributesBehaveAsInCef) {
  CefRefPtr<ProbeApp> app = new ProbeApp;
  const PageRunResult result =
      PageRun()
          .script(
              "var send = cpp.JS_COMMUNICATION;\n"
              "try { probe.fail(); send('no throw'); } catch (e) {\n"
              "  send((e instanceof Error) + ' ' + e.message); }\n"
              "send(probe.answer());\n"
              "send(String(probe.decline()) + ' ' + String(probe.silent()));\n"
              "probe.fixed = 5; send('fixed ' + probe.fixed);\n"
              "send('keys ' + Object.keys(probe).join(','));")
          .runWith(app.get());
  EXPECT_TRUE(recordsOf(result.records, "script-error").empty()) << result.problems();
  EXPECT_EQ(result.texts(), (std::vector<std::u16string>{
                                u"true boom 中文", u"forty-two", u"undefined undefined", u"fixed 1",
                                u"keys fail,answer,decline,silent,fixed,kept"}));
  EXPECT_EQ(app->seen, (std::vector<std::string>{
                           "has cpp yes", "bridge function yes JS_COMMUNICATION", "delete kept no",
                           "delete hidden yes gone", "string units 2"}));
  EXPECT_TRUE(app->HasOneRef());  // the runtime dropped all of its references
}

}  // namespace
