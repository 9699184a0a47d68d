// The runtime's value lists handed to the client as cef_list_value_t.
#ifndef CEF_STAND_IN_RUNTIME_CPPTOC_LIST_VALUE_CPPTOC_H_
#define CEF_STAND_IN_RUNTIME_CPPTOC_LIST_VALUE_CPPTOC_H_

#include "wrapper/cpptoc.h"

#include "include/capi/cef_values_capi.h"
#include "include/cef_values.h"

class CefListValueCppToC : public CefCppToC<CefListValueCppToC, CefListValue, cef_list_value_t> {
 public:
  CefListValueCppToC();
};

#endif  // CEF_STAND_IN_RUNTIME_CPPTOC_LIST_VALUE_CPPTOC_H_
