#include "wrapper/ctocpp/v8context_ctocpp.h"

#include "wrapper/ctocpp/browser_ctocpp.h"
#include "wrapper/ctocpp/frame_ctocpp.h"
#include "wrapper/ctocpp/passed_through_ctocpp.h"
#include "wrapper/ctocpp/v8value_ctocpp.h"
#include "wrapper/string_bridge.h"

bool CefV8ContextCToCpp::IsValid() {
  cef_v8context_t* s = GetStruct();
  return CEF_CALL_OR(s, is_valid, 0) != 0;
}

CefRefPtr<CefBrowser> CefV8ContextCToCpp::GetBrowser() {
  cef_v8context_t* s = GetStruct();
  return CefBrowserCToCpp::Wrap(CEF_CALL_OR(s, get_browser, nullptr));
}

CefRefPtr<CefFrame> CefV8ContextCToCpp::GetFrame() {
  cef_v8context_t* s = GetStruct();
  return CefFrameCToCpp::Wrap(CEF_CALL_OR(s, get_frame, nullptr));
}

CefRefPtr<CefV8Value> CefV8ContextCToCpp::GetGlobal() {
  cef_v8context_t* s = GetStruct();
  return CefV8ValueCToCpp::Wrap(CEF_CALL_OR(s, get_global, nullptr));
}

bool CefV8ContextCToCpp::Enter() {
  cef_v8context_t* s = GetStruct();
  return CEF_CALL_OR(s, enter, 0) != 0;
}

bool CefV8ContextCToCpp::Exit() {
  cef_v8context_t* s = GetStruct();
  return CEF_CALL_OR(s, exit, 0) != 0;
}

bool CefV8ContextCToCpp::IsSame(CefRefPtr<CefV8Context> that) {
  cef_v8context_t* s = GetStruct();
  if (CEF_MEMBER_MISSING(s, is_same))
    return false;
  cef_v8context_t* other = Unwrap(that);
  return other && s->is_same(s, other) != 0;
}

bool CefV8ContextCToCpp::Eval(const CefString& code,
                              CefRefPtr<CefV8Value>& retval,
                              CefRefPtr<CefV8Exception>& exception) {
  cef_v8context_t* s = GetStruct();
  if (CEF_MEMBER_MISSING(s, eval))
    return false;
  const cef_string_t codeView = borrowString(code);
  cef_v8value_t* retvalStruct = nullptr;
  cef_v8exception_t* exceptionStruct = nullptr;
  const bool ok = s->eval(s, &codeView, &retvalStruct, &exceptionStruct) != 0;
  retval = CefV8ValueCToCpp::Wrap(retvalStruct);
  exception = CefV8ExceptionCToCpp::WrapPassedThrough(exceptionStruct);
  return ok;
}
