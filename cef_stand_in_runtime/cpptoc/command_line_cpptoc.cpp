#include "cpptoc/command_line_cpptoc.h"

#include "userfree_string.h"
#include "wrapper/string_bridge.h"

namespace {

CefCommandLine* commandLineOf(cef_command_line_t* self) {
  return CefCommandLineCppToC::Get(self);
}

int CEF_CALLBACK isValid(cef_command_line_t* self) {
  CefCommandLine* commandLine = commandLineOf(self);
  return commandLine && commandLine->IsValid();
}

void CEF_CALLBACK initFromString(cef_command_line_t* self, const cef_string_t* text) {
  if (CefCommandLine* commandLine = commandLineOf(self))
    commandLine->InitFromString(copyString(text));
}

cef_string_userfree_t CEF_CALLBACK getProgram(cef_command_line_t* self) {
  CefCommandLine* commandLine = commandLineOf(self);
  return commandLine ? userfreeCopy(commandLine->GetProgram()) : nullptr;
}

int CEF_CALLBACK hasSwitches(cef_command_line_t* self) {
  CefCommandLine* commandLine = commandLineOf(self);
  return commandLine && commandLine->HasSwitches();
}

int CEF_CALLBACK hasSwitch(cef_command_line_t* self, const cef_string_t* name) {
  CefCommandLine* commandLine = commandLineOf(self);
  return commandLine && commandLine->HasSwitch(copyString(name));
}

cef_string_userfree_t CEF_CALLBACK getSwitchValue(cef_command_line_t* self,
                                                  const cef_string_t* name) {
  CefCommandLine* commandLine = commandLineOf(self);
  return commandLine ? userfreeCopy(commandLine->GetSwitchValue(copyString(name))) : nullptr;
}

int CEF_CALLBACK hasArguments(cef_command_line_t* self) {
  CefCommandLine* commandLine = commandLineOf(self);
  return commandLine && commandLine->HasArguments();
}

}  // namespace

// Members left null are not implemented here; readers treat them as missing.
CefCommandLineCppToC::CefCommandLineCppToC() {
  cef_command_line_t* s = GetStruct();
  s->is_valid = isValid;
  s->init_from_string = initFromString;
  s->get_program = getProgram;
  s->has_switches = hasSwitches;
  s->has_switch = hasSwitch;
  s->get_switch_value = getSwitchValue;
  s->has_arguments = hasArguments;
}
