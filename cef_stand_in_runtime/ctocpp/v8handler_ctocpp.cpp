#include "ctocpp/v8handler_ctocpp.h"

#include "cpptoc/v8value_cpptoc.h"
#include "wrapper/string_bridge.h"

#include <vector>

// The receiver and each argument go with one reference for the handler.
// retval starts empty and comes back with one reference for us; the
// exception text is ours and written by the handler with a copy.
bool CefV8HandlerCToCpp::Execute(const CefString& name,
                                 CefRefPtr<CefV8Value> object,
                                 const CefV8ValueList& arguments,
                                 CefRefPtr<CefV8Value>& retval,
                                 CefString& exception) {
  cef_v8handler_t* s = GetStruct();
  if (CEF_MEMBER_MISSING(s, execute))
    return false;
  std::vector<cef_v8value_t*> argumentStructs;
  for (const CefRefPtr<CefV8Value>& argument : arguments)
    argumentStructs.push_back(CefV8ValueCppToC::Wrap(argument));
  const cef_string_t nameView = borrowString(name);
  cef_v8value_t* retvalStruct = nullptr;
  cef_string_t exceptionText = {};
  const bool handled =
      s->execute(s, &nameView, CefV8ValueCppToC::Wrap(object), argumentStructs.size(),
                 argumentStructs.empty() ? nullptr : argumentStructs.data(), &retvalStruct,
                 &exceptionText) != 0;
  retval = CefV8ValueCppToC::Unwrap(retvalStruct);
  exception = copyString(&exceptionText);
  cef_string_utf16_clear(&exceptionText);
  return handled;
}
