/* The part of CEF 3's C API (the CefBase generation, UTF-16 strings, Windows
 * x64) that this client uses, declared here from the published facts of the
 * libcef.dll boundary. Nothing of the renderer's C++ layer is used: the point
 * of this client is that plain C structs and C functions are all it takes. */
#ifndef CEF_CAPI_CLIENT_CEF_C_API_H
#define CEF_CAPI_CLIENT_CEF_C_API_H

#include <stddef.h>
#include <stdint.h>
#include <windows.h>

#define CEF_CALLBACK __stdcall

typedef wchar_t char16;

typedef struct cef_string_utf16_t {
  char16* str;
  size_t length;
  void (*dtor)(char16* str);
} cef_string_utf16_t;
typedef cef_string_utf16_t cef_string_t;
typedef cef_string_utf16_t* cef_string_userfree_utf16_t;
typedef cef_string_userfree_utf16_t cef_string_userfree_t;

typedef struct cef_main_args_t {
  HINSTANCE instance;
} cef_main_args_t;

typedef enum { PID_BROWSER = 0, PID_RENDERER = 1 } cef_process_id_t;
typedef enum { V8_PROPERTY_ATTRIBUTE_NONE = 0 } cef_v8_propertyattribute_t;
typedef int cef_v8_accesscontrol_t;
typedef int cef_navigation_type_t;
typedef void* cef_string_list_t;
typedef void* cef_string_map_t;

typedef struct cef_base_t {
  size_t size;
  void(CEF_CALLBACK* add_ref)(struct cef_base_t* self);
  int(CEF_CALLBACK* release)(struct cef_base_t* self);
  int(CEF_CALLBACK* has_one_ref)(struct cef_base_t* self);
} cef_base_t;

/* Only passed through or released: their members are never called here. */
typedef struct cef_browser_t cef_browser_t;
typedef struct cef_frame_t cef_frame_t;
typedef struct cef_list_value_t cef_list_value_t;
typedef struct cef_process_message_t cef_process_message_t;
typedef struct cef_request_t cef_request_t;
typedef struct cef_domnode_t cef_domnode_t;
typedef struct cef_load_handler_t cef_load_handler_t;
typedef struct cef_scheme_registrar_t cef_scheme_registrar_t;
typedef struct cef_resource_bundle_handler_t cef_resource_bundle_handler_t;
typedef struct cef_browser_process_handler_t cef_browser_process_handler_t;
typedef struct cef_task_runner_t cef_task_runner_t;
typedef struct cef_v8accessor_t cef_v8accessor_t;
typedef struct cef_v8exception_t cef_v8exception_t;
typedef struct cef_v8stack_trace_t cef_v8stack_trace_t;

struct cef_v8value_t;
struct cef_v8context_t;

typedef struct cef_command_line_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_valid)(struct cef_command_line_t* self);
  int(CEF_CALLBACK* is_read_only)(struct cef_command_line_t* self);
  struct cef_command_line_t*(CEF_CALLBACK* copy)(struct cef_command_line_t* self);
  void(CEF_CALLBACK* init_from_argv)(struct cef_command_line_t* self,
                                     int argc,
                                     const char* const* argv);
  void(CEF_CALLBACK* init_from_string)(struct cef_command_line_t* self,
                                       const cef_string_t* command_line);
  void(CEF_CALLBACK* reset)(struct cef_command_line_t* self);
  void(CEF_CALLBACK* get_argv)(struct cef_command_line_t* self, cef_string_list_t argv);
  cef_string_userfree_t(CEF_CALLBACK* get_command_line_string)(struct cef_command_line_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_program)(struct cef_command_line_t* self);
  void(CEF_CALLBACK* set_program)(struct cef_command_line_t* self, const cef_string_t* program);
  int(CEF_CALLBACK* has_switches)(struct cef_command_line_t* self);
  int(CEF_CALLBACK* has_switch)(struct cef_command_line_t* self, const cef_string_t* name);
  cef_string_userfree_t(CEF_CALLBACK* get_switch_value)(struct cef_command_line_t* self,
                                                        const cef_string_t* name);
  /* Later members are never reached by this client. */
} cef_command_line_t;

