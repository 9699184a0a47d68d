// CefV8Context over the runtime's cef_v8context_t.
#ifndef CEF_LAYER_WRAPPER_CTOCPP_V8CONTEXT_CTOCPP_H_
#define CEF_LAYER_WRAPPER_CTOCPP_V8CONTEXT_CTOCPP_H_

#include "wrapper/ctocpp.h"

#include "include/capi/cef_v8_capi.h"
#include "include/cef_v8.h"

class CefV8ContextCToCpp : public CefCToCpp<CefV8ContextCToCpp, CefV8Context, cef_v8context_t> {
 public:
  explicit CefV8ContextCToCpp(cef_v8context_t* s) : CefCToCpp(s) {}

  bool IsValid() override;
  CefRefPtr<CefBrowser> GetBrowser() override;
  CefRefPtr<CefFrame> GetFrame() override;
  CefRefPtr<CefV8Value> GetGlobal() override;
  bool Enter() override;
  bool Exit() override;
  bool IsSame(CefRefPtr<CefV8Context> that) override;
  bool Eval(const CefString& code,
            CefRefPtr<CefV8Value>& retval,
            CefRefPtr<CefV8Exception>& exception) override;
};

#endif  // CEF_LAYER_WRAPPER_CTOCPP_V8CONTEXT_CTOCPP_H_
