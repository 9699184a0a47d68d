// The runtime's V8 contexts handed to the client as cef_v8context_t.
#ifndef CEF_STAND_IN_RUNTIME_CPPTOC_V8CONTEXT_CPPTOC_H_
#define CEF_STAND_IN_RUNTIME_CPPTOC_V8CONTEXT_CPPTOC_H_

#include "wrapper/cpptoc.h"

#include "include/capi/cef_v8_capi.h"
#include "include/cef_v8.h"

class CefV8ContextCppToC : public CefCppToC<CefV8ContextCppToC, CefV8Context, cef_v8context_t> {
 public:
  CefV8ContextCppToC();
};

#endif  // CEF_STAND_IN_RUNTIME_CPPTOC_V8CONTEXT_CPPTOC_H_