typedef struct cef_v8handler_t {
  cef_base_t base;
  int(CEF_CALLBACK* execute)(struct cef_v8handler_t* self,
                             const cef_string_t* name,
                             struct cef_v8value_t* object,
                             size_t argumentsCount,
                             struct cef_v8value_t* const* arguments,
                             struct cef_v8value_t** retval,
                             cef_string_t* exception);
} cef_v8handler_t;

typedef struct cef_v8value_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_valid)(struct cef_v8value_t* self);
  int(CEF_CALLBACK* is_undefined)(struct cef_v8value_t* self);
  int(CEF_CALLBACK* is_null)(struct cef_v8value_t* self);
  int(CEF_CALLBACK* is_bool)(struct cef_v8value_t* self);
  int(CEF_CALLBACK* is_int)(struct cef_v8value_t* self);
  int(CEF_CALLBACK* is_uint)(struct cef_v8value_t* self);
  int(CEF_CALLBACK* is_double)(struct cef_v8value_t* self);
  int(CEF_CALLBACK* is_date)(struct cef_v8value_t* self);
  int(CEF_CALLBACK* is_string)(struct cef_v8value_t* self);
  int(CEF_CALLBACK* is_object)(struct cef_v8value_t* self);
  int(CEF_CALLBACK* is_array)(struct cef_v8value_t* self);
  int(CEF_CALLBACK* is_function)(struct cef_v8value_t* self);
  int(CEF_CALLBACK* is_same)(struct cef_v8value_t* self, struct cef_v8value_t* that);
  int(CEF_CALLBACK* get_bool_value)(struct cef_v8value_t* self);
  int32_t(CEF_CALLBACK* get_int_value)(struct cef_v8value_t* self);
  uint32_t(CEF_CALLBACK* get_uint_value)(struct cef_v8value_t* self);
  double(CEF_CALLBACK* get_double_value)(struct cef_v8value_t* self);
  void(CEF_CALLBACK* get_date_value)(void); /* returns a cef_time_t; never called here */
  cef_string_userfree_t(CEF_CALLBACK* get_string_value)(struct cef_v8value_t* self);
  int(CEF_CALLBACK* is_user_created)(struct cef_v8value_t* self);
  int(CEF_CALLBACK* has_exception)(struct cef_v8value_t* self);
  cef_v8exception_t*(CEF_CALLBACK* get_exception)(struct cef_v8value_t* self);
  int(CEF_CALLBACK* clear_exception)(struct cef_v8value_t* self);
  int(CEF_CALLBACK* will_rethrow_exceptions)(struct cef_v8value_t* self);
  int(CEF_CALLBACK* set_rethrow_exceptions)(struct cef_v8value_t* self, int rethrow);
  int(CEF_CALLBACK* has_value_bykey)(struct cef_v8value_t* self, const cef_string_t* key);
  int(CEF_CALLBACK* has_value_byindex)(struct cef_v8value_t* self, int index);
  int(CEF_CALLBACK* delete_value_bykey)(struct cef_v8value_t* self, const cef_string_t* key);
  int(CEF_CALLBACK* delete_value_byindex)(struct cef_v8value_t* self, int index);
  struct cef_v8value_t*(CEF_CALLBACK* get_value_bykey)(struct cef_v8value_t* self,
                                                       const cef_string_t* key);
  struct cef_v8value_t*(CEF_CALLBACK* get_value_byindex)(struct cef_v8value_t* self, int index);
  int(CEF_CALLBACK* set_value_bykey)(struct cef_v8value_t* self,
                                     const cef_string_t* key,
                                     struct cef_v8value_t* value,
                                     cef_v8_propertyattribute_t attribute);
  /* Later members are never reached by this client. */
} cef_v8value_t;

typedef struct cef_v8context_t {
  cef_base_t base;
  cef_task_runner_t*(CEF_CALLBACK* get_task_runner)(struct cef_v8context_t* self);
  int(CEF_CALLBACK* is_valid)(struct cef_v8context_t* self);
  cef_browser_t*(CEF_CALLBACK* get_browser)(struct cef_v8context_t* self);
  cef_frame_t*(CEF_CALLBACK* get_frame)(struct cef_v8context_t* self);
  cef_v8value_t*(CEF_CALLBACK* get_global)(struct cef_v8context_t* self);
  /* Later members are never reached by this client. */
} cef_v8context_t;

