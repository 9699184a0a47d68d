// The renderer side's view of a browser and its frames. Messages sent to the
// browser process go to the channel.
#ifndef CEF_STAND_IN_RUNTIME_BROWSER_IMPL_H_
#define CEF_STAND_IN_RUNTIME_BROWSER_IMPL_H_

#include "include/cef_browser.h"
#include "include/cef_frame.h"
#include "include/cef_v8.h"

#include <atomic>
#include <vector>

class FrameImpl;

class BrowserImpl : public CefBrowser {
 public:
  explicit BrowserImpl(int id) : id_(id) {}

  // How many references are held, so a run can tell who kept one.
  int references() const { return count_.load(); }
  void addFrame(CefRefPtr<FrameImpl> frame) { frames_.push_back(frame); }
  const std::vector<CefRefPtr<FrameImpl>>& frames() const { return frames_; }
  // Breaks the browser-frame cycle when the browser goes.
  void detachFrames() { frames_.clear(); }

  int GetIdentifier() override { return id_; }
  bool IsSame(CefRefPtr<CefBrowser> that) override { return that.get() == this; }
  CefRefPtr<CefFrame> GetMainFrame() override;
  bool SendProcessMessage(CefProcessId target_process,
                          CefRefPtr<CefProcessMessage> message) override;

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
  ~BrowserImpl() override = default;

  int id_;
  std::vector<CefRefPtr<FrameImpl>> frames_;
  mutable std::atomic<int> count_{0};
};

class FrameImpl : public CefFrame {
 public:
  FrameImpl(int64 id, BrowserImpl* browser, bool main, const CefString& url)
      : id_(id), browser_(browser), main_(main), url_(url) {}

  void setContext(CefRefPtr<CefV8Context> context) { context_ = context; }
  CefRefPtr<CefV8Context> context() const { return context_; }
  void detach() { browser_ = nullptr; }

  bool IsValid() override { return browser_ != nullptr; }
  bool IsMain() override { return main_; }
  int64 GetIdentifier() override { return id_; }
  CefString GetURL() override { return url_; }
  CefRefPtr<CefBrowser> GetBrowser() override { return browser_; }
  CefRefPtr<CefV8Context> GetV8Context() override { return context_; }

 private:
  int64 id_;
  BrowserImpl* browser_;  // the browser owns its frames
  bool main_;
  CefString url_;
  CefRefPtr<CefV8Context> context_;

  IMPLEMENT_REFCOUNTING(FrameImpl);
};

#endif  // CEF_STAND_IN_RUNTIME_BROWSER_IMPL_H_
