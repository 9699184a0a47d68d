#include "cpptoc/frame_cpptoc.h"

#include "cpptoc/browser_cpptoc.h"
#include "cpptoc/v8context_cpptoc.h"
#include "userfree_string.h"

namespace {

int CEF_CALLBACK isValid(cef_frame_t* self) {
  CefFrame* frame = CefFrameCppToC::Get(self);
  return frame && frame->IsValid();
}

int CEF_CALLBACK isMain(cef_frame_t* self) {
  CefFrame* frame = CefFrameCppToC::Get(self);
  return frame && frame->IsMain();
}

int64 CEF_CALLBACK getIdentifier(cef_frame_t* self) {
  CefFrame* frame = CefFrameCppToC::Get(self);
  return frame ? frame->GetIdentifier() : 0;
}

cef_string_userfree_t CEF_CALLBACK getUrl(cef_frame_t* self) {
  CefFrame* frame = CefFrameCppToC::Get(self);
  return frame ? userfreeCopy(frame->GetURL()) : nullptr;
}

cef_browser_t* CEF_CALLBACK getBrowser(cef_frame_t* self) {
  CefFrame* frame = CefFrameCppToC::Get(self);
  return frame ? CefBrowserCppToC::Wrap(frame->GetBrowser()) : nullptr;
}

cef_v8context_t* CEF_CALLBACK getV8Context(cef_frame_t* self) {
  CefFrame* frame = CefFrameCppToC::Get(self);
  return frame ? CefV8ContextCppToC::Wrap(frame->GetV8Context()) : nullptr;
}

}  // namespace

// Members left null are not implemented here; readers treat them as missing.
CefFrameCppToC::CefFrameCppToC() {
  cef_frame_t* s = GetStruct();
  s->is_valid = isValid;
  s->is_main = isMain;
  s->get_identifier = getIdentifier;
  s->get_url = getUrl;
  s->get_browser = getBrowser;
  s->get_v8context = getV8Context;
}
