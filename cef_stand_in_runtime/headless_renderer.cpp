#include "headless_renderer.h"

#include "browser_impl.h"
#include "list_value_impl.h"
#include "channel.h"
#include "page_loader.h"
#include "process_message_impl.h"
#include "string_codec.h"
#include "v8_context_impl.h"

#include <cwchar>
#include <memory>
#include <string>
#include <vector>

namespace {

// The registrar and the request implement none of their members here, so the
// application can hold them but not use them: no scheme gets registered.
class SchemeRegistrarImpl : public CefSchemeRegistrar {
  IMPLEMENT_REFCOUNTING(SchemeRegistrarImpl);
};

class RequestImpl : public CefRequest {
  IMPLEMENT_REFCOUNTING(RequestImpl);
};

std::string number(long long value) {
  return std::to_string(value);
}

struct FrameSlot {
  CefRefPtr<BrowserImpl> browser;
  CefRefPtr<FrameImpl> frame;
  CefString page;
};

// One run of the renderer; the steps of the command line drive it.
class Run {
 public:
  explicit Run(CefRefPtr<CefRenderProcessHandler> handler) : handler_(handler) {}

  void start() {
    record("hook render-thread-created");
    if (handler_)
      handler_->OnRenderThreadCreated(new ListValueImpl);
    record("hook webkit-initialized");
    if (handler_)
      handler_->OnWebKitInitialized();
  }

  void newBrowser() {
    CefRefPtr<BrowserImpl> browser = new BrowserImpl(static_cast<int>(browsers_.size()) + 1);
    browsers_.push_back(browser);
    record("hook browser-created browser=" + number(browser->GetIdentifier()));
    if (handler_)
      handler_->OnBrowserCreated(browser.get());
  }

  void load(const CefString& page) {
    if (browsers_.empty())
      newBrowser();
    CefRefPtr<BrowserImpl> browser = browsers_.back();
    const bool main = browser->frames().empty();
    CefRefPtr<FrameImpl> frame =
        new FrameImpl(static_cast<int64>(frames_.size()) + 1, browser.get(), main, page);
    browser->addFrame(frame);
    frames_.push_back({browser, frame, page});
    if (handler_)
      handler_->GetLoadHandler();
    createContextAndRun(frames_.back());
  }

  void reload(int frameNumber) {
    if (frameNumber < 1 || static_cast<size_t>(frameNumber) > frames_.size()) {
      record("reload frame=" + number(frameNumber) + " unknown-frame");
      return;
    }
    FrameSlot& slot = frames_[static_cast<size_t>(frameNumber) - 1];
    CefRefPtr<CefRequest> request = new RequestImpl;
    const bool cancelled =
        handler_ && handler_->OnBeforeNavigation(slot.browser.get(), slot.frame.get(), request,
                                                 NAVIGATION_RELOAD, false);
    record("navigation frame=" + number(frameNumber) +
           " type=reload cancelled=" + (cancelled ? "1" : "0"));
    if (cancelled)
      return;
    releaseContext(slot);
    createContextAndRun(slot);
  }

  void deliver(const CefString& name) {
    if (browsers_.empty())
      newBrowser();
    CefRefPtr<BrowserImpl> browser = browsers_.back();
    CefRefPtr<CefProcessMessage> message = new ProcessMessageImpl(name);
    const bool handled =
        handler_ && handler_->OnProcessMessageReceived(browser.get(), PID_BROWSER, message);
    record("received browser=" + number(browser->GetIdentifier()) + " name=" + toHexUnits(name) +
           " handled=" + (handled ? "1" : "0"));
  }

  void finish() {
    for (FrameSlot& slot : frames_)
      releaseContext(slot);
    for (CefRefPtr<BrowserImpl>& browser : browsers_) {
      if (handler_)
        handler_->OnBrowserDestroyed(browser.get());
      for (const auto& frame : browser->frames())
        frame->detach();
      browser->detachFrames();
    }
    frames_.clear();
    for (CefRefPtr<BrowserImpl>& browser : browsers_) {
      // Ours is the only reference left unless something kept the browser.
      record("hook browser-destroyed browser=" + number(browser->GetIdentifier()) +
             " references=" + number(browser->references()));
    }
    browsers_.clear();
  }

