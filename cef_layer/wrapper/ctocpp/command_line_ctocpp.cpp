#include "wrapper/ctocpp/command_line_ctocpp.h"

#include "wrapper/string_bridge.h"

bool CefCommandLineCToCpp::IsValid() {
  cef_command_line_t* s = GetStruct();
  return CEF_CALL_OR(s, is_valid, 0) != 0;
}

void CefCommandLineCToCpp::InitFromString(const CefString& command_line) {
  cef_command_line_t* s = GetStruct();
  if (CEF_MEMBER_MISSING(s, init_from_string))
    return;
  const cef_string_t text = borrowString(command_line);
  s->init_from_string(s, &text);
}

CefString CefCommandLineCToCpp::GetProgram() {
  cef_command_line_t* s = GetStruct();
  return takeUserfreeString(CEF_CALL_OR(s, get_program, nullptr));
}

bool CefCommandLineCToCpp::HasSwitches() {
  cef_command_line_t* s = GetStruct();
  return CEF_CALL_OR(s, has_switches, 0) != 0;
}

bool CefCommandLineCToCpp::HasSwitch(const CefString& name) {
  cef_command_line_t* s = GetStruct();
  if (CEF_MEMBER_MISSING(s, has_switch))
    return false;
  const cef_string_t nameView = borrowString(name);
  return s->has_switch(s, &nameView) != 0;
}

CefString CefCommandLineCToCpp::GetSwitchValue(const CefString& name) {
  cef_command_line_t* s = GetStruct();
  if (CEF_MEMBER_MISSING(s, get_switch_value))
    return CefString();
  const cef_string_t nameView = borrowString(name);
  return takeUserfreeString(s->get_switch_value(s, &nameView));
}

bool CefCommandLineCToCpp::HasArguments() {
  cef_command_line_t* s = GetStruct();
  return CEF_CALL_OR(s, has_arguments, 0) != 0;
}
