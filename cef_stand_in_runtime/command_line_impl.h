// CefCommandLine with Chromium's parsing rules on Windows: the text is split
// like CommandLineToArgvW does, each argument is trimmed, "--", "-" and "/"
// start a switch, a switch name ends at "=", names are lower-cased (so they
// match without regard to ASCII case), values stay as written, and a later
// switch of the same name wins. A lone "--" ends the switches.
#ifndef CEF_STAND_IN_RUNTIME_COMMAND_LINE_IMPL_H_
#define CEF_STAND_IN_RUNTIME_COMMAND_LINE_IMPL_H_

#include "include/cef_command_line.h"

#include <utility>
#include <vector>

struct ParsedCommandLine {
  CefString program;
  // In command-line order, names lower-cased.
  std::vector<std::pair<CefString, CefString>> switches;
  std::vector<CefString> arguments;

  bool has(const CefString& name) const;
  // The value of the last switch of this name; empty when absent.
  CefString value(const CefString& name) const;
};

ParsedCommandLine parseCommandLine(const CefString& text);

// Lower-cases ASCII letters only, as Chromium does for switch names.
CefString lowerAscii(const CefString& text);

class CommandLineImpl : public CefCommandLine {
 public:
  CommandLineImpl() = default;

  bool IsValid() override { return true; }
  void InitFromString(const CefString& command_line) override;
  CefString GetProgram() override { return parsed_.program; }
  bool HasSwitches() override { return !parsed_.switches.empty(); }
  bool HasSwitch(const CefString& name) override { return parsed_.has(name); }
  CefString GetSwitchValue(const CefString& name) override { return parsed_.value(name); }
  bool HasArguments() override { return !parsed_.arguments.empty(); }

 private:
  ParsedCommandLine parsed_;

  IMPLEMENT_REFCOUNTING(CommandLineImpl);
};

#endif  // CEF_STAND_IN_RUNTIME_COMMAND_LINE_IMPL_H_
