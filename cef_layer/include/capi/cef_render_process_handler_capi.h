// The renderer-side hooks that libcef calls on the application.
#ifndef CEF_INCLUDE_CAPI_CEF_RENDER_PROCESS_HANDLER_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_RENDER_PROCESS_HANDLER_CAPI_H_

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_browser_capi.h"
#include "include/capi/cef_dom_capi.h"
#include "include/capi/cef_frame_capi.h"
#include "include/capi/cef_load_handler_capi.h"
#include "include/capi/cef_process_message_capi.h"
#include "include/capi/cef_request_capi.h"
#include "include/capi/cef_v8_capi.h"
#include "include/capi/cef_values_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

struct _cef_browser_t;
struct _cef_domnode_t;
struct _cef_frame_t;
struct _cef_list_value_t;
struct _cef_load_handler_t;
struct _cef_process_message_t;
struct _cef_render_process_handler_t;
struct _cef_request_t;
struct _cef_v8context_t;
struct _cef_v8exception_t;
struct _cef_v8stack_trace_t;

typedef struct _cef_render_process_handler_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_render_thread_created)(struct _cef_render_process_handler_t* self,
                                               struct _cef_list_value_t* extra_info);
  void(CEF_CALLBACK* on_web_kit_initialized)(struct _cef_render_process_handler_t* self);
  void(CEF_CALLBACK* on_browser_created)(struct _cef_render_process_handler_t* self,
                                         struct _cef_browser_t* browser);
  void(CEF_CALLBACK* on_browser_destroyed)(struct _cef_render_process_handler_t* self,
                                           struct _cef_browser_t* browser);
  struct _cef_load_handler_t*(CEF_CALLBACK* get_load_handler)(
      struct _cef_render_process_handler_t* self);
  int(CEF_CALLBACK* on_before_navigation)(struct _cef_render_process_handler_t* self,
                                          struct _cef_browser_t* browser,
                                          struct _cef_frame_t* frame,
                                          struct _cef_request_t* request,
                                          cef_navigation_type_t navigation_type,
                                          int is_redirect);
  void(CEF_CALLBACK* on_context_created)(struct _cef_render_process_handler_t* self,
                                         struct _cef_browser_t* browser,
                                         struct _cef_frame_t* frame,
                                         struct _cef_v8context_t* context);
  void(CEF_CALLBACK* on_context_released)(struct _cef_render_process_handler_t* self,
                                          struct _cef_browser_t* browser,
                                          struct _cef_frame_t* frame,
                                          struct _cef_v8context_t* context);
  void(CEF_CALLBACK* on_uncaught_exception)(struct _cef_render_process_handler_t* self,
                                            struct _cef_browser_t* browser,
                                            struct _cef_frame_t* frame,
                                            struct _cef_v8context_t* context,
                                            struct _cef_v8exception_t* exception,
                                            struct _cef_v8stack_trace_t* stackTrace);
  void(CEF_CALLBACK* on_focused_node_changed)(struct _cef_render_process_handler_t* self,
                                              struct _cef_browser_t* browser,
                                              struct _cef_frame_t* frame,
                                              struct _cef_domnode_t* node);
  int(CEF_CALLBACK* on_process_message_received)(struct _cef_render_process_handler_t* self,
                                                 struct _cef_browser_t* browser,
                                                 cef_process_id_t source_process,
                                                 struct _cef_process_message_t* message);
} cef_render_process_handler_t;

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_RENDER_PROCESS_HANDLER_CAPI_H_
