// CefV8Context over one Duktape heap, and the stack of current contexts
// (CEF keeps a context current while it calls hooks and runs scripts).
#ifndef CEF_STAND_IN_RUNTIME_V8_CONTEXT_IMPL_H_
#define CEF_STAND_IN_RUNTIME_V8_CONTEXT_IMPL_H_

#include "js_heap.h"

#include "include/cef_v8.h"

#include <memory>

class V8ContextImpl : public CefV8Context {
 public:
  V8ContextImpl(int id, CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame);

  int id() const { return id_; }
  const std::shared_ptr<JsHeap>& heap() const { return heap_; }

  // Ends the context: its engine, objects and handlers go.
  void release();

  // Compiles and runs a script in this context. On an uncaught error returns
  // false with its text.
  bool run(const CefString& source,
           const CefString& fileName,
           CefRefPtr<CefV8Value>* result,
           CefString& error);

  bool IsValid() override;
  CefRefPtr<CefBrowser> GetBrowser() override { return browser_; }
  CefRefPtr<CefFrame> GetFrame() override { return frame_; }
  CefRefPtr<CefV8Value> GetGlobal() override;
  bool Enter() override;
  bool Exit() override;
  bool IsSame(CefRefPtr<CefV8Context> that) override { return that.get() == this; }
  bool Eval(const CefString& code,
            CefRefPtr<CefV8Value>& retval,
            CefRefPtr<CefV8Exception>& exception) override;

 private:
  ~V8ContextImpl() override;
  void installBrowserGlobals();

  int id_;
  CefRefPtr<CefBrowser> browser_;
  CefRefPtr<CefFrame> frame_;
  std::shared_ptr<JsHeap> heap_;

  IMPLEMENT_REFCOUNTING(V8ContextImpl);
};

// The innermost entered context, or null.
V8ContextImpl* currentContext();
// The outermost entered context, or null.
V8ContextImpl* enteredContext();

// Keeps a context current for a scope.
class ContextScope {
 public:
  explicit ContextScope(V8ContextImpl* context);
  ~ContextScope();
  ContextScope(const ContextScope&) = delete;
  ContextScope& operator=(const ContextScope&) = delete;

 private:
  V8ContextImpl* context_;
};

#endif  // CEF_STAND_IN_RUNTIME_V8_CONTEXT_IMPL_H_
