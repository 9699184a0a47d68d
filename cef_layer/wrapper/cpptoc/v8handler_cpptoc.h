// The client's CefV8Handler as the runtime's cef_v8handler_t.
#ifndef CEF_LAYER_WRAPPER_CPPTOC_V8HANDLER_CPPTOC_H_
#define CEF_LAYER_WRAPPER_CPPTOC_V8HANDLER_CPPTOC_H_

#include "wrapper/cpptoc.h"

#include "include/capi/cef_v8_capi.h"
#include "include/cef_v8.h"

class CefV8HandlerCppToC : public CefCppToC<CefV8HandlerCppToC, CefV8Handler, cef_v8handler_t> {
 public:
  CefV8HandlerCppToC();
};

#endif  // CEF_LAYER_WRAPPER_CPPTOC_V8HANDLER_CPPTOC_H_
