#include "ctocpp/render_process_handler_ctocpp.h"

#include "cpptoc/browser_cpptoc.h"
#include "cpptoc/frame_cpptoc.h"
#include "cpptoc/list_value_cpptoc.h"
#include "cpptoc/passed_through_cpptoc.h"
#include "cpptoc/process_message_cpptoc.h"
#include "cpptoc/v8context_cpptoc.h"
#include "ctocpp/passed_through_ctocpp.h"

void CefRenderProcessHandlerCToCpp::OnRenderThreadCreated(CefRefPtr<CefListValue> extra_info) {
  cef_render_process_handler_t* s = GetStruct();
  if (!CEF_MEMBER_MISSING(s, on_render_thread_created))
    s->on_render_thread_created(s, CefListValueCppToC::Wrap(extra_info));
}

void CefRenderProcessHandlerCToCpp::OnWebKitInitialized() {
  cef_render_process_handler_t* s = GetStruct();
  if (!CEF_MEMBER_MISSING(s, on_web_kit_initialized))
    s->on_web_kit_initialized(s);
}

void CefRenderProcessHandlerCToCpp::OnBrowserCreated(CefRefPtr<CefBrowser> browser) {
  cef_render_process_handler_t* s = GetStruct();
  if (!CEF_MEMBER_MISSING(s, on_browser_created))
    s->on_browser_created(s, CefBrowserCppToC::Wrap(browser));
}

void CefRenderProcessHandlerCToCpp::OnBrowserDestroyed(CefRefPtr<CefBrowser> browser) {
  cef_render_process_handler_t* s = GetStruct();
  if (!CEF_MEMBER_MISSING(s, on_browser_destroyed))
    s->on_browser_destroyed(s, CefBrowserCppToC::Wrap(browser));
}

CefRefPtr<CefLoadHandler> CefRenderProcessHandlerCToCpp::GetLoadHandler() {
  cef_render_process_handler_t* s = GetStruct();
  if (CEF_MEMBER_MISSING(s, get_load_handler))
    return nullptr;
  return CefLoadHandlerCToCpp::WrapPassedThrough(s->get_load_handler(s));
}

bool CefRenderProcessHandlerCToCpp::OnBeforeNavigation(CefRefPtr<CefBrowser> browser,
                                                       CefRefPtr<CefFrame> frame,
                                                       CefRefPtr<CefRequest> request,
                                                       NavigationType navigation_type,
                                                       bool is_redirect) {
  cef_render_process_handler_t* s = GetStruct();
  if (CEF_MEMBER_MISSING(s, on_before_navigation))
    return false;
  return s->on_before_navigation(s, CefBrowserCppToC::Wrap(browser), CefFrameCppToC::Wrap(frame),
                                 CefRequestCppToC::WrapPassedThrough(request), navigation_type,
                                 is_redirect ? 1 : 0) != 0;
}

void CefRenderProcessHandlerCToCpp::OnContextCreated(CefRefPtr<CefBrowser> browser,
                                                     CefRefPtr<CefFrame> frame,
                                                     CefRefPtr<CefV8Context> context) {
  cef_render_process_handler_t* s = GetStruct();
  if (!CEF_MEMBER_MISSING(s, on_context_created))
    s->on_context_created(s, CefBrowserCppToC::Wrap(browser), CefFrameCppToC::Wrap(frame),
                          CefV8ContextCppToC::Wrap(context));
}

void CefRenderProcessHandlerCToCpp::OnContextReleased(CefRefPtr<CefBrowser> browser,
                                                      CefRefPtr<CefFrame> frame,
                                                      CefRefPtr<CefV8Context> context) {
  cef_render_process_handler_t* s = GetStruct();
  if (!CEF_MEMBER_MISSING(s, on_context_released))
    s->on_context_released(s, CefBrowserCppToC::Wrap(browser), CefFrameCppToC::Wrap(frame),
                           CefV8ContextCppToC::Wrap(context));
}

bool CefRenderProcessHandlerCToCpp::OnProcessMessageReceived(CefRefPtr<CefBrowser> browser,
                                                             CefProcessId source_process,
                                                             CefRefPtr<CefProcessMessage> message) {
  cef_render_process_handler_t* s = GetStruct();
  if (CEF_MEMBER_MISSING(s, on_process_message_received))
    return false;
  return s->on_process_message_received(s, CefBrowserCppToC::Wrap(browser), source_process,
                                        CefProcessMessageCppToC::Wrap(message)) != 0;
}
