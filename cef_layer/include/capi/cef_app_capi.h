// The application object as libcef sees it, and the process entry.
#ifndef CEF_INCLUDE_CAPI_CEF_APP_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_APP_CAPI_H_

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_browser_process_handler_capi.h"
#include "include/capi/cef_command_line_capi.h"
#include "include/capi/cef_render_process_handler_capi.h"
#include "include/capi/cef_resource_bundle_handler_capi.h"
#include "include/capi/cef_scheme_capi.h"
#include "include/internal/cef_types_win.h"

#ifdef __cplusplus
extern "C" {
#endif

struct _cef_app_t;
struct _cef_browser_process_handler_t;
struct _cef_command_line_t;
struct _cef_main_args_t;
struct _cef_render_process_handler_t;
struct _cef_resource_bundle_handler_t;
struct _cef_scheme_registrar_t;

typedef struct _cef_app_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_before_command_line_processing)(struct _cef_app_t* self,
                                                        const cef_string_t* process_type,
                                                        struct _cef_command_line_t* command_line);
  void(CEF_CALLBACK* on_register_custom_schemes)(struct _cef_app_t* self,
                                                 struct _cef_scheme_registrar_t* registrar);
  struct _cef_resource_bundle_handler_t*(CEF_CALLBACK* get_resource_bundle_handler)(
      struct _cef_app_t* self);
  struct _cef_browser_process_handler_t*(CEF_CALLBACK* get_browser_process_handler)(
      struct _cef_app_t* self);
  struct _cef_render_process_handler_t*(CEF_CALLBACK* get_render_process_handler)(
      struct _cef_app_t* self);
} cef_app_t;

// -1 at once in the browser process; a sub-process's exit code otherwise.
CEF_EXPORT int cef_execute_process(const struct _cef_main_args_t* args,
                                   cef_app_t* application,
                                   void* windows_sandbox_info);

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_APP_CAPI_H_
