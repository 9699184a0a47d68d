// Windows-specific types: the arguments handed to CefExecuteProcess.
#ifndef CEF_INCLUDE_INTERNAL_CEF_WIN_H_
#define CEF_INCLUDE_INTERNAL_CEF_WIN_H_

#include "include/internal/cef_types_win.h"

#ifdef __cplusplus
class CefMainArgs : public cef_main_args_t {
 public:
  CefMainArgs() { instance = nullptr; }
  explicit CefMainArgs(HINSTANCE hInstance) { instance = hInstance; }
};
#endif

#endif  // CEF_INCLUDE_INTERNAL_CEF_WIN_H_
