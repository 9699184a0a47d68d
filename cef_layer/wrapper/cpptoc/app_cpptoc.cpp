#include "wrapper/cpptoc/app_cpptoc.h"

#include "wrapper/cpptoc/passed_through_cpptoc.h"
#include "wrapper/cpptoc/render_process_handler_cpptoc.h"
#include "wrapper/ctocpp/command_line_ctocpp.h"
#include "wrapper/ctocpp/passed_through_ctocpp.h"
#include "wrapper/string_bridge.h"

namespace {

// Every struct handed in is taken over before the hook runs, so that its
// reference goes even when there is no object to call.

void CEF_CALLBACK onBeforeCommandLineProcessing(cef_app_t* self,
                                                const cef_string_t* process_type,
                                                cef_command_line_t* command_line) {
  CefRefPtr<CefCommandLine> commandLine = CefCommandLineCToCpp::Wrap(command_line);
  if (CefApp* app = CefAppCppToC::Get(self))
    app->OnBeforeCommandLineProcessing(copyString(process_type), commandLine);
}

void CEF_CALLBACK onRegisterCustomSchemes(cef_app_t* self, cef_scheme_registrar_t* registrar) {
  CefRefPtr<CefSchemeRegistrar> schemes = CefSchemeRegistrarCToCpp::WrapPassedThrough(registrar);
  if (CefApp* app = CefAppCppToC::Get(self))
    app->OnRegisterCustomSchemes(schemes);
}

cef_resource_bundle_handler_t* CEF_CALLBACK getResourceBundleHandler(cef_app_t* self) {
  CefApp* app = CefAppCppToC::Get(self);
  return app ? CefResourceBundleHandlerCppToC::WrapPassedThrough(app->GetResourceBundleHandler())
             : nullptr;
}

cef_browser_process_handler_t* CEF_CALLBACK getBrowserProcessHandler(cef_app_t* self) {
  CefApp* app = CefAppCppToC::Get(self);
  return app ? CefBrowserProcessHandlerCppToC::WrapPassedThrough(app->GetBrowserProcessHandler())
             : nullptr;
}

cef_render_process_handler_t* CEF_CALLBACK getRenderProcessHandler(cef_app_t* self) {
  CefApp* app = CefAppCppToC::Get(self);
  return app ? CefRenderProcessHandlerCppToC::Wrap(app->GetRenderProcessHandler()) : nullptr;
}

}  // namespace

CefAppCppToC::CefAppCppToC() {
  cef_app_t* s = GetStruct();
  s->on_before_command_line_processing = onBeforeCommandLineProcessing;
  s->on_register_custom_schemes = onRegisterCustomSchemes;
  s->get_resource_bundle_handler = getResourceBundleHandler;
  s->get_browser_process_handler = getBrowserProcessHandler;
  s->get_render_process_handler = getRenderProcessHandler;
}
