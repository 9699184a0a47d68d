// The client's cef_render_process_handler_t as the runtime sees it.
#ifndef CEF_STAND_IN_RUNTIME_CTOCPP_RENDER_PROCESS_HANDLER_CTOCPP_H_
#define CEF_STAND_IN_RUNTIME_CTOCPP_RENDER_PROCESS_HANDLER_CTOCPP_H_

#include "wrapper/ctocpp.h"

#include "include/capi/cef_render_process_handler_capi.h"
#include "include/cef_render_process_handler.h"

class CefRenderProcessHandlerCToCpp : public CefCToCpp<CefRenderProcessHandlerCToCpp,
                                                       CefRenderProcessHandler,
                                                       cef_render_process_handler_t> {
 public:
  explicit CefRenderProcessHandlerCToCpp(cef_render_process_handler_t* s) : CefCToCpp(s) {}

  void OnRenderThreadCreated(CefRefPtr<CefListValue> extra_info) override;
  void OnWebKitInitialized() override;
  void OnBrowserCreated(CefRefPtr<CefBrowser> browser) override;
  void OnBrowserDestroyed(CefRefPtr<CefBrowser> browser) override;
  CefRefPtr<CefLoadHandler> GetLoadHandler() override;
  bool OnBeforeNavigation(CefRefPtr<CefBrowser> browser,
                          CefRefPtr<CefFrame> frame,
                          CefRefPtr<CefRequest> request,
                          NavigationType navigation_type,
                          bool is_redirect) override;
  void OnContextCreated(CefRefPtr<CefBrowser> browser,
                        CefRefPtr<CefFrame> frame,
                        CefRefPtr<CefV8Context> context) override;
  void OnContextReleased(CefRefPtr<CefBrowser> browser,
                         CefRefPtr<CefFrame> frame,
                         CefRefPtr<CefV8Context> context) override;
  bool OnProcessMessageReceived(CefRefPtr<CefBrowser> browser,
                                CefProcessId source_process,
                                CefRefPtr<CefProcessMessage> message) override;
  // OnUncaughtException and OnFocusedNodeChanged keep the defaults: the
  // runtime never calls them.
};

#endif  // CEF_STAND_IN_RUNTIME_CTOCPP_RENDER_PROCESS_HANDLER_CTOCPP_H_
