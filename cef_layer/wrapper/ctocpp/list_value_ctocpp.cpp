#include "wrapper/ctocpp/list_value_ctocpp.h"

#include "wrapper/string_bridge.h"

bool CefListValueCToCpp::IsValid() {
  return CEF_CALL_OR(GetStruct(), is_valid, 0) != 0;
}

bool CefListValueCToCpp::IsReadOnly() {
  return CEF_CALL_OR(GetStruct(), is_read_only, 0) != 0;
}

CefRefPtr<CefListValue> CefListValueCToCpp::Copy() {
  return Wrap(CEF_CALL_OR(GetStruct(), copy, nullptr));
}

bool CefListValueCToCpp::SetSize(size_t size) {
  cef_list_value_t* s = GetStruct();
  return (CEF_MEMBER_MISSING(s, set_size) ? 0 : s->set_size(s, size)) != 0;
}

size_t CefListValueCToCpp::GetSize() {
  return CEF_CALL_OR(GetStruct(), get_size, 0u);
}

bool CefListValueCToCpp::Clear() {
  return CEF_CALL_OR(GetStruct(), clear, 0) != 0;
}

CefValueType CefListValueCToCpp::GetType(int index) {
  cef_list_value_t* s = GetStruct();
  return (CEF_MEMBER_MISSING(s, get_type) ? VTYPE_INVALID : s->get_type(s, index));
}

bool CefListValueCToCpp::GetBool(int index) {
  cef_list_value_t* s = GetStruct();
  return (CEF_MEMBER_MISSING(s, get_bool) ? 0 : s->get_bool(s, index)) != 0;
}

int CefListValueCToCpp::GetInt(int index) {
  cef_list_value_t* s = GetStruct();
  return (CEF_MEMBER_MISSING(s, get_int) ? 0 : s->get_int(s, index));
}

double CefListValueCToCpp::GetDouble(int index) {
  cef_list_value_t* s = GetStruct();
  return (CEF_MEMBER_MISSING(s, get_double) ? 0.0 : s->get_double(s, index));
}

CefString CefListValueCToCpp::GetString(int index) {
  cef_list_value_t* s = GetStruct();
  return takeUserfreeString(
      (CEF_MEMBER_MISSING(s, get_string) ? nullptr : s->get_string(s, index)));
}

bool CefListValueCToCpp::SetNull(int index) {
  cef_list_value_t* s = GetStruct();
  return (CEF_MEMBER_MISSING(s, set_null) ? 0 : s->set_null(s, index)) != 0;
}

bool CefListValueCToCpp::SetBool(int index, bool value) {
  cef_list_value_t* s = GetStruct();
  return (CEF_MEMBER_MISSING(s, set_bool) ? 0 : s->set_bool(s, index, value ? 1 : 0)) != 0;
}

bool CefListValueCToCpp::SetInt(int index, int value) {
  cef_list_value_t* s = GetStruct();
  return (CEF_MEMBER_MISSING(s, set_int) ? 0 : s->set_int(s, index, value)) != 0;
}

bool CefListValueCToCpp::SetDouble(int index, double value) {
  cef_list_value_t* s = GetStruct();
  return (CEF_MEMBER_MISSING(s, set_double) ? 0 : s->set_double(s, index, value)) != 0;
}

bool CefListValueCToCpp::SetString(int index, const CefString& value) {
  cef_list_value_t* s = GetStruct();
  const cef_string_t valueView = borrowString(value);
  return (CEF_MEMBER_MISSING(s, set_string) ? 0 : s->set_string(s, index, &valueView)) != 0;
}
