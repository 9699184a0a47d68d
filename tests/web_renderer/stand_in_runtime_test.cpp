// The stand-in runtime behaves as CEF does where the renderer and these tests
// rely on it: handler results, property attributes and value access.
#include "client_app_renderer.h"
#include "page_run.h"

#include "include/capi/cef_app_capi.h"
#include "include/capi/cef_render_process_handler_capi.h"

#include <gtest/gtest.h>

#include <cstddef>

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

// A client struct built by hand, as a plain-C client builds it: it counts
// its references and the calls it gets.
template <typename Struct>
struct HandBuilt {
  Struct s;
  int references = 1;  // the one handed to the runtime
  int calls = 0;

  explicit HandBuilt(size_t size) {
    s = {};
    s.base.size = size;
    s.base.add_ref = [](cef_base_t* self) { ++of(self)->references; };
    s.base.release = [](cef_base_t* self) -> int { return --of(self)->references == 0; };
    s.base.has_one_ref = [](cef_base_t* self) -> int { return of(self)->references == 1; };
  }
  static HandBuilt* of(void* self) { return reinterpret_cast<HandBuilt*>(self); }
};

using AppStruct = HandBuilt<cef_app_t>;
using HandlerStruct = HandBuilt<cef_render_process_handler_t>;

HandlerStruct* g_handler = nullptr;

cef_render_process_handler_t* CEF_CALLBACK handOutHandler(cef_app_t* self) {
  ++AppStruct::of(self)->calls;
  if (!g_handler)
    return nullptr;
  g_handler->s.base.add_ref(&g_handler->s.base);  // one reference for the runtime
  return &g_handler->s;
}

void CEF_CALLBACK countWebKit(cef_render_process_handler_t* self) {
  ++HandlerStruct::of(self)->calls;
}

void CEF_CALLBACK countContext(cef_render_process_handler_t* self,
                               cef_browser_t* browser,
                               cef_frame_t* frame,
                               cef_v8context_t* context) {
  HandlerStruct::of(self)->calls += 100;
  for (cef_base_t* given : {&browser->base, &frame->base, &context->base})
    given->release(given);
}

TEST(StandInRuntime, ReadsClientStructsOnlyWithinTheirSizeAndReleasesThemOnce) {
  const struct {
    const char* title;
    size_t appSize;
    bool withHandler;
    size_t handlerSize;
    int appCalls;
    int handlerCalls;  // 1 per OnWebKitInitialized, 100 per OnContextCreated
  } cases[] = {
      {"full structs", sizeof(cef_app_t), true, sizeof(cef_render_process_handler_t), 1, 101},
      {"app ends before get_render_process_handler",
       offsetof(cef_app_t, get_render_process_handler), true, sizeof(cef_render_process_handler_t),
       0, 0},
      {"no handler", sizeof(cef_app_t), false, 0, 1, 0},
      {"handler ends before on_context_created", sizeof(cef_app_t), true,
       offsetof(cef_render_process_handler_t, on_context_created), 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    AppStruct app(c.appSize);
    app.s.get_render_process_handler = handOutHandler;
    HandlerStruct handler(c.handlerSize);
    handler.s.on_web_kit_initialized = countWebKit;
    handler.s.on_context_created = countContext;
    g_handler = c.withHandler ? &handler : nullptr;

    const PageRunResult result = PageRun().script("var x = 1;").runWithStruct(&app.s, 3);
    g_handler = nullptr;

    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(app.calls, c.appCalls);
    EXPECT_EQ(handler.calls, c.handlerCalls);
    EXPECT_EQ(app.references, 0);
    EXPECT_EQ(handler.references, 1);  // only the test's own is left
    const auto start = recordsOf(result.records, "execute-process");
    ASSERT_EQ(start.size(), 1u);
    EXPECT_EQ(start[0].field("render-process-handler"), c.appCalls && c.withHandler ? "1" : "0");
    EXPECT_EQ(recordsOf(result.records, "hook", "browser-destroyed")[0].field("references"), "1");
  }
}

}  // namespace
