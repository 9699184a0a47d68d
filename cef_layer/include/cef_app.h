// CefApp, the application object, and the process entry.
#ifndef CEF_INCLUDE_CEF_APP_H_
#define CEF_INCLUDE_CEF_APP_H_

#include "include/cef_base.h"
#include "include/cef_browser_process_handler.h"
#include "include/cef_command_line.h"
#include "include/cef_render_process_handler.h"
#include "include/cef_resource_bundle_handler.h"
#include "include/cef_scheme.h"

class CefApp;

// Runs a sub-process and returns its exit code (>= 0); returns -1 at once
// in the browser process, and 0 without running anything when the runtime's
// API hash differs from this layer's.
int CefExecuteProcess(const CefMainArgs& args,
                      CefRefPtr<CefApp> application,
                      void* windows_sandbox_info);

// Hooks of the application object, in slot order.
class CefApp : public virtual CefBase {
 public:
  virtual void OnBeforeCommandLineProcessing(const CefString& process_type,
                                             CefRefPtr<CefCommandLine> command_line) {}
  virtual void OnRegisterCustomSchemes(CefRefPtr<CefSchemeRegistrar> registrar) {}
  virtual CefRefPtr<CefResourceBundleHandler> GetResourceBundleHandler() { return NULL; }
  virtual CefRefPtr<CefBrowserProcessHandler> GetBrowserProcessHandler() { return NULL; }
  virtual CefRefPtr<CefRenderProcessHandler> GetRenderProcessHandler() { return NULL; }
};

#endif  // CEF_INCLUDE_CEF_APP_H_
