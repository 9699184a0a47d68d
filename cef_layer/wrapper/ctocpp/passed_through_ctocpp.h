// Runtime objects that the renderer only receives and passes on.
#ifndef CEF_LAYER_WRAPPER_CTOCPP_PASSED_THROUGH_CTOCPP_H_
#define CEF_LAYER_WRAPPER_CTOCPP_PASSED_THROUGH_CTOCPP_H_

#include "wrapper/ctocpp.h"

#include "include/capi/cef_dom_capi.h"
#include "include/capi/cef_request_capi.h"
#include "include/capi/cef_scheme_capi.h"
#include "include/capi/cef_v8_capi.h"
#include "include/cef_dom.h"
#include "include/cef_request.h"
#include "include/cef_scheme.h"
#include "include/cef_v8.h"

typedef CefPassedThroughCToCpp<CefDOMNode, cef_domnode_t> CefDOMNodeCToCpp;
typedef CefPassedThroughCToCpp<CefRequest, cef_request_t> CefRequestCToCpp;
typedef CefPassedThroughCToCpp<CefSchemeRegistrar, cef_scheme_registrar_t> CefSchemeRegistrarCToCpp;
typedef CefPassedThroughCToCpp<CefV8Exception, cef_v8exception_t> CefV8ExceptionCToCpp;
typedef CefPassedThroughCToCpp<CefV8StackTrace, cef_v8stack_trace_t> CefV8StackTraceCToCpp;

#endif  // CEF_LAYER_WRAPPER_CTOCPP_PASSED_THROUGH_CTOCPP_H_
