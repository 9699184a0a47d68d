// The exported entry of ZelWebRenderer.dll, called by the launcher when the
// embedded browser starts it as a sub-process.
#include "client_app_renderer.h"

#include "include/cef_app.h"
#include "include/cef_command_line.h"

#include <windows.h>

// Exported undecorated through ZelWebRenderer.def. The arguments are not
// read: CEF parses the process's own command line.
int main(int /*argc*/, char** /*argv*/) {
  CefMainArgs mainArgs(GetModuleHandleW(nullptr));

  CefRefPtr<CefCommandLine> commandLine = CefCommandLine::CreateCommandLine();
  // No object: the loaded libcef is of another API generation. CEF's own
  // CefExecuteProcess gives 0 for that case too.
  if (!commandLine)
    return 0;
  {
    const wchar_t* text = GetCommandLineW();
    commandLine->InitFromString(text ? CefString(text) : CefString());
  }

  bool isRenderer = false;
  {
    const CefString renderer("renderer");
    const CefString type("type");
    isRenderer = commandLine->GetSwitchValue(type) == renderer;
  }
  if (!isRenderer)
    return -1;

  CefRefPtr<CefApp> application(new ClientAppRenderer);
  const int result = CefExecuteProcess(mainArgs, application, nullptr);
  application = nullptr;
  return result;
}
