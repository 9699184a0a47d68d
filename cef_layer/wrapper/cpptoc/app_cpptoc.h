// The client's CefApp as the runtime's cef_app_t.
#ifndef CEF_LAYER_WRAPPER_CPPTOC_APP_CPPTOC_H_
#define CEF_LAYER_WRAPPER_CPPTOC_APP_CPPTOC_H_

#include "wrapper/cpptoc.h"

#include "include/capi/cef_app_capi.h"
#include "include/cef_app.h"

class CefAppCppToC : public CefCppToC<CefAppCppToC, CefApp, cef_app_t> {
 public:
  CefAppCppToC();
};

#endif  // CEF_LAYER_WRAPPER_CPPTOC_APP_CPPTOC_H_
