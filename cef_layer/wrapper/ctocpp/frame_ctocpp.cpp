#include "wrapper/ctocpp/frame_ctocpp.h"

#include "wrapper/ctocpp/browser_ctocpp.h"
#include "wrapper/ctocpp/v8context_ctocpp.h"
#include "wrapper/string_bridge.h"

bool CefFrameCToCpp::IsValid() {
  cef_frame_t* s = GetStruct();
  return !CEF_MEMBER_MISSING(s, is_valid) && s->is_valid(s) != 0;
}

bool CefFrameCToCpp::IsMain() {
  cef_frame_t* s = GetStruct();
  return !CEF_MEMBER_MISSING(s, is_main) && s->is_main(s) != 0;
}

int64 CefFrameCToCpp::GetIdentifier() {
  cef_frame_t* s = GetStruct();
  return CEF_MEMBER_MISSING(s, get_identifier) ? 0 : s->get_identifier(s);
}

CefString CefFrameCToCpp::GetURL() {
  cef_frame_t* s = GetStruct();
  return CEF_MEMBER_MISSING(s, get_url) ? CefString() : takeUserfreeString(s->get_url(s));
}

CefRefPtr<CefBrowser> CefFrameCToCpp::GetBrowser() {
  cef_frame_t* s = GetStruct();
  return CEF_MEMBER_MISSING(s, get_browser) ? nullptr : CefBrowserCToCpp::Wrap(s->get_browser(s));
}

CefRefPtr<CefV8Context> CefFrameCToCpp::GetV8Context() {
  cef_frame_t* s = GetStruct();
  return CEF_MEMBER_MISSING(s, get_v8context) ? nullptr
                                              : CefV8ContextCToCpp::Wrap(s->get_v8context(s));
}
