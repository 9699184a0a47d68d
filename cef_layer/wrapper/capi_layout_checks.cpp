// Compile-time checks of the C structs' layouts: every member sits at the
// place the runtime expects, so a slip in member order cannot build.
#include "include/capi/cef_app_capi.h"
#include "include/capi/cef_browser_capi.h"
#include "include/capi/cef_command_line_capi.h"
#include "include/capi/cef_frame_capi.h"
#include "include/capi/cef_process_message_capi.h"
#include "include/capi/cef_render_process_handler_capi.h"
#include "include/capi/cef_v8_capi.h"
#include "include/capi/cef_values_capi.h"
#include "include/internal/cef_types_win.h"

#include <cstddef>

// Member number position (1 = the first after the base) of a struct that
// begins with a cef_base_t; every member after the base is a pointer.
#define CHECK_MEMBER(type, member, position)                                                   \
  static_assert(offsetof(type, member) == sizeof(cef_base_t) + ((position)-1) * sizeof(void*), \
                #type "::" #member " is not member " #position)

static_assert(offsetof(cef_base_t, size) == 0, "cef_base_t::size comes first");
static_assert(offsetof(cef_base_t, add_ref) == sizeof(size_t), "cef_base_t::add_ref");
static_assert(offsetof(cef_base_t, release) == sizeof(size_t) + sizeof(void*),
              "cef_base_t::release");
static_assert(offsetof(cef_base_t, has_one_ref) == sizeof(size_t) + 2 * sizeof(void*),
              "cef_base_t::has_one_ref");
static_assert(sizeof(cef_base_t) == sizeof(size_t) + 3 * sizeof(void*), "cef_base_t size");

static_assert(offsetof(cef_string_utf16_t, str) == 0, "cef_string_utf16_t::str");
static_assert(offsetof(cef_string_utf16_t, length) == sizeof(void*), "cef_string_utf16_t::length");
static_assert(offsetof(cef_string_utf16_t, dtor) == sizeof(void*) + sizeof(size_t),
              "cef_string_utf16_t::dtor");
static_assert(sizeof(char16) == 2, "UTF-16 code units");
static_assert(offsetof(cef_main_args_t, instance) == 0 && sizeof(cef_main_args_t) == sizeof(void*),
              "cef_main_args_t");

// Every struct begins with its base.
static_assert(offsetof(cef_app_t, base) == 0, "cef_app_t begins with its base");
static_assert(offsetof(cef_render_process_handler_t, base) == 0,
              "cef_render_process_handler_t begins with its base");
static_assert(offsetof(cef_browser_t, base) == 0, "cef_browser_t begins with its base");
static_assert(offsetof(cef_frame_t, base) == 0, "cef_frame_t begins with its base");
static_assert(offsetof(cef_v8context_t, base) == 0, "cef_v8context_t begins with its base");
static_assert(offsetof(cef_v8value_t, base) == 0, "cef_v8value_t begins with its base");
static_assert(offsetof(cef_v8handler_t, base) == 0, "cef_v8handler_t begins with its base");
static_assert(offsetof(cef_process_message_t, base) == 0,
              "cef_process_message_t begins with its base");
static_assert(offsetof(cef_list_value_t, base) == 0, "cef_list_value_t begins with its base");
static_assert(offsetof(cef_command_line_t, base) == 0, "cef_command_line_t begins with its base");

CHECK_MEMBER(cef_app_t, on_before_command_line_processing, 1);
CHECK_MEMBER(cef_app_t, on_register_custom_schemes, 2);
CHECK_MEMBER(cef_app_t, get_resource_bundle_handler, 3);
CHECK_MEMBER(cef_app_t, get_browser_process_handler, 4);
CHECK_MEMBER(cef_app_t, get_render_process_handler, 5);

CHECK_MEMBER(cef_render_process_handler_t, on_render_thread_created, 1);
CHECK_MEMBER(cef_render_process_handler_t, on_web_kit_initialized, 2);
CHECK_MEMBER(cef_render_process_handler_t, on_browser_created, 3);
CHECK_MEMBER(cef_render_process_handler_t, on_browser_destroyed, 4);
CHECK_MEMBER(cef_render_process_handler_t, get_load_handler, 5);
CHECK_MEMBER(cef_render_process_handler_t, on_before_navigation, 6);
CHECK_MEMBER(cef_render_process_handler_t, on_context_created, 7);
CHECK_MEMBER(cef_render_process_handler_t, on_context_released, 8);
CHECK_MEMBER(cef_render_process_handler_t, on_uncaught_exception, 9);
CHECK_MEMBER(cef_render_process_handler_t, on_focused_node_changed, 10);
CHECK_MEMBER(cef_render_process_handler_t, on_process_message_received, 11);

CHECK_MEMBER(cef_browser_t, get_host, 1);
CHECK_MEMBER(cef_browser_t, can_go_back, 2);
CHECK_MEMBER(cef_browser_t, go_back, 3);
CHECK_MEMBER(cef_browser_t, can_go_forward, 4);
CHECK_MEMBER(cef_browser_t, go_forward, 5);
CHECK_MEMBER(cef_browser_t, is_loading, 6);
CHECK_MEMBER(cef_browser_t, reload, 7);
CHECK_MEMBER(cef_browser_t, reload_ignore_cache, 8);
CHECK_MEMBER(cef_browser_t, stop_load, 9);
CHECK_MEMBER(cef_browser_t, get_identifier, 10);
CHECK_MEMBER(cef_browser_t, is_same, 11);
CHECK_MEMBER(cef_browser_t, is_popup, 12);
CHECK_MEMBER(cef_browser_t, has_document, 13);
CHECK_MEMBER(cef_browser_t, get_main_frame, 14);
CHECK_MEMBER(cef_browser_t, get_focused_frame, 15);
CHECK_MEMBER(cef_browser_t, get_frame_byident, 16);
CHECK_MEMBER(cef_browser_t, get_frame, 17);
CHECK_MEMBER(cef_browser_t, get_frame_count, 18);
CHECK_MEMBER(cef_browser_t, get_frame_identifiers, 19);
CHECK_MEMBER(cef_browser_t, get_frame_names, 20);
CHECK_MEMBER(cef_browser_t, send_process_message, 21);

CHECK_MEMBER(cef_frame_t, is_valid, 1);
CHECK_MEMBER(cef_frame_t, undo, 2);
CHECK_MEMBER(cef_frame_t, redo, 3);
CHECK_MEMBER(cef_frame_t, cut, 4);
CHECK_MEMBER(cef_frame_t, copy, 5);
CHECK_MEMBER(cef_frame_t, paste, 6);
CHECK_MEMBER(cef_frame_t, del, 7);
CHECK_MEMBER(cef_frame_t, select_all, 8);
CHECK_MEMBER(cef_frame_t, view_source, 9);
CHECK_MEMBER(cef_frame_t, get_source, 10);
CHECK_MEMBER(cef_frame_t, get_text, 11);
CHECK_MEMBER(cef_frame_t, load_request, 12);
CHECK_MEMBER(cef_frame_t, load_url, 13);
CHECK_MEMBER(cef_frame_t, load_string, 14);
CHECK_MEMBER(cef_frame_t, execute_java_script, 15);
CHECK_MEMBER(cef_frame_t, is_main, 16);
CHECK_MEMBER(cef_frame_t, is_focused, 17);
CHECK_MEMBER(cef_frame_t, get_name, 18);
CHECK_MEMBER(cef_frame_t, get_identifier, 19);
CHECK_MEMBER(cef_frame_t, get_parent, 20);
CHECK_MEMBER(cef_frame_t, get_url, 21);
CHECK_MEMBER(cef_frame_t, get_browser, 22);
CHECK_MEMBER(cef_frame_t, get_v8context, 23);
CHECK_MEMBER(cef_frame_t, visit_dom, 24);

CHECK_MEMBER(cef_v8context_t, get_task_runner, 1);
CHECK_MEMBER(cef_v8context_t, is_valid, 2);
CHECK_MEMBER(cef_v8context_t, get_browser, 3);
CHECK_MEMBER(cef_v8context_t, get_frame, 4);
CHECK_MEMBER(cef_v8context_t, get_global, 5);
CHECK_MEMBER(cef_v8context_t, enter, 6);
CHECK_MEMBER(cef_v8context_t, exit, 7);
CHECK_MEMBER(cef_v8context_t, is_same, 8);
CHECK_MEMBER(cef_v8context_t, eval, 9);

CHECK_MEMBER(cef_v8value_t, is_valid, 1);
CHECK_MEMBER(cef_v8value_t, is_undefined, 2);
CHECK_MEMBER(cef_v8value_t, is_null, 3);
CHECK_MEMBER(cef_v8value_t, is_bool, 4);
CHECK_MEMBER(cef_v8value_t, is_int, 5);
CHECK_MEMBER(cef_v8value_t, is_uint, 6);
CHECK_MEMBER(cef_v8value_t, is_double, 7);
CHECK_MEMBER(cef_v8value_t, is_date, 8);
CHECK_MEMBER(cef_v8value_t, is_string, 9);
CHECK_MEMBER(cef_v8value_t, is_object, 10);
CHECK_MEMBER(cef_v8value_t, is_array, 11);
CHECK_MEMBER(cef_v8value_t, is_function, 12);
CHECK_MEMBER(cef_v8value_t, is_same, 13);
CHECK_MEMBER(cef_v8value_t, get_bool_value, 14);
CHECK_MEMBER(cef_v8value_t, get_int_value, 15);
CHECK_MEMBER(cef_v8value_t, get_uint_value, 16);
CHECK_MEMBER(cef_v8value_t, get_double_value, 17);
CHECK_MEMBER(cef_v8value_t, get_date_value, 18);
CHECK_MEMBER(cef_v8value_t, get_string_value, 19);
CHECK_MEMBER(cef_v8value_t, is_user_created, 20);
CHECK_MEMBER(cef_v8value_t, has_exception, 21);
CHECK_MEMBER(cef_v8value_t, get_exception, 22);
CHECK_MEMBER(cef_v8value_t, clear_exception, 23);
CHECK_MEMBER(cef_v8value_t, will_rethrow_exceptions, 24);
CHECK_MEMBER(cef_v8value_t, set_rethrow_exceptions, 25);
CHECK_MEMBER(cef_v8value_t, has_value_bykey, 26);
CHECK_MEMBER(cef_v8value_t, has_value_byindex, 27);
CHECK_MEMBER(cef_v8value_t, delete_value_bykey, 28);
CHECK_MEMBER(cef_v8value_t, delete_value_byindex, 29);
CHECK_MEMBER(cef_v8value_t, get_value_bykey, 30);
CHECK_MEMBER(cef_v8value_t, get_value_byindex, 31);
CHECK_MEMBER(cef_v8value_t, set_value_bykey, 32);
CHECK_MEMBER(cef_v8value_t, set_value_byindex, 33);
CHECK_MEMBER(cef_v8value_t, set_value_byaccessor, 34);
CHECK_MEMBER(cef_v8value_t, get_keys, 35);
CHECK_MEMBER(cef_v8value_t, set_user_data, 36);
CHECK_MEMBER(cef_v8value_t, get_user_data, 37);
CHECK_MEMBER(cef_v8value_t, get_externally_allocated_memory, 38);
CHECK_MEMBER(cef_v8value_t, adjust_externally_allocated_memory, 39);
CHECK_MEMBER(cef_v8value_t, get_array_length, 40);
CHECK_MEMBER(cef_v8value_t, get_function_name, 41);
CHECK_MEMBER(cef_v8value_t, get_function_handler, 42);
CHECK_MEMBER(cef_v8value_t, execute_function, 43);
CHECK_MEMBER(cef_v8value_t, execute_function_with_context, 44);

CHECK_MEMBER(cef_v8handler_t, execute, 1);

CHECK_MEMBER(cef_process_message_t, is_valid, 1);
CHECK_MEMBER(cef_process_message_t, is_read_only, 2);
CHECK_MEMBER(cef_process_message_t, copy, 3);
CHECK_MEMBER(cef_process_message_t, get_name, 4);
CHECK_MEMBER(cef_process_message_t, get_argument_list, 5);

CHECK_MEMBER(cef_list_value_t, is_valid, 1);
CHECK_MEMBER(cef_list_value_t, is_owned, 2);
CHECK_MEMBER(cef_list_value_t, is_read_only, 3);
CHECK_MEMBER(cef_list_value_t, is_same, 4);
CHECK_MEMBER(cef_list_value_t, is_equal, 5);
CHECK_MEMBER(cef_list_value_t, copy, 6);
CHECK_MEMBER(cef_list_value_t, set_size, 7);
CHECK_MEMBER(cef_list_value_t, get_size, 8);
CHECK_MEMBER(cef_list_value_t, clear, 9);
CHECK_MEMBER(cef_list_value_t, remove, 10);
CHECK_MEMBER(cef_list_value_t, get_type, 11);
CHECK_MEMBER(cef_list_value_t, get_value, 12);
CHECK_MEMBER(cef_list_value_t, get_bool, 13);
CHECK_MEMBER(cef_list_value_t, get_int, 14);
CHECK_MEMBER(cef_list_value_t, get_double, 15);
CHECK_MEMBER(cef_list_value_t, get_string, 16);
CHECK_MEMBER(cef_list_value_t, get_binary, 17);
CHECK_MEMBER(cef_list_value_t, get_dictionary, 18);
CHECK_MEMBER(cef_list_value_t, get_list, 19);
CHECK_MEMBER(cef_list_value_t, set_value, 20);
CHECK_MEMBER(cef_list_value_t, set_null, 21);
CHECK_MEMBER(cef_list_value_t, set_bool, 22);
CHECK_MEMBER(cef_list_value_t, set_int, 23);
CHECK_MEMBER(cef_list_value_t, set_double, 24);
CHECK_MEMBER(cef_list_value_t, set_string, 25);
CHECK_MEMBER(cef_list_value_t, set_binary, 26);
CHECK_MEMBER(cef_list_value_t, set_dictionary, 27);
CHECK_MEMBER(cef_list_value_t, set_list, 28);

CHECK_MEMBER(cef_command_line_t, is_valid, 1);
CHECK_MEMBER(cef_command_line_t, is_read_only, 2);
CHECK_MEMBER(cef_command_line_t, copy, 3);
CHECK_MEMBER(cef_command_line_t, init_from_argv, 4);
CHECK_MEMBER(cef_command_line_t, init_from_string, 5);
CHECK_MEMBER(cef_command_line_t, reset, 6);
CHECK_MEMBER(cef_command_line_t, get_argv, 7);
CHECK_MEMBER(cef_command_line_t, get_command_line_string, 8);
CHECK_MEMBER(cef_command_line_t, get_program, 9);
CHECK_MEMBER(cef_command_line_t, set_program, 10);
CHECK_MEMBER(cef_command_line_t, has_switches, 11);
CHECK_MEMBER(cef_command_line_t, has_switch, 12);
CHECK_MEMBER(cef_command_line_t, get_switch_value, 13);
CHECK_MEMBER(cef_command_line_t, get_switches, 14);
CHECK_MEMBER(cef_command_line_t, append_switch, 15);
CHECK_MEMBER(cef_command_line_t, append_switch_with_value, 16);
CHECK_MEMBER(cef_command_line_t, has_arguments, 17);
CHECK_MEMBER(cef_command_line_t, get_arguments, 18);
CHECK_MEMBER(cef_command_line_t, append_argument, 19);
CHECK_MEMBER(cef_command_line_t, prepend_wrapper, 20);
