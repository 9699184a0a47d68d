#include "cpptoc/process_message_cpptoc.h"

#include "cpptoc/list_value_cpptoc.h"
#include "userfree_string.h"

namespace {

CefProcessMessage* messageOf(cef_process_message_t* self) {
  return CefProcessMessageCppToC::Get(self);
}

int CEF_CALLBACK isValid(cef_process_message_t* self) {
  CefProcessMessage* message = messageOf(self);
  return message && message->IsValid();
}

int CEF_CALLBACK isReadOnly(cef_process_message_t* self) {
  CefProcessMessage* message = messageOf(self);
  return message && message->IsReadOnly();
}

cef_process_message_t* CEF_CALLBACK copy(cef_process_message_t* self) {
  CefProcessMessage* message = messageOf(self);
  return message ? CefProcessMessageCppToC::Wrap(message->Copy()) : nullptr;
}

cef_string_userfree_t CEF_CALLBACK getName(cef_process_message_t* self) {
  CefProcessMessage* message = messageOf(self);
  return message ? userfreeCopy(message->GetName()) : nullptr;
}

cef_list_value_t* CEF_CALLBACK getArgumentList(cef_process_message_t* self) {
  CefProcessMessage* message = messageOf(self);
  return message ? CefListValueCppToC::Wrap(message->GetArgumentList()) : nullptr;
}

}  // namespace

CefProcessMessageCppToC::CefProcessMessageCppToC() {
  cef_process_message_t* s = GetStruct();
  s->is_valid = isValid;
  s->is_read_only = isReadOnly;
  s->copy = copy;
  s->get_name = getName;
  s->get_argument_list = getArgumentList;
}
