// The static factories of CEF's value classes, served by the runtime.
#include "runtime_entry_points.h"

CefRefPtr<CefListValue> CefListValue::Create() {
  return adoptReference(cef_stand_in_list_value_create());
}

CefRefPtr<CefProcessMessage> CefProcessMessage::Create(const CefString& name) {
  return adoptReference(cef_stand_in_process_message_create(name));
}

CefRefPtr<CefV8Context> CefV8Context::GetCurrentContext() {
  return adoptReference(cef_stand_in_v8context_get_current());
}

CefRefPtr<CefV8Context> CefV8Context::GetEnteredContext() {
  return adoptReference(cef_stand_in_v8context_get_entered());
}

bool CefV8Context::InContext() {
  return GetCurrentContext() != nullptr;
}

CefRefPtr<CefV8Value> CefV8Value::CreateUndefined() {
  return adoptReference(cef_stand_in_v8value_create_undefined());
}

CefRefPtr<CefV8Value> CefV8Value::CreateNull() {
  return adoptReference(cef_stand_in_v8value_create_null());
}

CefRefPtr<CefV8Value> CefV8Value::CreateBool(bool value) {
  return adoptReference(cef_stand_in_v8value_create_bool(value));
}

CefRefPtr<CefV8Value> CefV8Value::CreateInt(int32 value) {
  return adoptReference(cef_stand_in_v8value_create_int(value));
}

CefRefPtr<CefV8Value> CefV8Value::CreateUInt(uint32 value) {
  return adoptReference(cef_stand_in_v8value_create_uint(value));
}

CefRefPtr<CefV8Value> CefV8Value::CreateDouble(double value) {
  return adoptReference(cef_stand_in_v8value_create_double(value));
}

CefRefPtr<CefV8Value> CefV8Value::CreateString(const CefString& value) {
  return adoptReference(cef_stand_in_v8value_create_string(value));
}

CefRefPtr<CefV8Value> CefV8Value::CreateObject(CefRefPtr<CefV8Accessor> accessor) {
  return adoptReference(cef_stand_in_v8value_create_object(accessor.get()));
}

CefRefPtr<CefV8Value> CefV8Value::CreateArray(int length) {
  return adoptReference(cef_stand_in_v8value_create_array(length));
}

CefRefPtr<CefV8Value> CefV8Value::CreateFunction(const CefString& name,
                                                 CefRefPtr<CefV8Handler> handler) {
  return adoptReference(cef_stand_in_v8value_create_function(name, handler.get()));
}
