#include "wrapper/ctocpp/frame_ctocpp.h"

#include "wrapper/ctocpp/browser_ctocpp.h"
#include "wrapper/ctocpp/v8context_ctocpp.h"
#include "wrapper/string_bridge.h"

bool CefFrameCToCpp::IsValid() {
  cef_frame_t* s = GetStruct();
  return CEF_CALL_OR(s, is_valid, 0) != 0;
}

bool CefFrameCToCpp::IsMain() {
  cef_frame_t* s = GetStruct();
  return CEF_CALL_OR(s, is_main, 0) != 0;
}

int64 CefFrameCToCpp::GetIdentifier() {
  cef_frame_t* s = GetStruct();
  return CEF_CALL_OR(s, get_identifier, 0);
}

CefString CefFrameCToCpp::GetURL() {
  cef_frame_t* s = GetStruct();
  return takeUserfreeString(CEF_CALL_OR(s, get_url, nullptr));
}

CefRefPtr<CefBrowser> CefFrameCToCpp::GetBrowser() {
  cef_frame_t* s = GetStruct();
  return CefBrowserCToCpp::Wrap(CEF_CALL_OR(s, get_browser, nullptr));
}

CefRefPtr<CefV8Context> CefFrameCToCpp::GetV8Context() {
  cef_frame_t* s = GetStruct();
  return CefV8ContextCToCpp::Wrap(CEF_CALL_OR(s, get_v8context, nullptr));
}
