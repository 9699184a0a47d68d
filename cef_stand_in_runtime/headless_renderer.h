// The renderer sub-process of the stand-in: no window, no network; it loads
// the pages named on its command line into frames, calls the application's
// hooks in CEF's order and reports to the browser side through the channel.
#ifndef CEF_STAND_IN_RUNTIME_HEADLESS_RENDERER_H_
#define CEF_STAND_IN_RUNTIME_HEADLESS_RENDERER_H_

#include "command_line_impl.h"

#include "include/cef_app.h"

// CefExecuteProcess for the given command line: -1 for the browser process
// (no --type), otherwise the sub-process's exit code.
int executeProcess(const CefString& commandLine, CefRefPtr<CefApp> application);

#endif  // CEF_STAND_IN_RUNTIME_HEADLESS_RENDERER_H_
