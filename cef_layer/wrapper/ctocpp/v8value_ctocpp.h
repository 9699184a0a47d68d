// CefV8Value over the runtime's cef_v8value_t.
#ifndef CEF_LAYER_WRAPPER_CTOCPP_V8VALUE_CTOCPP_H_
#define CEF_LAYER_WRAPPER_CTOCPP_V8VALUE_CTOCPP_H_

#include "wrapper/ctocpp.h"

#include "include/capi/cef_v8_capi.h"
#include "include/cef_v8.h"

#include <vector>

class CefV8ValueCToCpp : public CefCToCpp<CefV8ValueCToCpp, CefV8Value, cef_v8value_t> {
 public:
  explicit CefV8ValueCToCpp(cef_v8value_t* s) : CefCToCpp(s) {}

  // The structs behind values, each with a reference for the receiver (null
  // for a value not made by the runtime).
  static std::vector<cef_v8value_t*> UnwrapList(const CefV8ValueList& values);
  // Values for structs whose references came with them.
  static CefV8ValueList WrapList(size_t count, cef_v8value_t* const* values);

  bool IsValid() override;
  bool IsUndefined() override;
  bool IsNull() override;
  bool IsBool() override;
  bool IsInt() override;
  bool IsUInt() override;
  bool IsDouble() override;
  bool IsDate() override;
  bool IsString() override;
  bool IsObject() override;
  bool IsArray() override;
  bool IsFunction() override;
  bool IsSame(CefRefPtr<CefV8Value> that) override;

  bool GetBoolValue() override;
  int32 GetIntValue() override;
  uint32 GetUIntValue() override;
  double GetDoubleValue() override;
  CefString GetStringValue() override;

  bool HasValue(const CefString& key) override;
  bool DeleteValue(const CefString& key) override;
  CefRefPtr<CefV8Value> GetValue(const CefString& key) override;
  bool SetValue(const CefString& key,
                CefRefPtr<CefV8Value> value,
                PropertyAttribute attribute) override;

  int GetArrayLength() override;
  CefString GetFunctionName() override;
  CefRefPtr<CefV8Handler> GetFunctionHandler() override;
  CefRefPtr<CefV8Value> ExecuteFunction(CefRefPtr<CefV8Value> object,
                                        const CefV8ValueList& arguments) override;
};

#endif  // CEF_LAYER_WRAPPER_CTOCPP_V8VALUE_CTOCPP_H_
