#include "process_command_line.h"

#include "stand_in_test_api.h"
#include "wrapper/string_bridge.h"

#include <windows.h>

#include <memory>

namespace {

std::unique_ptr<CefString> g_override;

}  // namespace

CefString processCommandLine() {
  if (g_override)
    return *g_override;
  const wchar_t* text = GetCommandLineW();
  return text ? CefString(text) : CefString();
}

void cef_stand_in_override_command_line(const cef_string_t* command_line) {
  if (command_line)
    g_override.reset(new CefString(copyString(command_line)));
  else
    g_override.reset();
}
