// What the stand-in libcef.dll exports: the API hash report and the entry
// points that the layer's wrapper forwards to.
#include "channel.h"
#include "command_line_impl.h"
#include "headless_renderer.h"
#include "list_value_impl.h"
#include "process_message_impl.h"
#include "stand_in_test_api.h"
#include "string_codec.h"
#include "v8_context_impl.h"
#include "v8_value_impl.h"

#include "wrapper/runtime_entry_points.h"

#include <windows.h>

#include <string>

namespace {

// Hands an object out with one reference that the caller owns.
template <typename T>
T* handOut(CefRefPtr<T> object) {
  T* raw = object.get();
  if (raw)
    raw->AddRef();
  return raw;
}

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

// The hash this runtime reports: its own, unless a test asks it to pose as
// another generation (--stand-in-api-hash=, or ZEL_STAND_IN_API_HASH).
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

int cef_stand_in_execute_process(const CefMainArgs& /*args*/,
                                 CefApp* application,
                                 void* /*windows_sandbox_info*/) {
  return executeProcess(GetCommandLineW(), application);
}

int cef_stand_in_run_renderer(const CefString& command_line, CefApp* application) {
  return executeProcess(command_line, application);
}

CefCommandLine* cef_stand_in_command_line_create() {
  return handOut<CefCommandLine>(new CommandLineImpl);
}

CefListValue* cef_stand_in_list_value_create() {
  return handOut<CefListValue>(new ListValueImpl);
}

CefProcessMessage* cef_stand_in_process_message_create(const CefString& name) {
  return handOut<CefProcessMessage>(new ProcessMessageImpl(name));
}

CefV8Context* cef_stand_in_v8context_get_current() {
  return handOut<CefV8Context>(currentContext());
}

CefV8Context* cef_stand_in_v8context_get_entered() {
  return handOut<CefV8Context>(enteredContext());
}

CefV8Value* cef_stand_in_v8value_create_undefined() {
  return handOut<CefV8Value>(V8ValueImpl::primitive(V8ValueImpl::Kind::kUndefined).get());
}

CefV8Value* cef_stand_in_v8value_create_null() {
  return handOut<CefV8Value>(V8ValueImpl::primitive(V8ValueImpl::Kind::kNull).get());
}

CefV8Value* cef_stand_in_v8value_create_bool(bool value) {
  return handOut<CefV8Value>(V8ValueImpl::boolean(value).get());
}

CefV8Value* cef_stand_in_v8value_create_int(int32 value) {
  return handOut<CefV8Value>(V8ValueImpl::integer(value).get());
}

CefV8Value* cef_stand_in_v8value_create_uint(uint32 value) {
  return handOut<CefV8Value>(V8ValueImpl::unsignedInteger(value).get());
}

CefV8Value* cef_stand_in_v8value_create_double(double value) {
  return handOut<CefV8Value>(V8ValueImpl::number(value).get());
}

CefV8Value* cef_stand_in_v8value_create_string(const CefString& value) {
  return handOut<CefV8Value>(V8ValueImpl::string(value).get());
}

CefV8Value* cef_stand_in_v8value_create_object(CefV8Accessor* /*accessor*/) {
  // Accessors are not supported: the object is a plain one either way.
  const std::shared_ptr<JsHeap> heap = currentHeap();
  return heap ? handOut<CefV8Value>(V8ValueImpl::newObject(heap).get()) : nullptr;
}

CefV8Value* cef_stand_in_v8value_create_array(int length) {
  const std::shared_ptr<JsHeap> heap = currentHeap();
  return heap ? handOut<CefV8Value>(V8ValueImpl::newArray(heap, length).get()) : nullptr;
}

CefV8Value* cef_stand_in_v8value_create_function(const CefString& name, CefV8Handler* handler) {
  const std::shared_ptr<JsHeap> heap = currentHeap();
  if (!heap || !handler)
    return nullptr;
  CefRefPtr<V8ValueImpl> function = V8ValueImpl::newFunction(heap, name, handler);
  record("function context=" + std::to_string(heap->context ? heap->context->id() : 0) + " name=" +
         toHexUnits(name) + " handler=" + std::to_string(heap->bindings().back()->handlerId));
  return handOut<CefV8Value>(function.get());
}
