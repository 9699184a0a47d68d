// A browser as the renderer process sees it.
#ifndef CEF_INCLUDE_CAPI_CEF_BROWSER_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_BROWSER_CAPI_H_

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_frame_capi.h"
#include "include/capi/cef_process_message_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

struct _cef_browser_host_t;
struct _cef_browser_t;
struct _cef_frame_t;
struct _cef_process_message_t;

typedef struct _cef_browser_t {
  cef_base_t base;
  struct _cef_browser_host_t*(CEF_CALLBACK* get_host)(struct _cef_browser_t* self);
  int(CEF_CALLBACK* can_go_back)(struct _cef_browser_t* self);
  void(CEF_CALLBACK* go_back)(struct _cef_browser_t* self);
  int(CEF_CALLBACK* can_go_forward)(struct _cef_browser_t* self);
  void(CEF_CALLBACK* go_forward)(struct _cef_browser_t* self);
  int(CEF_CALLBACK* is_loading)(struct _cef_browser_t* self);
  void(CEF_CALLBACK* reload)(struct _cef_browser_t* self);
  void(CEF_CALLBACK* reload_ignore_cache)(struct _cef_browser_t* self);
  void(CEF_CALLBACK* stop_load)(struct _cef_browser_t* self);
  int(CEF_CALLBACK* get_identifier)(struct _cef_browser_t* self);
  int(CEF_CALLBACK* is_same)(struct _cef_browser_t* self, struct _cef_browser_t* that);
  int(CEF_CALLBACK* is_popup)(struct _cef_browser_t* self);
  int(CEF_CALLBACK* has_document)(struct _cef_browser_t* self);
  struct _cef_frame_t*(CEF_CALLBACK* get_main_frame)(struct _cef_browser_t* self);
  struct _cef_frame_t*(CEF_CALLBACK* get_focused_frame)(struct _cef_browser_t* self);
  struct _cef_frame_t*(CEF_CALLBACK* get_frame_byident)(struct _cef_browser_t* self,
                                                        int64 identifier);
  struct _cef_frame_t*(CEF_CALLBACK* get_frame)(struct _cef_browser_t* self,
                                                const cef_string_t* name);
  size_t(CEF_CALLBACK* get_frame_count)(struct _cef_browser_t* self);
  void(CEF_CALLBACK* get_frame_identifiers)(struct _cef_browser_t* self,
                                            size_t* identifiersCount,
                                            int64* identifiers);
  void(CEF_CALLBACK* get_frame_names)(struct _cef_browser_t* self, cef_string_list_t names);
  int(CEF_CALLBACK* send_process_message)(struct _cef_browser_t* self,
                                          cef_process_id_t target_process,
                                          struct _cef_process_message_t* message);
} cef_browser_t;

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_BROWSER_CAPI_H_
