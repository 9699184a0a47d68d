#include "v8_context_impl.h"

#include "channel.h"
#include "string_codec.h"
#include "v8_value_impl.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<V8ContextImpl*> g_entered;

// Implements none of its members here: Eval's caller learns that the code
// threw, not what.
class V8ExceptionImpl : public CefV8Exception {
  IMPLEMENT_REFCOUNTING(V8ExceptionImpl);
};

CefString describeError(duk_context* engine, duk_idx_t index, int* line) {
  index = duk_normalize_index(engine, index);
  int lineNumber = 0;
  if (duk_is_object(engine, index)) {
    duk_get_prop_string(engine, index, "lineNumber");
    lineNumber = duk_is_number(engine, -1) ? duk_get_int(engine, -1) : 0;
    duk_pop(engine);
  }
  duk_dup(engine, index);
  duk_size_t length = 0;
  const char* text = duk_safe_to_lstring(engine, -1, &length);
  CefString description = fromEngineText(text, length);
  duk_pop(engine);
  if (line)
    *line = lineNumber;
  return description;
}

// console.log: what a page logs goes to the browser side.
duk_ret_t consoleLog(duk_context* engine) {
  std::string joined;
  const duk_idx_t count = duk_get_top(engine);
  for (duk_idx_t i = 0; i < count; ++i) {
    if (i)
      joined += ' ';
    duk_size_t length = 0;
    const char* text = duk_safe_to_lstring(engine, i, &length);
    joined.append(text, length);
  }
  JsHeap* heap = JsHeap::of(engine);
  const int context = heap && heap->context ? heap->context->id() : 0;
  record("console context=" + std::to_string(context) +
         " text=" + toHexUnits(fromEngineText(joined.data(), joined.size())));
  return 0;
}

}  // namespace

V8ContextImpl::V8ContextImpl(int id, CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame)
    : id_(id), browser_(browser), frame_(frame), heap_(std::make_shared<JsHeap>()) {
  heap_->context = this;
  if (heap_->alive())
    installBrowserGlobals();
}

V8ContextImpl::~V8ContextImpl() {
  release();
}

void V8ContextImpl::installBrowserGlobals() {
  duk_context* engine = heap_->engine();
  duk_push_global_object(engine);
  duk_push_global_object(engine);
  duk_put_prop_string(engine, -2, "window");
  duk_push_object(engine);
  duk_push_c_function(engine, consoleLog, DUK_VARARGS);
  duk_put_prop_string(engine, -2, "log");
  duk_put_prop_string(engine, -2, "console");
  duk_pop(engine);
}

void V8ContextImpl::release() {
  if (!heap_)
    return;
  heap_->context = nullptr;
  heap_->close();
}

bool V8ContextImpl::IsValid() {
  return heap_ && heap_->alive();
}

CefRefPtr<CefV8Value> V8ContextImpl::GetGlobal() {
  if (!IsValid())
    return nullptr;
  duk_context* engine = heap_->engine();
  duk_push_global_object(engine);
  CefRefPtr<CefV8Value> global = V8ValueImpl::wrap(heap_, -1);
  duk_pop(engine);
  return global;
}

bool V8ContextImpl::Enter() {
  if (!IsValid())
    return false;
  g_entered.push_back(this);
  return true;
}

bool V8ContextImpl::Exit() {
  if (g_entered.empty() || g_entered.back() != this)
    return false;
  g_entered.pop_back();
  return true;
}

bool V8ContextImpl::run(const CefString& source,
                        const CefString& fileName,
                        CefRefPtr<CefV8Value>* result,
                        CefString& error) {
  if (!IsValid()) {
    error = "context released";
    return false;
  }
  CefRefPtr<V8ContextImpl> keepAlive(this);
  ContextScope scope(this);
  duk_context* engine = heap_->engine();
  const std::string code = toEngineText(source);
  const std::string name = toEngineText(fileName);
  duk_push_lstring(engine, name.data(), name.size());
  if (duk_pcompile_lstring_filename(engine, 0, code.data(), code.size()) != 0 ||
      duk_pcall(engine, 0) != DUK_EXEC_SUCCESS) {
    error = describeError(engine, -1, nullptr);
    duk_pop(engine);
    return false;
  }
  if (result)
    *result = V8ValueImpl::wrap(heap_, -1);
  duk_pop(engine);
  return true;
}

bool V8ContextImpl::Eval(const CefString& code,
                         CefRefPtr<CefV8Value>& retval,
                         CefRefPtr<CefV8Exception>& exception) {
  CefString error;
  if (run(code, "eval", &retval, error))
    return true;
  exception = new V8ExceptionImpl;
  retval = nullptr;
  return false;
}

V8ContextImpl* currentContext() {
  return g_entered.empty() ? nullptr : g_entered.back();
}

V8ContextImpl* enteredContext() {
  return g_entered.empty() ? nullptr : g_entered.front();
}

ContextScope::ContextScope(V8ContextImpl* context) : context_(context) {
  g_entered.push_back(context_);
}

ContextScope::~ContextScope() {
  auto found = std::find(g_entered.rbegin(), g_entered.rend(), context_);
  if (found != g_entered.rend())
    g_entered.erase(std::next(found).base());
}
