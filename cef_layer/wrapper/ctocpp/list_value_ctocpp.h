// CefListValue over the runtime's cef_list_value_t.
#ifndef CEF_LAYER_WRAPPER_CTOCPP_LIST_VALUE_CTOCPP_H_
#define CEF_LAYER_WRAPPER_CTOCPP_LIST_VALUE_CTOCPP_H_

#include "wrapper/ctocpp.h"

#include "include/capi/cef_values_capi.h"
#include "include/cef_values.h"

class CefListValueCToCpp : public CefCToCpp<CefListValueCToCpp, CefListValue, cef_list_value_t> {
 public:
  explicit CefListValueCToCpp(cef_list_value_t* s) : CefCToCpp(s) {}

  bool IsValid() override;
  bool IsReadOnly() override;
  CefRefPtr<CefListValue> Copy() override;
  bool SetSize(size_t size) override;
  size_t GetSize() override;
  bool Clear() override;
  CefValueType GetType(int index) override;
  bool GetBool(int index) override;
  int GetInt(int index) override;
  double GetDouble(int index) override;
  CefString GetString(int index) override;
  bool SetNull(int index) override;
  bool SetBool(int index, bool value) override;
  bool SetInt(int index, int value) override;
  bool SetDouble(int index, double value) override;
  bool SetString(int index, const CefString& value) override;
};

#endif  // CEF_LAYER_WRAPPER_CTOCPP_LIST_VALUE_CTOCPP_H_
