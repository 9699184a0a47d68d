// Test-only entry of the stand-in runtime: runs what CefExecuteProcess runs,
// with a given command line instead of the process's own.
#ifndef CEF_STAND_IN_RUNTIME_STAND_IN_TEST_API_H_
#define CEF_STAND_IN_RUNTIME_STAND_IN_TEST_API_H_

#include "include/cef_app.h"

extern "C" CEF_EXPORT int cef_stand_in_run_renderer(const CefString& command_line,
                                                    CefApp* application);

#endif  // CEF_STAND_IN_RUNTIME_STAND_IN_TEST_API_H_
