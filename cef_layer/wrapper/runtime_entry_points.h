// The entry points that the stand-in libcef.dll exports for this layer's
// wrapper. Each object comes with one reference that the caller owns
// (adoptReference below takes it over).
#ifndef CEF_LAYER_WRAPPER_RUNTIME_ENTRY_POINTS_H_
#define CEF_LAYER_WRAPPER_RUNTIME_ENTRY_POINTS_H_

#include "include/cef_app.h"
#include "include/cef_command_line.h"
#include "include/cef_process_message.h"
#include "include/cef_v8.h"
#include "include/cef_values.h"
#include "include/cef_version.h"

extern "C" {

CEF_EXPORT int cef_stand_in_execute_process(const CefMainArgs& args,
                                            CefApp* application,
                                            void* windows_sandbox_info);
CEF_EXPORT CefCommandLine* cef_stand_in_command_line_create();
CEF_EXPORT CefListValue* cef_stand_in_list_value_create();
CEF_EXPORT CefProcessMessage* cef_stand_in_process_message_create(const CefString& name);

CEF_EXPORT CefV8Context* cef_stand_in_v8context_get_current();
CEF_EXPORT CefV8Context* cef_stand_in_v8context_get_entered();

CEF_EXPORT CefV8Value* cef_stand_in_v8value_create_undefined();
CEF_EXPORT CefV8Value* cef_stand_in_v8value_create_null();
CEF_EXPORT CefV8Value* cef_stand_in_v8value_create_bool(bool value);
CEF_EXPORT CefV8Value* cef_stand_in_v8value_create_int(int32 value);
CEF_EXPORT CefV8Value* cef_stand_in_v8value_create_uint(uint32 value);
CEF_EXPORT CefV8Value* cef_stand_in_v8value_create_double(double value);
CEF_EXPORT CefV8Value* cef_stand_in_v8value_create_string(const CefString& value);
CEF_EXPORT CefV8Value* cef_stand_in_v8value_create_object(CefV8Accessor* accessor);
CEF_EXPORT CefV8Value* cef_stand_in_v8value_create_array(int length);
CEF_EXPORT CefV8Value* cef_stand_in_v8value_create_function(const CefString& name,
                                                            CefV8Handler* handler);
}

// Takes over the reference that an entry point handed out.
template <typename T>
CefRefPtr<T> adoptReference(T* object) {
  CefRefPtr<T> owner(object);
  if (object)
    object->Release();
  return owner;
}

#endif  // CEF_LAYER_WRAPPER_RUNTIME_ENTRY_POINTS_H_
