#ifndef CEF_INCLUDE_CEF_COMMAND_LINE_H_
#define CEF_INCLUDE_CEF_COMMAND_LINE_H_

#include "include/cef_base.h"

#include <vector>

// A process command line, parsed the way Chromium parses its own.
class CefCommandLine : public virtual CefBase {
 public:
  typedef std::vector<CefString> ArgumentList;

  // Null when the runtime's API hash does not match this layer's.
  static CefRefPtr<CefCommandLine> CreateCommandLine();

  virtual bool IsValid() = 0;
  virtual void InitFromString(const CefString& command_line) = 0;
  virtual CefString GetProgram() = 0;
  virtual bool HasSwitches() = 0;
  // Switch names are matched without regard to ASCII case.
  virtual bool HasSwitch(const CefString& name) = 0;
  // The value of --name=value as written; empty when absent.
  virtual CefString GetSwitchValue(const CefString& name) = 0;
  virtual bool HasArguments() = 0;
};

#endif  // CEF_INCLUDE_CEF_COMMAND_LINE_H_
