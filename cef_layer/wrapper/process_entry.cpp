// CefExecuteProcess and CefCommandLine::CreateCommandLine: like CEF's own
// wrapper, refuse a runtime of another API generation before touching it.
#include "api_hash_check.h"
#include "runtime_entry_points.h"

int CefExecuteProcess(const CefMainArgs& args,
                      CefRefPtr<CefApp> application,
                      void* windows_sandbox_info) {
  if (!runtimeApiHashMatches())
    return 0;
  return cef_stand_in_execute_process(args, application.get(), windows_sandbox_info);
}

CefRefPtr<CefCommandLine> CefCommandLine::CreateCommandLine() {
  if (!runtimeApiHashMatches())
    return nullptr;
  return adoptReference(cef_stand_in_command_line_create());
}
