// The runtime's V8 values handed to the client as cef_v8value_t.
#ifndef CEF_STAND_IN_RUNTIME_CPPTOC_V8VALUE_CPPTOC_H_
#define CEF_STAND_IN_RUNTIME_CPPTOC_V8VALUE_CPPTOC_H_

#include "wrapper/cpptoc.h"

#include "include/capi/cef_v8_capi.h"
#include "include/cef_v8.h"

class CefV8ValueCppToC : public CefCppToC<CefV8ValueCppToC, CefV8Value, cef_v8value_t> {
 public:
  CefV8ValueCppToC();
};

#endif  // CEF_STAND_IN_RUNTIME_CPPTOC_V8VALUE_CPPTOC_H_
