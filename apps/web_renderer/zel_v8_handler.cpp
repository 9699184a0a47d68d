#include "zel_v8_handler.h"

#include "include/cef_process_message.h"
#include "include/cef_values.h"

const char kJsCommunication[] = "JS_COMMUNICATION";

ZelV8Handler::ZelV8Handler(CefRefPtr<CefBrowser> browser) : browser_(browser) {}

bool ZelV8Handler::Execute(const CefString& name,
                           CefRefPtr<CefV8Value> /*object*/,
                           const CefV8ValueList& arguments,
                           CefRefPtr<CefV8Value>& /*retval*/,
                           CefString& /*exception*/) {
  if (name != CefString(kJsCommunication))
    return false;
  // No value is converted to text: only a single string is passed on.
  if (arguments.size() != 1 || !arguments[0] || !arguments[0]->IsString())
    return false;

  messageText_ = arguments[0]->GetStringValue();

  CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create(kJsCommunication);
  CefRefPtr<CefListValue> list = message->GetArgumentList();
  list->SetSize(1);
  list->SetString(0, messageText_);
  browser_->SendProcessMessage(PID_BROWSER, message);
  return true;
}
