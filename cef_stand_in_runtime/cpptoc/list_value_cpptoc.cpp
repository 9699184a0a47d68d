#include "cpptoc/list_value_cpptoc.h"

#include "userfree_string.h"
#include "wrapper/string_bridge.h"

namespace {

CefListValue* listOf(cef_list_value_t* self) {
  return CefListValueCppToC::Get(self);
}

int CEF_CALLBACK isValid(cef_list_value_t* self) {
  CefListValue* list = listOf(self);
  return list && list->IsValid();
}

int CEF_CALLBACK isReadOnly(cef_list_value_t* self) {
  CefListValue* list = listOf(self);
  return list && list->IsReadOnly();
}

cef_list_value_t* CEF_CALLBACK copy(cef_list_value_t* self) {
  CefListValue* list = listOf(self);
  return list ? CefListValueCppToC::Wrap(list->Copy()) : nullptr;
}

int CEF_CALLBACK setSize(cef_list_value_t* self, size_t size) {
  CefListValue* list = listOf(self);
  return list && list->SetSize(size);
}

size_t CEF_CALLBACK getSize(cef_list_value_t* self) {
  CefListValue* list = listOf(self);
  return list ? list->GetSize() : 0;
}

int CEF_CALLBACK clear(cef_list_value_t* self) {
  CefListValue* list = listOf(self);
  return list && list->Clear();
}

cef_value_type_t CEF_CALLBACK getType(cef_list_value_t* self, int index) {
  CefListValue* list = listOf(self);
  return list ? list->GetType(index) : VTYPE_INVALID;
}

int CEF_CALLBACK getBool(cef_list_value_t* self, int index) {
  CefListValue* list = listOf(self);
  return list && list->GetBool(index);
}

int CEF_CALLBACK getInt(cef_list_value_t* self, int index) {
  CefListValue* list = listOf(self);
  return list ? list->GetInt(index) : 0;
}

double CEF_CALLBACK getDouble(cef_list_value_t* self, int index) {
  CefListValue* list = listOf(self);
  return list ? list->GetDouble(index) : 0;
}

cef_string_userfree_t CEF_CALLBACK getString(cef_list_value_t* self, int index) {
  CefListValue* list = listOf(self);
  return list ? userfreeCopy(list->GetString(index)) : nullptr;
}

int CEF_CALLBACK setNull(cef_list_value_t* self, int index) {
  CefListValue* list = listOf(self);
  return list && list->SetNull(index);
}

int CEF_CALLBACK setBool(cef_list_value_t* self, int index, int value) {
  CefListValue* list = listOf(self);
  return list && list->SetBool(index, value != 0);
}

int CEF_CALLBACK setInt(cef_list_value_t* self, int index, int value) {
  CefListValue* list = listOf(self);
  return list && list->SetInt(index, value);
}

int CEF_CALLBACK setDouble(cef_list_value_t* self, int index, double value) {
  CefListValue* list = listOf(self);
  return list && list->SetDouble(index, value);
}

int CEF_CALLBACK setString(cef_list_value_t* self, int index, const cef_string_t* value) {
  CefListValue* list = listOf(self);
  return list && list->SetString(index, copyString(value));
}

}  // namespace

// Members left null are not implemented here; readers treat them as missing.
CefListValueCppToC::CefListValueCppToC() {
  cef_list_value_t* s = GetStruct();
  s->is_valid = isValid;
  s->is_read_only = isReadOnly;
  s->copy = copy;
  s->set_size = setSize;
  s->get_size = getSize;
  s->clear = clear;
  s->get_type = getType;
  s->get_bool = getBool;
  s->get_int = getInt;
  s->get_double = getDouble;
  s->get_string = getString;
  s->set_null = setNull;
  s->set_bool = setBool;
  s->set_int = setInt;
  s->set_double = setDouble;
  s->set_string = setString;
}
