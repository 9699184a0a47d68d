#include "wrapper/cpptoc/v8handler_cpptoc.h"

#include "wrapper/ctocpp/v8value_ctocpp.h"
#include "wrapper/string_bridge.h"

namespace {

// The receiver, the arguments and an incoming retval each carry a reference,
// taken over here whatever happens. What the handler leaves in retval goes
// back with one reference for the caller; a changed exception text is copied
// into the caller's string.
int CEF_CALLBACK execute(cef_v8handler_t* self,
                         const cef_string_t* name,
                         cef_v8value_t* object,
                         size_t argumentsCount,
                         cef_v8value_t* const* arguments,
                         cef_v8value_t** retval,
                         cef_string_t* exception) {
  CefRefPtr<CefV8Value> receiver = CefV8ValueCToCpp::Wrap(object);
  const CefV8ValueList argumentList = CefV8ValueCToCpp::WrapList(argumentsCount, arguments);
  CefRefPtr<CefV8Value> result;
  if (retval) {
    result = CefV8ValueCToCpp::Wrap(*retval);
    *retval = nullptr;
  }
  CefV8Handler* handler = CefV8HandlerCppToC::Get(self);
  if (!handler)
    return 0;

  const CefString exceptionBefore = copyString(exception);
  CefString exceptionText = exceptionBefore;
  const bool handled =
      handler->Execute(copyString(name), receiver, argumentList, result, exceptionText);
  if (retval)
    *retval = CefV8ValueCToCpp::Unwrap(result);
  if (exceptionText != exceptionBefore)
    writeString(exceptionText, exception);
  return handled ? 1 : 0;
}

}  // namespace

CefV8HandlerCppToC::CefV8HandlerCppToC() {
  GetStruct()->execute = execute;
}
