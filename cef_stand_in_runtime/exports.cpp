// The C functions that the stand-in libcef.dll exports, under the names of a
// real libcef.dll: the API hash, the process entry and the object factories.
// Every object goes out as a C struct with one reference for the caller;
// every struct that comes in is taken over, whatever the call's outcome.
#include "channel.h"
#include "command_line_impl.h"
#include "cpptoc/command_line_cpptoc.h"
#include "cpptoc/list_value_cpptoc.h"
#include "cpptoc/process_message_cpptoc.h"
#include "cpptoc/v8context_cpptoc.h"
#include "cpptoc/v8value_cpptoc.h"
#include "ctocpp/app_ctocpp.h"
#include "ctocpp/passed_through_ctocpp.h"
#include "ctocpp/v8handler_ctocpp.h"
#include "headless_renderer.h"
#include "list_value_impl.h"
#include "process_command_line.h"
#include "process_message_impl.h"
#include "string_codec.h"
#include "v8_context_impl.h"
#include "v8_value_impl.h"
#include "wrapper/string_bridge.h"

#include "include/capi/cef_app_capi.h"
#include "include/capi/cef_command_line_capi.h"
#include "include/capi/cef_process_message_capi.h"
#include "include/capi/cef_v8_capi.h"
#include "include/capi/cef_values_capi.h"
#include "include/cef_api_hash.h"
#include "include/cef_version.h"

#include <windows.h>

#include <string>

namespace {

std::string environmentValue(const wchar_t* name) {
  wchar_t buffer[256] = {};
  const DWORD length = GetEnvironmentVariableW(name, buffer, 256);
  if (length == 0 || length >= 256)
    return std::string();
  return CefString(buffer).ToString();
}

// Objects need a current context, as in CEF.
std::shared_ptr<JsHeap> currentHeap() {
  V8ContextImpl* context = currentContext();
  return context && context->IsValid() ? context->heap() : nullptr;
}

}  // namespace

// The hash this runtime reports: the one the layer is built for, unless a
// test asks it to pose as another generation (--stand-in-api-hash=, or
// ZEL_STAND_IN_API_HASH).
const char* cef_api_hash(int entry) {
  static std::string reported;
  if (entry == 2)
    return "cef-stand-in";
  reported = CEF_API_HASH_PLATFORM;
  const CefString fromSwitch = parseCommandLine(GetCommandLineW()).value("stand-in-api-hash");
  const std::string fromEnvironment = environmentValue(L"ZEL_STAND_IN_API_HASH");
  if (!fromSwitch.empty())
    reported = fromSwitch.ToString();
  else if (!fromEnvironment.empty())
    reported = fromEnvironment;
  return reported.c_str();
}

// The release this runtime stands in for: 3.2623.1397, Chromium 49.0.2623.110.
int cef_version_info(int entry) {
  const int parts[] = {3, 1397, 49, 0, 2623, 110};
  return entry >= 0 && entry < 6 ? parts[entry] : 0;
}

int cef_execute_process(const cef_main_args_t* /*args*/,
                        cef_app_t* application,
                        void* /*windows_sandbox_info*/) {
  return executeProcess(processCommandLine(), CefAppCToCpp::Wrap(application));
}

cef_command_line_t* cef_command_line_create() {
  return CefCommandLineCppToC::Wrap(new CommandLineImpl);
}

cef_command_line_t* cef_command_line_get_global() {
  CefRefPtr<CommandLineImpl> global = new CommandLineImpl;
  global->InitFromString(processCommandLine());
  return CefCommandLineCppToC::Wrap(global.get());
}

cef_list_value_t* cef_list_value_create() {
  return CefListValueCppToC::Wrap(new ListValueImpl);
}

cef_process_message_t* cef_process_message_create(const cef_string_t* name) {
  return CefProcessMessageCppToC::Wrap(new ProcessMessageImpl(copyString(name)));
}

cef_v8context_t* cef_v8context_get_current_context() {
  return CefV8ContextCppToC::Wrap(currentContext());
}

cef_v8context_t* cef_v8context_get_entered_context() {
  return CefV8ContextCppToC::Wrap(enteredContext());
}

int cef_v8context_in_context() {
  return currentContext() != nullptr;
}

cef_v8value_t* cef_v8value_create_undefined() {
  return CefV8ValueCppToC::Wrap(V8ValueImpl::primitive(V8ValueImpl::Kind::kUndefined).get());
}

cef_v8value_t* cef_v8value_create_null() {
  return CefV8ValueCppToC::Wrap(V8ValueImpl::primitive(V8ValueImpl::Kind::kNull).get());
}

cef_v8value_t* cef_v8value_create_bool(int value) {
  return CefV8ValueCppToC::Wrap(V8ValueImpl::boolean(value != 0).get());
}

cef_v8value_t* cef_v8value_create_int(int32 value) {
  return CefV8ValueCppToC::Wrap(V8ValueImpl::integer(value).get());
}

cef_v8value_t* cef_v8value_create_uint(uint32 value) {
  return CefV8ValueCppToC::Wrap(V8ValueImpl::unsignedInteger(value).get());
}

cef_v8value_t* cef_v8value_create_double(double value) {
  return CefV8ValueCppToC::Wrap(V8ValueImpl::number(value).get());
}

cef_v8value_t* cef_v8value_create_string(const cef_string_t* value) {
  return CefV8ValueCppToC::Wrap(V8ValueImpl::string(copyString(value)).get());
}

cef_v8value_t* cef_v8value_create_object(cef_v8accessor_t* accessor) {
  // Accessors are not supported: the object is a plain one either way.
  CefV8AccessorCToCpp::WrapPassedThrough(accessor);
  const std::shared_ptr<JsHeap> heap = currentHeap();
  return heap ? CefV8ValueCppToC::Wrap(V8ValueImpl::newObject(heap).get()) : nullptr;
}

cef_v8value_t* cef_v8value_create_array(int length) {
  const std::shared_ptr<JsHeap> heap = currentHeap();
  return heap ? CefV8ValueCppToC::Wrap(V8ValueImpl::newArray(heap, length).get()) : nullptr;
}

cef_v8value_t* cef_v8value_create_function(const cef_string_t* name, cef_v8handler_t* handler) {
  CefRefPtr<CefV8Handler> handlerObject = CefV8HandlerCToCpp::Wrap(handler);
  const std::shared_ptr<JsHeap> heap = currentHeap();
  if (!heap || !handlerObject)
    return nullptr;
  const CefString functionName = copyString(name);
  CefRefPtr<V8ValueImpl> function = V8ValueImpl::newFunction(heap, functionName, handlerObject);
  record("function context=" + std::to_string(heap->context ? heap->context->id() : 0) +
         " name=" + toHexUnits(functionName) +
         " handler=" + std::to_string(heap->bindings().back()->handlerId));
  return CefV8ValueCppToC::Wrap(function.get());
}
