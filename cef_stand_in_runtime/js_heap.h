// One Duktape heap per V8 context. C++ holds JavaScript values through
// numbered slots in the heap stash, so the engine's collector sees them.
#ifndef CEF_STAND_IN_RUNTIME_JS_HEAP_H_
#define CEF_STAND_IN_RUNTIME_JS_HEAP_H_

#include "include/cef_v8.h"

#include "duktape.h"

#include <memory>
#include <vector>

class V8ContextImpl;

// What a function made by CreateFunction calls.
struct FunctionBinding {
  FunctionBinding(const CefString& name, CefRefPtr<CefV8Handler> handler);
  ~FunctionBinding();
  CefString name;
  CefRefPtr<CefV8Handler> handler;
  // Stable while the handler is bound anywhere: tells handlers apart in records.
  int handlerId;
};

class JsHeap {
 public:
  JsHeap();
  ~JsHeap();
  JsHeap(const JsHeap&) = delete;
  JsHeap& operator=(const JsHeap&) = delete;

  // The heap that runs this engine.
  static JsHeap* of(duk_context* engine);

  // Null once the heap is closed.
  duk_context* engine() const { return engine_; }
  bool alive() const { return engine_ != nullptr; }

  // Destroys the engine, then drops the handlers of its functions.
  void close();

  int keep(duk_idx_t index);
  void push(int slot);
  void drop(int slot);

  FunctionBinding* bind(const CefString& name, CefRefPtr<CefV8Handler> handler);
  const std::vector<std::unique_ptr<FunctionBinding>>& bindings() const { return bindings_; }

  V8ContextImpl* context = nullptr;

 private:
  duk_context* engine_;
  int nextSlot_ = 1;
  std::vector<std::unique_ptr<FunctionBinding>> bindings_;
};

// Runs fn(engine) as a protected Duktape call; false when it threw.
template <typename Fn>
bool protectedCall(duk_context* engine, Fn&& fn, duk_idx_t args = 0, duk_idx_t results = 1) {
  auto trampoline = [](duk_context* ctx, void* udata) -> duk_ret_t {
    return (*static_cast<Fn*>(udata))(ctx);
  };
  const bool ok = duk_safe_call(engine, trampoline, &fn, args, results) == DUK_EXEC_SUCCESS;
  return ok;
}

#endif  // CEF_STAND_IN_RUNTIME_JS_HEAP_H_
