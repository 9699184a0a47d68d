// Browser-process hooks; the renderer never provides them.
#ifndef CEF_INCLUDE_CAPI_CEF_BROWSER_PROCESS_HANDLER_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_BROWSER_PROCESS_HANDLER_CAPI_H_

#include "include/capi/cef_base_capi.h"

// Only passed through by this layer: its members are not declared here.
typedef struct _cef_browser_process_handler_t cef_browser_process_handler_t;

#endif  // CEF_INCLUDE_CAPI_CEF_BROWSER_PROCESS_HANDLER_CAPI_H_
