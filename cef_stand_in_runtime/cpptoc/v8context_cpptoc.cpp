#include "cpptoc/v8context_cpptoc.h"

#include "cpptoc/browser_cpptoc.h"
#include "cpptoc/frame_cpptoc.h"
#include "cpptoc/passed_through_cpptoc.h"
#include "cpptoc/v8value_cpptoc.h"
#include "wrapper/string_bridge.h"

namespace {

int CEF_CALLBACK isValid(cef_v8context_t* self) {
  CefV8Context* context = CefV8ContextCppToC::Get(self);
  return context && context->IsValid();
}

cef_browser_t* CEF_CALLBACK getBrowser(cef_v8context_t* self) {
  CefV8Context* context = CefV8ContextCppToC::Get(self);
  return context ? CefBrowserCppToC::Wrap(context->GetBrowser()) : nullptr;
}

cef_frame_t* CEF_CALLBACK getFrame(cef_v8context_t* self) {
  CefV8Context* context = CefV8ContextCppToC::Get(self);
  return context ? CefFrameCppToC::Wrap(context->GetFrame()) : nullptr;
}

cef_v8value_t* CEF_CALLBACK getGlobal(cef_v8context_t* self) {
  CefV8Context* context = CefV8ContextCppToC::Get(self);
  return context ? CefV8ValueCppToC::Wrap(context->GetGlobal()) : nullptr;
}

int CEF_CALLBACK enter(cef_v8context_t* self) {
  CefV8Context* context = CefV8ContextCppToC::Get(self);
  return context && context->Enter();
}

int CEF_CALLBACK exitContext(cef_v8context_t* self) {
  CefV8Context* context = CefV8ContextCppToC::Get(self);
  return context && context->Exit();
}

int CEF_CALLBACK isSame(cef_v8context_t* self, cef_v8context_t* that) {
  CefRefPtr<CefV8Context> other = CefV8ContextCppToC::Unwrap(that);
  CefV8Context* context = CefV8ContextCppToC::Get(self);
  return context && context->IsSame(other);
}

int CEF_CALLBACK eval(cef_v8context_t* self,
                      const cef_string_t* code,
                      cef_v8value_t** retval,
                      cef_v8exception_t** exception) {
  CefV8Context* context = CefV8ContextCppToC::Get(self);
  if (!context || !retval || !exception)
    return 0;
  CefRefPtr<CefV8Value> result;
  CefRefPtr<CefV8Exception> error;
  const bool ok = context->Eval(copyString(code), result, error);
  *retval = CefV8ValueCppToC::Wrap(result);
  *exception = CefV8ExceptionCppToC::WrapPassedThrough(error);
  return ok;
}

}  // namespace

// Members left null are not implemented here; readers treat them as missing.
CefV8ContextCppToC::CefV8ContextCppToC() {
  cef_v8context_t* s = GetStruct();
  s->is_valid = isValid;
  s->get_browser = getBrowser;
  s->get_frame = getFrame;
  s->get_global = getGlobal;
  s->enter = enter;
  s->exit = exitContext;
  s->is_same = isSame;
  s->eval = eval;
}
