#include "cpptoc/browser_cpptoc.h"

#include "cpptoc/frame_cpptoc.h"
#include "cpptoc/process_message_cpptoc.h"

namespace {

int CEF_CALLBACK getIdentifier(cef_browser_t* self) {
  CefBrowser* browser = CefBrowserCppToC::Get(self);
  return browser ? browser->GetIdentifier() : 0;
}

int CEF_CALLBACK isSame(cef_browser_t* self, cef_browser_t* that) {
  CefRefPtr<CefBrowser> other = CefBrowserCppToC::Unwrap(that);
  CefBrowser* browser = CefBrowserCppToC::Get(self);
  return browser && browser->IsSame(other);
}

cef_frame_t* CEF_CALLBACK getMainFrame(cef_browser_t* self) {
  CefBrowser* browser = CefBrowserCppToC::Get(self);
  return browser ? CefFrameCppToC::Wrap(browser->GetMainFrame()) : nullptr;
}

int CEF_CALLBACK sendProcessMessage(cef_browser_t* self,
                                    cef_process_id_t target_process,
                                    cef_process_message_t* message) {
  CefRefPtr<CefProcessMessage> sent = CefProcessMessageCppToC::Unwrap(message);
  CefBrowser* browser = CefBrowserCppToC::Get(self);
  return browser && browser->SendProcessMessage(target_process, sent);
}

}  // namespace

// Members left null are not implemented here; readers treat them as missing.
CefBrowserCppToC::CefBrowserCppToC() {
  cef_browser_t* s = GetStruct();
  s->get_identifier = getIdentifier;
  s->is_same = isSame;
  s->get_main_frame = getMainFrame;
  s->send_process_message = sendProcessMessage;
}
