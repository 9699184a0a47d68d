// Runtime objects that the client only receives and passes on: bare
// cef_base_t structs whose size says that every other member is missing.
#ifndef CEF_STAND_IN_RUNTIME_CPPTOC_PASSED_THROUGH_CPPTOC_H_
#define CEF_STAND_IN_RUNTIME_CPPTOC_PASSED_THROUGH_CPPTOC_H_

#include "wrapper/cpptoc.h"

#include "include/capi/cef_request_capi.h"
#include "include/capi/cef_scheme_capi.h"
#include "include/capi/cef_v8_capi.h"
#include "include/cef_request.h"
#include "include/cef_scheme.h"
#include "include/cef_v8.h"

typedef CefPassedThroughCppToC<CefRequest, cef_request_t> CefRequestCppToC;
typedef CefPassedThroughCppToC<CefSchemeRegistrar, cef_scheme_registrar_t> CefSchemeRegistrarCppToC;
typedef CefPassedThroughCppToC<CefV8Exception, cef_v8exception_t> CefV8ExceptionCppToC;

#endif  // CEF_STAND_IN_RUNTIME_CPPTOC_PASSED_THROUGH_CPPTOC_H_
