#include "bridge_app.h"

#include "borrowed_string.h"
#include "client_object.h"
#include "runtime_references.h"

#include <wchar.h>

static const char16 kFunctionName[] = L"JS_COMMUNICATION";
static const char16 kObjectName[] = L"cpp";

static bridge_observations observed;

const bridge_observations* bridge_observed(void) {
  return &observed;
}

static void record_first_argument(bridge_call* call, cef_v8value_t* value) {
  cef_string_userfree_t text;
  call->first_is_string = value->is_string(value);
  if (!call->first_is_string)
    return;
  text = value->get_string_value(value);
  if (!text)
    return;
  call->text_length = text->length;
  if (text->length <= BRIDGE_MAX_TEXT)
    wmemcpy(call->text, text->str, text->length);
  cef_string_userfree_utf16_free(text);
}

static int CEF_CALLBACK bridge_execute(cef_v8handler_t* self,
                                       const cef_string_t* name,
                                       cef_v8value_t* object,
                                       size_t arguments_count,
                                       cef_v8value_t* const* arguments,
                                       cef_v8value_t** retval,
                                       cef_string_t* exception) {
  cef_string_t expected_name = {NULL, 0, NULL};
  bridge_call* call = NULL;
  size_t i;
  (void)self;
  (void)retval;
  (void)exception;
  runtime_ref_received(object);
  for (i = 0; i < arguments_count; ++i)
    runtime_ref_received(arguments[i]);

  if (observed.call_count < BRIDGE_MAX_CALLS)
    call = &observed.calls[observed.call_count];
  ++observed.call_count;
  if (call) {
    /* A copy made by the runtime's allocator, freed by it again. */
    cef_string_utf16_set(kFunctionName, wcslen(kFunctionName), &expected_name, 1);
    call->name_matches = cef_string_utf16_cmp(name, &expected_name) == 0;
    cef_string_utf16_clear(&expected_name);
    call->argument_count = arguments_count;
    if (arguments_count > 0)
      record_first_argument(call, arguments[0]);
  }

  runtime_ref_release(object);
  for (i = 0; i < arguments_count; ++i)
    runtime_ref_release(arguments[i]);
  return call && call->name_matches && arguments_count == 1 && call->first_is_string;
}

static cef_v8handler_t* bridge_handler_create(void) {
  cef_v8handler_t* handler = (cef_v8handler_t*)client_object_create(sizeof(cef_v8handler_t), NULL);
  handler->execute = bridge_execute;
  return handler;
}

static void set_property(cef_v8value_t* target, const char16* key, cef_v8value_t* value) {
  const cef_string_t key_string = borrowed_string(key);
  if (target->set_value_bykey(target, &key_string, runtime_ref_hand_over(value),
                              V8_PROPERTY_ATTRIBUTE_NONE))
    ++observed.properties_set;
}

static void CEF_CALLBACK on_context_created(cef_render_process_handler_t* self,
                                            cef_browser_t* browser,
                                            cef_frame_t* frame,
                                            cef_v8context_t* context) {
  cef_string_t function_name = {NULL, 0, NULL};
  cef_v8value_t* global;
  cef_v8value_t* function;
  cef_v8value_t* object;
  (void)self;
  runtime_ref_received(browser);
  runtime_ref_received(frame);
  runtime_ref_received(context);
  ++observed.contexts_created;

  global = (cef_v8value_t*)runtime_ref_received(context->get_global(context));
  cef_string_utf16_set(kFunctionName, wcslen(kFunctionName), &function_name, 1);
  /* The new handler's only reference goes to the function. */
  function = (cef_v8value_t*)runtime_ref_received(
      cef_v8value_create_function(&function_name, bridge_handler_create()));
  cef_string_utf16_clear(&function_name);
  object = (cef_v8value_t*)runtime_ref_received(cef_v8value_create_object(NULL));

  if (global && object) {
    runtime_ref_add(object);
    set_property(global, kObjectName, object);
  }
  if (object && function) {
    set_property(object, kFunctionName, function);
    function = NULL;
  }

  runtime_ref_release(function);
  runtime_ref_release(object);
  runtime_ref_release(global);
  runtime_ref_release(context);
  runtime_ref_release(frame);
  runtime_ref_release(browser);
}

static void CEF_CALLBACK on_context_released(cef_render_process_handler_t* self,
                                             cef_browser_t* browser,
                                             cef_frame_t* frame,
                                             cef_v8context_t* context) {
  (void)self;
  ++observed.contexts_released;
  runtime_ref_release(runtime_ref_received(browser));
  runtime_ref_release(runtime_ref_received(frame));
  runtime_ref_release(runtime_ref_received(context));
}

static void CEF_CALLBACK on_render_thread_created(cef_render_process_handler_t* self,
                                                  cef_list_value_t* extra_info) {
  (void)self;
  ++observed.render_threads_created;
  runtime_ref_release(runtime_ref_received(extra_info));
}

static void CEF_CALLBACK on_browser_created(cef_render_process_handler_t* self,
                                            cef_browser_t* browser) {
  (void)self;
  ++observed.browsers_created;
  runtime_ref_release(runtime_ref_received(browser));
}

static void CEF_CALLBACK on_browser_destroyed(cef_render_process_handler_t* self,
                                              cef_browser_t* browser) {
  (void)self;
  ++observed.browsers_destroyed;
  runtime_ref_release(runtime_ref_received(browser));
}

/* The hooks left null are missing members that the runtime must skip. */
static cef_render_process_handler_t* render_process_handler_create(void) {
  cef_render_process_handler_t* handler = (cef_render_process_handler_t*)client_object_create(
      sizeof(cef_render_process_handler_t), NULL);
  handler->on_render_thread_created = on_render_thread_created;
  handler->on_browser_created = on_browser_created;
  handler->on_browser_destroyed = on_browser_destroyed;
  handler->on_context_created = on_context_created;
  handler->on_context_released = on_context_released;
  return handler;
}

typedef struct bridge_app {
  cef_app_t cef; /* first: the runtime sees only this */
  cef_render_process_handler_t* handler;
} bridge_app;

static cef_render_process_handler_t* CEF_CALLBACK get_render_process_handler(cef_app_t* self) {
  cef_render_process_handler_t* handler = ((bridge_app*)self)->handler;
  handler->base.add_ref(&handler->base);
  return handler;
}

static void destroy_app(cef_base_t* self) {
  cef_render_process_handler_t* handler = ((bridge_app*)self)->handler;
  handler->base.release(&handler->base);
}

cef_app_t* bridge_app_create(void) {
  bridge_app* app = (bridge_app*)client_object_create(sizeof(bridge_app), destroy_app);
  /* The runtime knows only cef_app_t; our own fields lie past its size. */
  app->cef.base.size = sizeof(cef_app_t);
  app->cef.get_render_process_handler = get_render_process_handler;
  app->handler = render_process_handler_create();
  return &app->cef;
}
