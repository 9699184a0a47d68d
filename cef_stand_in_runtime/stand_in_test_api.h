// Test-only export of the stand-in runtime (never in a real libcef.dll):
// cef_execute_process and cef_command_line_get_global read this command line
// instead of the process's own, so that tests run renderers in-process.
#ifndef CEF_STAND_IN_RUNTIME_STAND_IN_TEST_API_H_
#define CEF_STAND_IN_RUNTIME_STAND_IN_TEST_API_H_

#include "include/internal/cef_export.h"
#include "include/internal/cef_string.h"

#ifdef __cplusplus
extern "C" {
#endif

// Null goes back to the process's own command line.
CEF_EXPORT void cef_stand_in_override_command_line(const cef_string_t* command_line);

#ifdef __cplusplus
}
#endif

#endif  // CEF_STAND_IN_RUNTIME_STAND_IN_TEST_API_H_
