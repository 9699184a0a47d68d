// CefCommandLine over the runtime's cef_command_line_t.
#ifndef CEF_LAYER_WRAPPER_CTOCPP_COMMAND_LINE_CTOCPP_H_
#define CEF_LAYER_WRAPPER_CTOCPP_COMMAND_LINE_CTOCPP_H_

#include "wrapper/ctocpp.h"

#include "include/capi/cef_command_line_capi.h"
#include "include/cef_command_line.h"

class CefCommandLineCToCpp
    : public CefCToCpp<CefCommandLineCToCpp, CefCommandLine, cef_command_line_t> {
 public:
  explicit CefCommandLineCToCpp(cef_command_line_t* s) : CefCToCpp(s) {}

  bool IsValid() override;
  void InitFromString(const CefString& command_line) override;
  CefString GetProgram() override;
  bool HasSwitches() override;
  bool HasSwitch(const CefString& name) override;
  CefString GetSwitchValue(const CefString& name) override;
  bool HasArguments() override;
};

#endif  // CEF_LAYER_WRAPPER_CTOCPP_COMMAND_LINE_CTOCPP_H_
