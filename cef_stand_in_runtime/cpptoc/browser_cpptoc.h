// The runtime's browsers handed to the client as cef_browser_t.
#ifndef CEF_STAND_IN_RUNTIME_CPPTOC_BROWSER_CPPTOC_H_
#define CEF_STAND_IN_RUNTIME_CPPTOC_BROWSER_CPPTOC_H_

#include "wrapper/cpptoc.h"

#include "include/capi/cef_browser_capi.h"
#include "include/cef_browser.h"

class CefBrowserCppToC : public CefCppToC<CefBrowserCppToC, CefBrowser, cef_browser_t> {
 public:
  CefBrowserCppToC();
};

#endif  // CEF_STAND_IN_RUNTIME_CPPTOC_BROWSER_CPPTOC_H_
