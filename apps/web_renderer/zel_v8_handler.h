// The native side of cpp.JS_COMMUNICATION: each call with one string becomes
// one "JS_COMMUNICATION" process message to the browser process.
#ifndef APPS_WEB_RENDERER_ZEL_V8_HANDLER_H_
#define APPS_WEB_RENDERER_ZEL_V8_HANDLER_H_

#include "include/cef_browser.h"
#include "include/cef_v8.h"

// Name of the bound function and of the message it sends.
extern const char kJsCommunication[];

class ZelV8Handler : public CefV8Handler {
 public:
  explicit ZelV8Handler(CefRefPtr<CefBrowser> browser);

  // Accepts only a call of "JS_COMMUNICATION" with exactly one string
  // argument; never sets retval or exception, so the call yields undefined.
  bool Execute(const CefString& name,
               CefRefPtr<CefV8Value> object,
               const CefV8ValueList& arguments,
               CefRefPtr<CefV8Value>& retval,
               CefString& exception) override;

 private:
  // The browser of the context this handler was made for.
  CefRefPtr<CefBrowser> browser_;
  // The text of the last accepted call.
  CefString messageText_;

  IMPLEMENT_REFCOUNTING(ZelV8Handler);
};

#endif  // APPS_WEB_RENDERER_ZEL_V8_HANDLER_H_
