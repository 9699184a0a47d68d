// CefProcessMessage over the runtime's cef_process_message_t.
#ifndef CEF_LAYER_WRAPPER_CTOCPP_PROCESS_MESSAGE_CTOCPP_H_
#define CEF_LAYER_WRAPPER_CTOCPP_PROCESS_MESSAGE_CTOCPP_H_

#include "wrapper/ctocpp.h"

#include "include/capi/cef_process_message_capi.h"
#include "include/cef_process_message.h"

class CefProcessMessageCToCpp
    : public CefCToCpp<CefProcessMessageCToCpp, CefProcessMessage, cef_process_message_t> {
 public:
  explicit CefProcessMessageCToCpp(cef_process_message_t* s) : CefCToCpp(s) {}

  bool IsValid() override;
  bool IsReadOnly() override;
  CefRefPtr<CefProcessMessage> Copy() override;
  CefString GetName() override;
  CefRefPtr<CefListValue> GetArgumentList() override;
};

#endif  // CEF_LAYER_WRAPPER_CTOCPP_PROCESS_MESSAGE_CTOCPP_H_
