#include "wrapper/ctocpp/browser_ctocpp.h"

#include "wrapper/ctocpp/frame_ctocpp.h"
#include "wrapper/ctocpp/process_message_ctocpp.h"

int CefBrowserCToCpp::GetIdentifier() {
  return CEF_CALL_OR(GetStruct(), get_identifier, 0);
}

bool CefBrowserCToCpp::IsSame(CefRefPtr<CefBrowser> that) {
  cef_browser_t* s = GetStruct();
  if (CEF_MEMBER_MISSING(s, is_same))
    return false;
  cef_browser_t* other = Unwrap(that);
  return other && s->is_same(s, other) != 0;
}

CefRefPtr<CefFrame> CefBrowserCToCpp::GetMainFrame() {
  return CefFrameCToCpp::Wrap(CEF_CALL_OR(GetStruct(), get_main_frame, nullptr));
}

bool CefBrowserCToCpp::SendProcessMessage(CefProcessId target_process,
                                          CefRefPtr<CefProcessMessage> message) {
  cef_browser_t* s = GetStruct();
  if (CEF_MEMBER_MISSING(s, send_process_message) || !message)
    return false;
  return s->send_process_message(s, target_process, CefProcessMessageCToCpp::Unwrap(message)) != 0;
}
