// The runtime's process messages handed to the client as cef_process_message_t.
#ifndef CEF_STAND_IN_RUNTIME_CPPTOC_PROCESS_MESSAGE_CPPTOC_H_
#define CEF_STAND_IN_RUNTIME_CPPTOC_PROCESS_MESSAGE_CPPTOC_H_

#include "wrapper/cpptoc.h"

#include "include/capi/cef_process_message_capi.h"
#include "include/cef_process_message.h"

class CefProcessMessageCppToC
    : public CefCppToC<CefProcessMessageCppToC, CefProcessMessage, cef_process_message_t> {
 public:
  CefProcessMessageCppToC();
};

#endif  // CEF_STAND_IN_RUNTIME_CPPTOC_PROCESS_MESSAGE_CPPTOC_H_
