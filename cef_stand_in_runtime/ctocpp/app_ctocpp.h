// The client's cef_app_t as the runtime sees it.
#ifndef CEF_STAND_IN_RUNTIME_CTOCPP_APP_CTOCPP_H_
#define CEF_STAND_IN_RUNTIME_CTOCPP_APP_CTOCPP_H_

#include "wrapper/ctocpp.h"

#include "include/capi/cef_app_capi.h"
#include "include/cef_app.h"

class CefAppCToCpp : public CefCToCpp<CefAppCToCpp, CefApp, cef_app_t> {
 public:
  explicit CefAppCToCpp(cef_app_t* s) : CefCToCpp(s) {}

  void OnBeforeCommandLineProcessing(const CefString& process_type,
                                     CefRefPtr<CefCommandLine> command_line) override;
  void OnRegisterCustomSchemes(CefRefPtr<CefSchemeRegistrar> registrar) override;
  CefRefPtr<CefResourceBundleHandler> GetResourceBundleHandler() override;
  CefRefPtr<CefBrowserProcessHandler> GetBrowserProcessHandler() override;
  CefRefPtr<CefRenderProcessHandler> GetRenderProcessHandler() override;
};

#endif  // CEF_STAND_IN_RUNTIME_CTOCPP_APP_CTOCPP_H_
