#include "wrapper/ctocpp/v8value_ctocpp.h"

#include "wrapper/cpptoc/v8handler_cpptoc.h"
#include "wrapper/string_bridge.h"

std::vector<cef_v8value_t*> CefV8ValueCToCpp::UnwrapList(const CefV8ValueList& values) {
  std::vector<cef_v8value_t*> structs;
  structs.reserve(values.size());
  for (const CefRefPtr<CefV8Value>& value : values)
    structs.push_back(Unwrap(value));
  return structs;
}

CefV8ValueList CefV8ValueCToCpp::WrapList(size_t count, cef_v8value_t* const* values) {
  CefV8ValueList list;
  list.reserve(count);
  for (size_t i = 0; i < count && values; ++i)
    list.push_back(Wrap(values[i]));
  return list;
}

bool CefV8ValueCToCpp::IsValid() {
  return CEF_CALL_OR(GetStruct(), is_valid, 0) != 0;
}
bool CefV8ValueCToCpp::IsUndefined() {
  return CEF_CALL_OR(GetStruct(), is_undefined, 0) != 0;
}
bool CefV8ValueCToCpp::IsNull() {
  return CEF_CALL_OR(GetStruct(), is_null, 0) != 0;
}
bool CefV8ValueCToCpp::IsBool() {
  return CEF_CALL_OR(GetStruct(), is_bool, 0) != 0;
}
bool CefV8ValueCToCpp::IsInt() {
  return CEF_CALL_OR(GetStruct(), is_int, 0) != 0;
}
bool CefV8ValueCToCpp::IsUInt() {
  return CEF_CALL_OR(GetStruct(), is_uint, 0) != 0;
}
bool CefV8ValueCToCpp::IsDouble() {
  return CEF_CALL_OR(GetStruct(), is_double, 0) != 0;
}
bool CefV8ValueCToCpp::IsDate() {
  return CEF_CALL_OR(GetStruct(), is_date, 0) != 0;
}
bool CefV8ValueCToCpp::IsString() {
  return CEF_CALL_OR(GetStruct(), is_string, 0) != 0;
}
bool CefV8ValueCToCpp::IsObject() {
  return CEF_CALL_OR(GetStruct(), is_object, 0) != 0;
}
bool CefV8ValueCToCpp::IsArray() {
  return CEF_CALL_OR(GetStruct(), is_array, 0) != 0;
}
bool CefV8ValueCToCpp::IsFunction() {
  return CEF_CALL_OR(GetStruct(), is_function, 0) != 0;
}

bool CefV8ValueCToCpp::IsSame(CefRefPtr<CefV8Value> that) {
  cef_v8value_t* s = GetStruct();
  if (CEF_MEMBER_MISSING(s, is_same))
    return false;
  cef_v8value_t* other = Unwrap(that);
  return other && s->is_same(s, other) != 0;
}

bool CefV8ValueCToCpp::GetBoolValue() {
  return CEF_CALL_OR(GetStruct(), get_bool_value, 0) != 0;
}
int32 CefV8ValueCToCpp::GetIntValue() {
  return CEF_CALL_OR(GetStruct(), get_int_value, 0);
}
uint32 CefV8ValueCToCpp::GetUIntValue() {
  return CEF_CALL_OR(GetStruct(), get_uint_value, 0u);
}
double CefV8ValueCToCpp::GetDoubleValue() {
  return CEF_CALL_OR(GetStruct(), get_double_value, 0.0);
}
CefString CefV8ValueCToCpp::GetStringValue() {
  return takeUserfreeString(CEF_CALL_OR(GetStruct(), get_string_value, nullptr));
}

bool CefV8ValueCToCpp::HasValue(const CefString& key) {
  cef_v8value_t* s = GetStruct();
  if (CEF_MEMBER_MISSING(s, has_value_bykey))
    return false;
  const cef_string_t keyView = borrowString(key);
  return s->has_value_bykey(s, &keyView) != 0;
}

bool CefV8ValueCToCpp::DeleteValue(const CefString& key) {
  cef_v8value_t* s = GetStruct();
  if (CEF_MEMBER_MISSING(s, delete_value_bykey))
    return false;
  const cef_string_t keyView = borrowString(key);
  return s->delete_value_bykey(s, &keyView) != 0;
}

CefRefPtr<CefV8Value> CefV8ValueCToCpp::GetValue(const CefString& key) {
  cef_v8value_t* s = GetStruct();
  if (CEF_MEMBER_MISSING(s, get_value_bykey))
    return nullptr;
  const cef_string_t keyView = borrowString(key);
  return Wrap(s->get_value_bykey(s, &keyView));
}

bool CefV8ValueCToCpp::SetValue(const CefString& key,
                                CefRefPtr<CefV8Value> value,
                                PropertyAttribute attribute) {
  cef_v8value_t* s = GetStruct();
  if (CEF_MEMBER_MISSING(s, set_value_bykey))
    return false;
  const cef_string_t keyView = borrowString(key);
  return s->set_value_bykey(s, &keyView, Unwrap(value), attribute) != 0;
}

int CefV8ValueCToCpp::GetArrayLength() {
  return CEF_CALL_OR(GetStruct(), get_array_length, 0);
}

CefString CefV8ValueCToCpp::GetFunctionName() {
  return takeUserfreeString(CEF_CALL_OR(GetStruct(), get_function_name, nullptr));
}

CefRefPtr<CefV8Handler> CefV8ValueCToCpp::GetFunctionHandler() {
  return CefV8HandlerCppToC::Unwrap(CEF_CALL_OR(GetStruct(), get_function_handler, nullptr));
}

CefRefPtr<CefV8Value> CefV8ValueCToCpp::ExecuteFunction(CefRefPtr<CefV8Value> object,
                                                        const CefV8ValueList& arguments) {
  cef_v8value_t* s = GetStruct();
  if (CEF_MEMBER_MISSING(s, execute_function))
    return nullptr;
  const std::vector<cef_v8value_t*> argumentStructs = UnwrapList(arguments);
  return Wrap(s->execute_function(s, Unwrap(object), argumentStructs.size(),
                                  argumentStructs.empty() ? nullptr : argumentStructs.data()));
}
