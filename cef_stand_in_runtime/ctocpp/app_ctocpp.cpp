#include "ctocpp/app_ctocpp.h"

#include "cpptoc/command_line_cpptoc.h"
#include "cpptoc/passed_through_cpptoc.h"
#include "ctocpp/passed_through_ctocpp.h"
#include "ctocpp/render_process_handler_ctocpp.h"
#include "wrapper/string_bridge.h"

void CefAppCToCpp::OnBeforeCommandLineProcessing(const CefString& process_type,
                                                 CefRefPtr<CefCommandLine> command_line) {
  cef_app_t* s = GetStruct();
  if (CEF_MEMBER_MISSING(s, on_before_command_line_processing))
    return;
  const cef_string_t type = borrowString(process_type);
  s->on_before_command_line_processing(s, &type, CefCommandLineCppToC::Wrap(command_line));
}

void CefAppCToCpp::OnRegisterCustomSchemes(CefRefPtr<CefSchemeRegistrar> registrar) {
  cef_app_t* s = GetStruct();
  if (CEF_MEMBER_MISSING(s, on_register_custom_schemes))
    return;
  s->on_register_custom_schemes(s, CefSchemeRegistrarCppToC::WrapPassedThrough(registrar));
}

CefRefPtr<CefResourceBundleHandler> CefAppCToCpp::GetResourceBundleHandler() {
  cef_app_t* s = GetStruct();
  if (CEF_MEMBER_MISSING(s, get_resource_bundle_handler))
    return nullptr;
  return CefResourceBundleHandlerCToCpp::WrapPassedThrough(s->get_resource_bundle_handler(s));
}

CefRefPtr<CefBrowserProcessHandler> CefAppCToCpp::GetBrowserProcessHandler() {
  cef_app_t* s = GetStruct();
  if (CEF_MEMBER_MISSING(s, get_browser_process_handler))
    return nullptr;
  return CefBrowserProcessHandlerCToCpp::WrapPassedThrough(s->get_browser_process_handler(s));
}

CefRefPtr<CefRenderProcessHandler> CefAppCToCpp::GetRenderProcessHandler() {
  cef_app_t* s = GetStruct();
  if (CEF_MEMBER_MISSING(s, get_render_process_handler))
    return nullptr;
  return CefRenderProcessHandlerCToCpp::Wrap(s->get_render_process_handler(s));
}
