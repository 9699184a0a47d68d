// Windows-specific plain types: the arguments handed to cef_execute_process.
#ifndef CEF_INCLUDE_INTERNAL_CEF_TYPES_WIN_H_
#define CEF_INCLUDE_INTERNAL_CEF_TYPES_WIN_H_

#include <windows.h>

typedef struct _cef_main_args_t {
  HINSTANCE instance;
} cef_main_args_t;

#endif  // CEF_INCLUDE_INTERNAL_CEF_TYPES_WIN_H_