/* The two structs below are made by this client, so they are declared in
 * full: the runtime reads `size` and treats null members as missing. */
typedef struct cef_render_process_handler_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_render_thread_created)(struct cef_render_process_handler_t* self,
                                               cef_list_value_t* extra_info);
  void(CEF_CALLBACK* on_web_kit_initialized)(struct cef_render_process_handler_t* self);
  void(CEF_CALLBACK* on_browser_created)(struct cef_render_process_handler_t* self,
                                         cef_browser_t* browser);
  void(CEF_CALLBACK* on_browser_destroyed)(struct cef_render_process_handler_t* self,
                                           cef_browser_t* browser);
  cef_load_handler_t*(CEF_CALLBACK* get_load_handler)(struct cef_render_process_handler_t* self);
  int(CEF_CALLBACK* on_before_navigation)(struct cef_render_process_handler_t* self,
                                          cef_browser_t* browser,
                                          cef_frame_t* frame,
                                          cef_request_t* request,
                                          cef_navigation_type_t navigation_type,
                                          int is_redirect);
  void(CEF_CALLBACK* on_context_created)(struct cef_render_process_handler_t* self,
                                         cef_browser_t* browser,
                                         cef_frame_t* frame,
                                         cef_v8context_t* context);
  void(CEF_CALLBACK* on_context_released)(struct cef_render_process_handler_t* self,
                                          cef_browser_t* browser,
                                          cef_frame_t* frame,
                                          cef_v8context_t* context);
  void(CEF_CALLBACK* on_uncaught_exception)(struct cef_render_process_handler_t* self,
                                            cef_browser_t* browser,
                                            cef_frame_t* frame,
                                            cef_v8context_t* context,
                                            cef_v8exception_t* exception,
                                            cef_v8stack_trace_t* stackTrace);
  void(CEF_CALLBACK* on_focused_node_changed)(struct cef_render_process_handler_t* self,
                                              cef_browser_t* browser,
                                              cef_frame_t* frame,
                                              cef_domnode_t* node);
  int(CEF_CALLBACK* on_process_message_received)(struct cef_render_process_handler_t* self,
                                                 cef_browser_t* browser,
                                                 cef_process_id_t source_process,
                                                 cef_process_message_t* message);
} cef_render_process_handler_t;

typedef struct cef_app_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_before_command_line_processing)(struct cef_app_t* self,
                                                        const cef_string_t* process_type,
                                                        cef_command_line_t* command_line);
  void(CEF_CALLBACK* on_register_custom_schemes)(struct cef_app_t* self,
                                                 cef_scheme_registrar_t* registrar);
  cef_resource_bundle_handler_t*(CEF_CALLBACK* get_resource_bundle_handler)(struct cef_app_t* self);
  cef_browser_process_handler_t*(CEF_CALLBACK* get_browser_process_handler)(struct cef_app_t* self);
  cef_render_process_handler_t*(CEF_CALLBACK* get_render_process_handler)(struct cef_app_t* self);
} cef_app_t;

/* Functions exported by libcef.dll. */
const char* cef_api_hash(int entry);
int cef_execute_process(const cef_main_args_t* args,
                        cef_app_t* application,
                        void* windows_sandbox_info);
cef_command_line_t* cef_command_line_create(void);
cef_v8value_t* cef_v8value_create_function(const cef_string_t* name, cef_v8handler_t* handler);
cef_v8value_t* cef_v8value_create_object(cef_v8accessor_t* accessor);
int cef_string_utf16_set(const char16* src, size_t src_len, cef_string_utf16_t* output, int copy);
void cef_string_utf16_clear(cef_string_utf16_t* str);
int cef_string_utf16_cmp(const cef_string_utf16_t* str1, const cef_string_utf16_t* str2);
void cef_string_userfree_utf16_free(cef_string_userfree_utf16_t str);

#endif
