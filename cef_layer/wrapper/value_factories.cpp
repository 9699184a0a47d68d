// The static factories of CEF's value classes, served by the runtime. Like
// CefCommandLine::CreateCommandLine, they yield nothing from a runtime of
// another API generation.
#include "api_hash_check.h"

#include "wrapper/cpptoc/passed_through_cpptoc.h"
#include "wrapper/cpptoc/v8handler_cpptoc.h"
#include "wrapper/ctocpp/list_value_ctocpp.h"
#include "wrapper/ctocpp/process_message_ctocpp.h"
#include "wrapper/ctocpp/v8context_ctocpp.h"
#include "wrapper/ctocpp/v8value_ctocpp.h"
#include "wrapper/string_bridge.h"

CefRefPtr<CefListValue> CefListValue::Create() {
  if (!runtimeApiHashMatches())
    return nullptr;
  return CefListValueCToCpp::Wrap(cef_list_value_create());
}

CefRefPtr<CefProcessMessage> CefProcessMessage::Create(const CefString& name) {
  if (!runtimeApiHashMatches())
    return nullptr;
  const cef_string_t nameView = borrowString(name);
  return CefProcessMessageCToCpp::Wrap(cef_process_message_create(&nameView));
}

CefRefPtr<CefV8Context> CefV8Context::GetCurrentContext() {
  if (!runtimeApiHashMatches())
    return nullptr;
  return CefV8ContextCToCpp::Wrap(cef_v8context_get_current_context());
}

CefRefPtr<CefV8Context> CefV8Context::GetEnteredContext() {
  if (!runtimeApiHashMatches())
    return nullptr;
  return CefV8ContextCToCpp::Wrap(cef_v8context_get_entered_context());
}

bool CefV8Context::InContext() {
  return runtimeApiHashMatches() && cef_v8context_in_context() != 0;
}

CefRefPtr<CefV8Value> CefV8Value::CreateUndefined() {
  if (!runtimeApiHashMatches())
    return nullptr;
  return CefV8ValueCToCpp::Wrap(cef_v8value_create_undefined());
}

CefRefPtr<CefV8Value> CefV8Value::CreateNull() {
  if (!runtimeApiHashMatches())
    return nullptr;
  return CefV8ValueCToCpp::Wrap(cef_v8value_create_null());
}

CefRefPtr<CefV8Value> CefV8Value::CreateBool(bool value) {
  if (!runtimeApiHashMatches())
    return nullptr;
  return CefV8ValueCToCpp::Wrap(cef_v8value_create_bool(value ? 1 : 0));
}

CefRefPtr<CefV8Value> CefV8Value::CreateInt(int32 value) {
  if (!runtimeApiHashMatches())
    return nullptr;
  return CefV8ValueCToCpp::Wrap(cef_v8value_create_int(value));
}

CefRefPtr<CefV8Value> CefV8Value::CreateUInt(uint32 value) {
  if (!runtimeApiHashMatches())
    return nullptr;
  return CefV8ValueCToCpp::Wrap(cef_v8value_create_uint(value));
}

CefRefPtr<CefV8Value> CefV8Value::CreateDouble(double value) {
  if (!runtimeApiHashMatches())
    return nullptr;
  return CefV8ValueCToCpp::Wrap(cef_v8value_create_double(value));
}

CefRefPtr<CefV8Value> CefV8Value::CreateString(const CefString& value) {
  if (!runtimeApiHashMatches())
    return nullptr;
  const cef_string_t valueView = borrowString(value);
  return CefV8ValueCToCpp::Wrap(cef_v8value_create_string(&valueView));
}

CefRefPtr<CefV8Value> CefV8Value::CreateObject(CefRefPtr<CefV8Accessor> accessor) {
  if (!runtimeApiHashMatches())
    return nullptr;
  return CefV8ValueCToCpp::Wrap(
      cef_v8value_create_object(CefV8AccessorCppToC::WrapPassedThrough(accessor)));
}

CefRefPtr<CefV8Value> CefV8Value::CreateArray(int length) {
  if (!runtimeApiHashMatches())
    return nullptr;
  return CefV8ValueCToCpp::Wrap(cef_v8value_create_array(length));
}

CefRefPtr<CefV8Value> CefV8Value::CreateFunction(const CefString& name,
                                                 CefRefPtr<CefV8Handler> handler) {
  if (!runtimeApiHashMatches())
    return nullptr;
  const cef_string_t nameView = borrowString(name);
  return CefV8ValueCToCpp::Wrap(
      cef_v8value_create_function(&nameView, CefV8HandlerCppToC::Wrap(handler)));
}
