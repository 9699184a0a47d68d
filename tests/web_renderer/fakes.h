// Test doubles on the CEF side: a browser that keeps what is sent through it,
// and renderer objects that count their deletions.
#ifndef TESTS_WEB_RENDERER_FAKES_H_
#define TESTS_WEB_RENDERER_FAKES_H_

#include "client_app_renderer.h"
#include "zel_v8_handler.h"

#include "include/cef_browser.h"

#include <atomic>
#include <string>
#include <vector>

struct SentMessage {
  CefProcessId target;
  std::u16string name;
  size_t size;
  std::vector<CefValueType> types;
  std::vector<std::u16string> strings;
};

std::u16string units(const CefString& text);

class RecordingBrowser : public CefBrowser {
 public:
  RecordingBrowser() = default;

  int references() const { return count_.load(); }
  std::vector<SentMessage> sent;

  int GetIdentifier() override { return 77; }
  bool IsSame(CefRefPtr<CefBrowser> that) override { return that.get() == this; }
  CefRefPtr<CefFrame> GetMainFrame() override { return nullptr; }
  bool SendProcessMessage(CefProcessId target, CefRefPtr<CefProcessMessage> message) override;

  void AddRef() const override { count_.fetch_add(1); }
  bool Release() const override {
    if (count_.fetch_sub(1) == 1) {
      delete this;
      return true;
    }
    return false;
  }
  bool HasOneRef() const override { return count_.load() == 1; }

 private:
  ~RecordingBrowser() override = default;
  mutable std::atomic<int> count_{0};
};

class CountedApp : public ClientAppRenderer {
 public:
  explicit CountedApp(std::atomic<int>* deletions) : deletions_(deletions) {}
  ~CountedApp() override { ++*deletions_; }

 private:
  std::atomic<int>* deletions_;
};

class CountedHandler : public ZelV8Handler {
 public:
  CountedHandler(CefRefPtr<CefBrowser> browser, std::atomic<int>* deletions)
      : ZelV8Handler(browser), deletions_(deletions) {}
  ~CountedHandler() override { ++*deletions_; }

 private:
  std::atomic<int>* deletions_;
};

#endif  // TESTS_WEB_RENDERER_FAKES_H_
