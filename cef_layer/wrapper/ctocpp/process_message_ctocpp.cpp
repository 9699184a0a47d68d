#include "wrapper/ctocpp/process_message_ctocpp.h"

#include "wrapper/ctocpp/list_value_ctocpp.h"
#include "wrapper/string_bridge.h"

bool CefProcessMessageCToCpp::IsValid() {
  cef_process_message_t* s = GetStruct();
  return !CEF_MEMBER_MISSING(s, is_valid) && s->is_valid(s) != 0;
}

bool CefProcessMessageCToCpp::IsReadOnly() {
  cef_process_message_t* s = GetStruct();
  return !CEF_MEMBER_MISSING(s, is_read_only) && s->is_read_only(s) != 0;
}

CefRefPtr<CefProcessMessage> CefProcessMessageCToCpp::Copy() {
  cef_process_message_t* s = GetStruct();
  return CEF_MEMBER_MISSING(s, copy) ? nullptr : Wrap(s->copy(s));
}

CefString CefProcessMessageCToCpp::GetName() {
  cef_process_message_t* s = GetStruct();
  return CEF_MEMBER_MISSING(s, get_name) ? CefString() : takeUserfreeString(s->get_name(s));
}

CefRefPtr<CefListValue> CefProcessMessageCToCpp::GetArgumentList() {
  cef_process_message_t* s = GetStruct();
  return CEF_MEMBER_MISSING(s, get_argument_list)
             ? nullptr
             : CefListValueCToCpp::Wrap(s->get_argument_list(s));
}
