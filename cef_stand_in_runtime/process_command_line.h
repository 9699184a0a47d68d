// The command line the runtime acts on: the process's own, unless a test
// put another in its place.
#ifndef CEF_STAND_IN_RUNTIME_PROCESS_COMMAND_LINE_H_
#define CEF_STAND_IN_RUNTIME_PROCESS_COMMAND_LINE_H_

#include "include/internal/cef_string.h"

CefString processCommandLine();

#endif  // CEF_STAND_IN_RUNTIME_PROCESS_COMMAND_LINE_H_
