// The client's cef_v8handler_t as the runtime sees it.
#ifndef CEF_STAND_IN_RUNTIME_CTOCPP_V8HANDLER_CTOCPP_H_
#define CEF_STAND_IN_RUNTIME_CTOCPP_V8HANDLER_CTOCPP_H_

#include "wrapper/ctocpp.h"

#include "include/capi/cef_v8_capi.h"
#include "include/cef_v8.h"

class CefV8HandlerCToCpp : public CefCToCpp<CefV8HandlerCToCpp, CefV8Handler, cef_v8handler_t> {
 public:
  explicit CefV8HandlerCToCpp(cef_v8handler_t* s) : CefCToCpp(s) {}

  bool Execute(const CefString& name,
               CefRefPtr<CefV8Value> object,
               const CefV8ValueList& arguments,
               CefRefPtr<CefV8Value>& retval,
               CefString& exception) override;
};

#endif  // CEF_STAND_IN_RUNTIME_CTOCPP_V8HANDLER_CTOCPP_H_
