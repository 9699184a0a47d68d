// CEF's reference-counting contract for the two own classes: one shared,
// atomic count; deletion exactly once, at the last Release.
#include "fakes.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

TEST(ReferenceCount, ApplicationIsDeletedExactlyOnceAtTheLastRelease) {
  std::atomic<int> deletions{0};
  CountedApp* app = new CountedApp(&deletions);
  const CefBase* asBase = static_cast<CefApp*>(app);

  app->AddRef();
  EXPECT_TRUE(app->HasOneRef());
  app->AddRef();
  EXPECT_FALSE(app->HasOneRef());
  EXPECT_FALSE(app->Release());
  EXPECT_TRUE(asBase->HasOneRef());
  EXPECT_EQ(deletions, 0);
  EXPECT_TRUE(app->Release());
  EXPECT_EQ(deletions, 1);
}

TEST(ReferenceCount, BothApplicationBasesShareOneCount) {
  std::atomic<int> deletions{0};
  CefRefPtr<CefApp> app = new CountedApp(&deletions);
  {
    CefRefPtr<CefRenderProcessHandler> handler = app->GetRenderProcessHandler();
    ASSERT_TRUE(handler);
    EXPECT_EQ(static_cast<CefBase*>(handler.get()),
              static_cast<CefBase*>(static_cast<CountedApp*>(app.get())));
    EXPECT_FALSE(app->HasOneRef());
    app = nullptr;  // the handler reference alone keeps the object
    EXPECT_EQ(deletions, 0);
    EXPECT_TRUE(handler->HasOneRef());
  }
  EXPECT_EQ(deletions, 1);
}

TEST(ReferenceCount, HandlerIsDeletedOnceAndThenReleasesItsBrowser) {
  CefRefPtr<RecordingBrowser> browser = new RecordingBrowser;
  std::atomic<int> deletions{0};
  CountedHandler* handler = new CountedHandler(browser.get(), &deletions);
  EXPECT_EQ(browser->references(), 2);  // ours and the handler's

  handler->AddRef();
  EXPECT_TRUE(handler->HasOneRef());
  handler->AddRef();
  EXPECT_FALSE(handler->HasOneRef());
  EXPECT_FALSE(handler->Release());
  EXPECT_TRUE(handler->Release());
  EXPECT_EQ(deletions, 1);
  EXPECT_EQ(browser->references(), 1);
}

TEST(ReferenceCount, NoReferenceIsNotOneReference) {
  std::atomic<int> deletions{0};
  CountedApp* app = new CountedApp(&deletions);
  EXPECT_FALSE(app->HasOneRef());  // a new object starts at 0
  app->AddRef();
  app->Release();
  EXPECT_EQ(deletions, 1);
}

// CEF takes and drops references from several threads.
template <typename Object>
void hammer(Object* object) {
  object->AddRef();  // the test's own reference
  std::vector<std::thread> threads;
  for (int t = 0; t < 8; ++t) {
    threads.emplace_back([object] {
      for (int i = 0; i < 20000; ++i) {
        object->AddRef();
        object->Release();
      }
    });
  }
  for (std::thread& thread : threads)
    thread.join();
}

TEST(ReferenceCount, CountsStayExactUnderConcurrentUse) {
  std::atomic<int> appDeletions{0};
  CountedApp* app = new CountedApp(&appDeletions);
  hammer(app);
  EXPECT_TRUE(app->HasOneRef());
  EXPECT_EQ(appDeletions, 0);
  EXPECT_TRUE(app->Release());
  EXPECT_EQ(appDeletions, 1);

  CefRefPtr<RecordingBrowser> browser = new RecordingBrowser;
  std::atomic<int> handlerDeletions{0};
  CountedHandler* handler = new CountedHandler(browser.get(), &handlerDeletions);
  hammer(handler);
  EXPECT_TRUE(handler->HasOneRef());
  EXPECT_TRUE(handler->Release());
  EXPECT_EQ(handlerDeletions, 1);
  EXPECT_EQ(browser->references(), 1);
}

}  // namespace
