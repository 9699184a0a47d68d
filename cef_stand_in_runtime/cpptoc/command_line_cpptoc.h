// The runtime's command lines handed to the client as cef_command_line_t.
#ifndef CEF_STAND_IN_RUNTIME_CPPTOC_COMMAND_LINE_CPPTOC_H_
#define CEF_STAND_IN_RUNTIME_CPPTOC_COMMAND_LINE_CPPTOC_H_

#include "wrapper/cpptoc.h"

#include "include/capi/cef_command_line_capi.h"
#include "include/cef_command_line.h"

class CefCommandLineCppToC
    : public CefCppToC<CefCommandLineCppToC, CefCommandLine, cef_command_line_t> {
 public:
  CefCommandLineCppToC();
};

#endif  // CEF_STAND_IN_RUNTIME_CPPTOC_COMMAND_LINE_CPPTOC_H_
