// CefExecuteProcess and CefCommandLine::CreateCommandLine: like CEF's own
// wrapper, refuse a runtime of another API generation before touching it.
#include "api_hash_check.h"

#include "wrapper/cpptoc/app_cpptoc.h"
#include "wrapper/ctocpp/command_line_ctocpp.h"

#include "include/capi/cef_app_capi.h"
#include "include/capi/cef_command_line_capi.h"
#include "include/cef_app.h"

int CefExecuteProcess(const CefMainArgs& args,
                      CefRefPtr<CefApp> application,
                      void* windows_sandbox_info) {
  if (!runtimeApiHashMatches())
    return 0;
  return cef_execute_process(&args, CefAppCppToC::Wrap(application), windows_sandbox_info);
}

CefRefPtr<CefCommandLine> CefCommandLine::CreateCommandLine() {
  if (!runtimeApiHashMatches())
    return nullptr;
  return CefCommandLineCToCpp::Wrap(cef_command_line_create());
}
