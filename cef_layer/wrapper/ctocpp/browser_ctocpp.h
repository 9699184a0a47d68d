// CefBrowser over the runtime's cef_browser_t.
#ifndef CEF_LAYER_WRAPPER_CTOCPP_BROWSER_CTOCPP_H_
#define CEF_LAYER_WRAPPER_CTOCPP_BROWSER_CTOCPP_H_

#include "wrapper/ctocpp.h"

#include "include/capi/cef_browser_capi.h"
#include "include/cef_browser.h"

class CefBrowserCToCpp : public CefCToCpp<CefBrowserCToCpp, CefBrowser, cef_browser_t> {
 public:
  explicit CefBrowserCToCpp(cef_browser_t* s) : CefCToCpp(s) {}

  int GetIdentifier() override;
  bool IsSame(CefRefPtr<CefBrowser> that) override;
  CefRefPtr<CefFrame> GetMainFrame() override;
  bool SendProcessMessage(CefProcessId target_process,
                          CefRefPtr<CefProcessMessage> message) override;
};

#endif  // CEF_LAYER_WRAPPER_CTOCPP_BROWSER_CTOCPP_H_
