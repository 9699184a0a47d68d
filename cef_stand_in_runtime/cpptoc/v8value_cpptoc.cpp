#include "cpptoc/v8value_cpptoc.h"

#include "ctocpp/v8handler_ctocpp.h"
#include "userfree_string.h"
#include "wrapper/string_bridge.h"

#include <vector>

namespace {

CefV8Value* valueOf(cef_v8value_t* self) {
  return CefV8ValueCppToC::Get(self);
}

// A member that asks the value a yes/no question.
#define V8VALUE_PREDICATE(callback, method)        \
  int CEF_CALLBACK callback(cef_v8value_t* self) { \
    CefV8Value* value = valueOf(self);             \
    return value && value->method();               \
  }

V8VALUE_PREDICATE(isValid, IsValid)
V8VALUE_PREDICATE(isUndefined, IsUndefined)
V8VALUE_PREDICATE(isNull, IsNull)
V8VALUE_PREDICATE(isBool, IsBool)
V8VALUE_PREDICATE(isInt, IsInt)
V8VALUE_PREDICATE(isUInt, IsUInt)
V8VALUE_PREDICATE(isDouble, IsDouble)
V8VALUE_PREDICATE(isDate, IsDate)
V8VALUE_PREDICATE(isString, IsString)
V8VALUE_PREDICATE(isObject, IsObject)
V8VALUE_PREDICATE(isArray, IsArray)
V8VALUE_PREDICATE(isFunction, IsFunction)
V8VALUE_PREDICATE(getBoolValue, GetBoolValue)

int CEF_CALLBACK isSame(cef_v8value_t* self, cef_v8value_t* that) {
  CefRefPtr<CefV8Value> other = CefV8ValueCppToC::Unwrap(that);
  CefV8Value* value = valueOf(self);
  return value && value->IsSame(other);
}

int32 CEF_CALLBACK getIntValue(cef_v8value_t* self) {
  CefV8Value* value = valueOf(self);
  return value ? value->GetIntValue() : 0;
}

uint32 CEF_CALLBACK getUIntValue(cef_v8value_t* self) {
  CefV8Value* value = valueOf(self);
  return value ? value->GetUIntValue() : 0;
}

double CEF_CALLBACK getDoubleValue(cef_v8value_t* self) {
  CefV8Value* value = valueOf(self);
  return value ? value->GetDoubleValue() : 0;
}

cef_string_userfree_t CEF_CALLBACK getStringValue(cef_v8value_t* self) {
  CefV8Value* value = valueOf(self);
  return value ? userfreeCopy(value->GetStringValue()) : nullptr;
}

int CEF_CALLBACK hasValueByKey(cef_v8value_t* self, const cef_string_t* key) {
  CefV8Value* value = valueOf(self);
  return value && value->HasValue(copyString(key));
}

int CEF_CALLBACK deleteValueByKey(cef_v8value_t* self, const cef_string_t* key) {
  CefV8Value* value = valueOf(self);
  return value && value->DeleteValue(copyString(key));
}

cef_v8value_t* CEF_CALLBACK getValueByKey(cef_v8value_t* self, const cef_string_t* key) {
  CefV8Value* value = valueOf(self);
  return value ? CefV8ValueCppToC::Wrap(value->GetValue(copyString(key))) : nullptr;
}

int CEF_CALLBACK setValueByKey(cef_v8value_t* self,
                               const cef_string_t* key,
                               cef_v8value_t* newValue,
                               cef_v8_propertyattribute_t attribute) {
  CefRefPtr<CefV8Value> property = CefV8ValueCppToC::Unwrap(newValue);
  CefV8Value* value = valueOf(self);
  return value && value->SetValue(copyString(key), property, attribute);
}

int CEF_CALLBACK getArrayLength(cef_v8value_t* self) {
  CefV8Value* value = valueOf(self);
  return value ? value->GetArrayLength() : 0;
}

cef_string_userfree_t CEF_CALLBACK getFunctionName(cef_v8value_t* self) {
  CefV8Value* value = valueOf(self);
  return value ? userfreeCopy(value->GetFunctionName()) : nullptr;
}

cef_v8handler_t* CEF_CALLBACK getFunctionHandler(cef_v8value_t* self) {
  CefV8Value* value = valueOf(self);
  return value ? CefV8HandlerCToCpp::Unwrap(value->GetFunctionHandler()) : nullptr;
}

cef_v8value_t* CEF_CALLBACK executeFunction(cef_v8value_t* self,
                                            cef_v8value_t* object,
                                            size_t argumentsCount,
                                            cef_v8value_t* const* arguments) {
  CefRefPtr<CefV8Value> receiver = CefV8ValueCppToC::Unwrap(object);
  CefV8ValueList argumentList;
  for (size_t i = 0; i < argumentsCount && arguments; ++i)
    argumentList.push_back(CefV8ValueCppToC::Unwrap(arguments[i]));
  CefV8Value* value = valueOf(self);
  return value ? CefV8ValueCppToC::Wrap(value->ExecuteFunction(receiver, argumentList)) : nullptr;
}

}  // namespace

// Members left null are not implemented here; readers treat them as missing.
CefV8ValueCppToC::CefV8ValueCppToC() {
  cef_v8value_t* s = GetStruct();
  s->is_valid = isValid;
  s->is_undefined = isUndefined;
  s->is_null = isNull;
  s->is_bool = isBool;
  s->is_int = isInt;
  s->is_uint = isUInt;
  s->is_double = isDouble;
  s->is_date = isDate;
  s->is_string = isString;
  s->is_object = isObject;
  s->is_array = isArray;
  s->is_function = isFunction;
  s->is_same = isSame;
  s->get_bool_value = getBoolValue;
  s->get_int_value = getIntValue;
  s->get_uint_value = getUIntValue;
  s->get_double_value = getDoubleValue;
  s->get_string_value = getStringValue;
  s->has_value_bykey = hasValueByKey;
  s->delete_value_bykey = deleteValueByKey;
  s->get_value_bykey = getValueByKey;
  s->set_value_bykey = setValueByKey;
  s->get_array_length = getArrayLength;
  s->get_function_name = getFunctionName;
  s->get_function_handler = getFunctionHandler;
  s->execute_function = executeFunction;
}
