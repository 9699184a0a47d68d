// Client objects that the runtime only holds: their members are not declared
// in this layer, so nothing is called on them.
#ifndef CEF_STAND_IN_RUNTIME_CTOCPP_PASSED_THROUGH_CTOCPP_H_
#define CEF_STAND_IN_RUNTIME_CTOCPP_PASSED_THROUGH_CTOCPP_H_

#include "wrapper/ctocpp.h"

#include "include/capi/cef_browser_process_handler_capi.h"
#include "include/capi/cef_load_handler_capi.h"
#include "include/capi/cef_resource_bundle_handler_capi.h"
#include "include/capi/cef_v8_capi.h"
#include "include/cef_browser_process_handler.h"
#include "include/cef_load_handler.h"
#include "include/cef_resource_bundle_handler.h"
#include "include/cef_v8.h"

// The C++ interfaces of these declare pure methods; the runtime never calls
// them, so the holder answers with nothing.
class PassedThroughResourceBundleHandler : public CefResourceBundleHandler {
 public:
  bool GetLocalizedString(int, CefString&) override { return false; }
};

class PassedThroughV8Accessor : public CefV8Accessor {
 public:
  bool Get(const CefString&,
           const CefRefPtr<CefV8Value>,
           CefRefPtr<CefV8Value>&,
           CefString&) override {
    return false;
  }
  bool Set(const CefString&,
           const CefRefPtr<CefV8Value>,
           const CefRefPtr<CefV8Value>,
           CefString&) override {
    return false;
  }
};

typedef CefPassedThroughCToCpp<CefBrowserProcessHandler, cef_browser_process_handler_t>
    CefBrowserProcessHandlerCToCpp;
typedef CefPassedThroughCToCpp<CefLoadHandler, cef_load_handler_t> CefLoadHandlerCToCpp;
typedef CefPassedThroughCToCpp<PassedThroughResourceBundleHandler, cef_resource_bundle_handler_t>
    CefResourceBundleHandlerCToCpp;
typedef CefPassedThroughCToCpp<PassedThroughV8Accessor, cef_v8accessor_t> CefV8AccessorCToCpp;

#endif  // CEF_STAND_IN_RUNTIME_CTOCPP_PASSED_THROUGH_CTOCPP_H_
