// Client objects that the runtime may hold but whose members this layer does
// not declare: the runtime sees every member missing.
#ifndef CEF_LAYER_WRAPPER_CPPTOC_PASSED_THROUGH_CPPTOC_H_
#define CEF_LAYER_WRAPPER_CPPTOC_PASSED_THROUGH_CPPTOC_H_

#include "wrapper/cpptoc.h"

#include "include/capi/cef_browser_process_handler_capi.h"
#include "include/capi/cef_load_handler_capi.h"
#include "include/capi/cef_resource_bundle_handler_capi.h"
#include "include/capi/cef_v8_capi.h"
#include "include/cef_browser_process_handler.h"
#include "include/cef_load_handler.h"
#include "include/cef_resource_bundle_handler.h"
#include "include/cef_v8.h"

typedef CefPassedThroughCppToC<CefBrowserProcessHandler, cef_browser_process_handler_t>
    CefBrowserProcessHandlerCppToC;
typedef CefPassedThroughCppToC<CefLoadHandler, cef_load_handler_t> CefLoadHandlerCppToC;
typedef CefPassedThroughCppToC<CefResourceBundleHandler, cef_resource_bundle_handler_t>
    CefResourceBundleHandlerCppToC;
typedef CefPassedThroughCppToC<CefV8Accessor, cef_v8accessor_t> CefV8AccessorCppToC;

#endif  // CEF_LAYER_WRAPPER_CPPTOC_PASSED_THROUGH_CPPTOC_H_