 private:
  void createContextAndRun(FrameSlot& slot) {
    CefRefPtr<V8ContextImpl> context =
        new V8ContextImpl(++contextCount_, slot.browser.get(), slot.frame.get());
    slot.frame->setContext(context.get());
    const std::string where = "browser=" + number(slot.browser->GetIdentifier()) +
                              " frame=" + number(slot.frame->GetIdentifier()) +
                              " context=" + number(context->id());
    record("hook context-created " + where);
    if (handler_) {
      ContextScope scope(context.get());
      handler_->OnContextCreated(slot.browser.get(), slot.frame.get(), context.get());
    }
    const Page page = loadPage(slot.page);
    if (!page.loaded)
      record("load-failed " + where + " page=" + toHexUnits(slot.page));
    for (const PageScript& script : page.scripts) {
      CefString error;
      if (!context->run(script.source, script.name, nullptr, error))
        record("script-error " + where + " text=" + toHexUnits(error));
    }
    record("loaded " + where + " scripts=" + number(static_cast<long long>(page.scripts.size())));
  }

  void releaseContext(FrameSlot& slot) {
    CefRefPtr<CefV8Context> context = slot.frame->context();
    if (!context)
      return;
    auto* impl = static_cast<V8ContextImpl*>(context.get());
    record("hook context-released browser=" + number(slot.browser->GetIdentifier()) +
           " frame=" + number(slot.frame->GetIdentifier()) + " context=" + number(impl->id()));
    if (handler_) {
      ContextScope scope(impl);
      handler_->OnContextReleased(slot.browser.get(), slot.frame.get(), context);
    }
    slot.frame->setContext(nullptr);
    impl->release();
  }

  CefRefPtr<CefRenderProcessHandler> handler_;
  std::vector<CefRefPtr<BrowserImpl>> browsers_;
  std::vector<FrameSlot> frames_;
  int contextCount_ = 0;
};

int exitCodeFrom(const ParsedCommandLine& commandLine) {
  const CefString text = commandLine.value("stand-in-exit-code");
  return text.empty() ? 0 : static_cast<int>(std::wcstol(text.ToWString().c_str(), nullptr, 10));
}

int runRenderer(const ParsedCommandLine& commandLine, CefRefPtr<CefApp> application) {
  const int exitCode = exitCodeFrom(commandLine);
  CefRefPtr<CefRenderProcessHandler> handler;
  std::string appHooks = "app=0";
  if (application) {
    application->OnRegisterCustomSchemes(new SchemeRegistrarImpl);
    CefRefPtr<CefResourceBundleHandler> bundle = application->GetResourceBundleHandler();
    CefRefPtr<CefBrowserProcessHandler> browserHandler = application->GetBrowserProcessHandler();
    handler = application->GetRenderProcessHandler();
    appHooks = std::string("app=1 custom-schemes=0") +
               " resource-bundle-handler=" + (bundle ? "1" : "0") +
               " browser-process-handler=" + (browserHandler ? "1" : "0") +
               " render-process-handler=" + (handler ? "1" : "0");
  }
  record("execute-process type=renderer " + appHooks);

  Run run(handler);
  run.start();
  for (const auto& entry : commandLine.switches) {
    const CefString& name = entry.first;
    if (name == CefString("stand-in-browser"))
      run.newBrowser();
    else if (name == CefString("stand-in-page"))
      run.load(entry.second);
    else if (name == CefString("stand-in-reload"))
      run.reload(static_cast<int>(std::wcstol(entry.second.ToWString().c_str(), nullptr, 10)));
    else if (name == CefString("stand-in-message"))
      run.deliver(entry.second);
  }
  run.finish();
  handler = nullptr;
  record("exit code=" + number(exitCode));
  return exitCode;
}

}  // namespace

int executeProcess(const CefString& commandLineText, CefRefPtr<CefApp> application) {
  const ParsedCommandLine commandLine = parseCommandLine(commandLineText);
  const CefString type = commandLine.value("type");
  if (type.empty())
    return -1;  // the browser process: CEF returns at once
  const Channel channel(commandLine.value("stand-in-channel"));
  setActiveChannel(&channel);
  int exitCode = 0;
  if (type == CefString("renderer")) {
    exitCode = runRenderer(commandLine, application);
  } else {
    // Other sub-process types have nothing to run here.
    exitCode = exitCodeFrom(commandLine);
    record("execute-process type=" + toHexUnits(type));
    record("exit code=" + number(exitCode));
  }
  setActiveChannel(nullptr);
  return exitCode;
}
