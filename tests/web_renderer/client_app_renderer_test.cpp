// The application object's hooks called directly: CEF's defaults, and a
// bridge installation that survives a CEF that yields nothing.
#include "fakes.h"

#include "include/cef_v8.h"

#include <gtest/gtest.h>

namespace {

// A context as CEF could hand it over when it cannot make values: no
// global object, and no context current, so CreateObject/CreateFunction
// yield null too.
class EmptyContext : public CefV8Context {
 public:
  bool IsValid() override { return false; }
  CefRefPtr<CefBrowser> GetBrowser() override { return nullptr; }
  CefRefPtr<CefFrame> GetFrame() override { return nullptr; }
  CefRefPtr<CefV8Value> GetGlobal() override { return nullptr; }
  bool Enter() override { return false; }
  bool Exit() override { return false; }
  bool IsSame(CefRefPtr<CefV8Context> that) override { return that.get() == this; }
  bool Eval(const CefString&, CefRefPtr<CefV8Value>&, CefRefPtr<CefV8Exception>&) override {
    return false;
  }
  IMPLEMENT_REFCOUNTING(EmptyContext);
};

TEST(ClientAppRenderer, KeepsCefDefaultsAndReleasesWhatItIsGiven) {
  std::atomic<int> deletions{0};
  CefRefPtr<CountedApp> app = new CountedApp(&deletions);
  CefRefPtr<RecordingBrowser> browser = new RecordingBrowser;
  CefRefPtr<CefApp> asApp = app.get();
  CefRefPtr<CefRenderProcessHandler> handler = app.get();

  EXPECT_FALSE(asApp->GetResourceBundleHandler());
  EXPECT_FALSE(asApp->GetBrowserProcessHandler());
  EXPECT_EQ(asApp->GetRenderProcessHandler().get(), handler.get());
  EXPECT_FALSE(handler->GetLoadHandler());
  EXPECT_FALSE(
      handler->OnBeforeNavigation(browser.get(), nullptr, nullptr, NAVIGATION_RELOAD, false));
  CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create("FROM_BROWSER");
  EXPECT_FALSE(handler->OnProcessMessageReceived(browser.get(), PID_BROWSER, message));
  handler->OnRenderThreadCreated(CefListValue::Create());
  handler->OnWebKitInitialized();
  handler->OnBrowserCreated(browser.get());
  handler->OnBrowserDestroyed(browser.get());
  handler->OnContextReleased(browser.get(), nullptr, new EmptyContext);
  handler->OnFocusedNodeChanged(browser.get(), nullptr, nullptr);
  handler->OnUncaughtException(browser.get(), nullptr, nullptr, nullptr, nullptr);

  EXPECT_EQ(browser->references(), 1);
  EXPECT_TRUE(browser->sent.empty());
  asApp = nullptr;
  handler = nullptr;
  EXPECT_TRUE(app->HasOneRef());
  app = nullptr;
  EXPECT_EQ(deletions, 1);
}

TEST(ClientAppRenderer, ContextWithoutValuesLeavesNoBridgeAndNoLeak) {
  CefRefPtr<ClientAppRenderer> app = new ClientAppRenderer;
  CefRefPtr<RecordingBrowser> browser = new RecordingBrowser;
  ASSERT_FALSE(CefV8Context::InContext());
  app->OnContextCreated(browser.get(), nullptr, new EmptyContext);
  // The handler made for the context is gone again, with its browser reference.
  EXPECT_EQ(browser->references(), 1);
  EXPECT_TRUE(app->HasOneRef());
}

}  // namespace
