// A frame of a browser.
#ifndef CEF_INCLUDE_CAPI_CEF_FRAME_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_FRAME_CAPI_H_

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_dom_capi.h"
#include "include/capi/cef_request_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

struct _cef_browser_t;
struct _cef_domvisitor_t;
struct _cef_frame_t;
struct _cef_request_t;
struct _cef_string_visitor_t;
struct _cef_v8context_t;

typedef struct _cef_frame_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* undo)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* redo)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* cut)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* copy)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* paste)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* del)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* select_all)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* view_source)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* get_source)(struct _cef_frame_t* self, struct _cef_string_visitor_t* visitor);
  void(CEF_CALLBACK* get_text)(struct _cef_frame_t* self, struct _cef_string_visitor_t* visitor);
  void(CEF_CALLBACK* load_request)(struct _cef_frame_t* self, struct _cef_request_t* request);
  void(CEF_CALLBACK* load_url)(struct _cef_frame_t* self, const cef_string_t* url);
  void(CEF_CALLBACK* load_string)(struct _cef_frame_t* self,
                                  const cef_string_t* string_val,
                                  const cef_string_t* url);
  void(CEF_CALLBACK* execute_java_script)(struct _cef_frame_t* self,
                                          const cef_string_t* code,
                                          const cef_string_t* script_url,
                                          int start_line);
  int(CEF_CALLBACK* is_main)(struct _cef_frame_t* self);
  int(CEF_CALLBACK* is_focused)(struct _cef_frame_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_name)(struct _cef_frame_t* self);
  int64(CEF_CALLBACK* get_identifier)(struct _cef_frame_t* self);
  struct _cef_frame_t*(CEF_CALLBACK* get_parent)(struct _cef_frame_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_url)(struct _cef_frame_t* self);
  struct _cef_browser_t*(CEF_CALLBACK* get_browser)(struct _cef_frame_t* self);
  struct _cef_v8context_t*(CEF_CALLBACK* get_v8context)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* visit_dom)(struct _cef_frame_t* self, struct _cef_domvisitor_t* visitor);
} cef_frame_t;

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_FRAME_CAPI_H_
