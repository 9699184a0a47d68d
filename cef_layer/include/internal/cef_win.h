// Windows-specific types: the arguments handed to CefExecuteProcess.
#ifndef CEF_INCLUDE_INTERNAL_CEF_WIN_H_
#define CEF_INCLUDE_INTERNAL_CEF_WIN_H_

#include <windows.h>

typedef struct _cef_main_args_t {
  HINSTANCE instance;
} cef_main_args_t;

class CefMainArgs : public cef_main_args_t {
 public:
  CefMainArgs() { instance = nullptr; }
  explicit CefMainArgs(HINSTANCE hInstance) { instance = hInstance; }
};

#endif  // CEF_INCLUDE_INTERNAL_CEF_WIN_H_
