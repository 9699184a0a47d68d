#include "wrapper/ctocpp/process_message_ctocpp.h"

#include "wrapper/ctocpp/list_value_ctocpp.h"
#include "wrapper/string_bridge.h"

bool CefProcessMessageCToCpp::IsValid() {
  cef_process_message_t* s = GetStruct();
  return CEF_CALL_OR(s, is_valid, 0) != 0;
}

bool CefProcessMessageCToCpp::IsReadOnly() {
  cef_process_message_t* s = GetStruct();
  return CEF_CALL_OR(s, is_read_only, 0) != 0;
}

CefRefPtr<CefProcessMessage> CefProcessMessageCToCpp::Copy() {
  cef_process_message_t* s = GetStruct();
  return Wrap(CEF_CALL_OR(s, copy, nullptr));
}

CefString CefProcessMessageCToCpp::GetName() {
  cef_process_message_t* s = GetStruct();
  return takeUserfreeString(CEF_CALL_OR(s, get_name, nullptr));
}

CefRefPtr<CefListValue> CefProcessMessageCToCpp::GetArgumentList() {
  cef_process_message_t* s = GetStruct();
  return CefListValueCToCpp::Wrap(CEF_CALL_OR(s, get_argument_list, nullptr));
}
