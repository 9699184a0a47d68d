#include "v8_value_impl.h"

#include "string_codec.h"
#include "v8_context_impl.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr char kBindingKey[] = DUK_HIDDEN_SYMBOL("stand-in-binding");

void pushText(duk_context* engine, const CefString& text) {
  const std::string bytes = toEngineText(text);
  duk_push_lstring(engine, bytes.data(), bytes.size());
}

bool isNumeric(V8ValueImpl::Kind kind) {
  return kind == V8ValueImpl::Kind::kInt || kind == V8ValueImpl::Kind::kUInt ||
         kind == V8ValueImpl::Kind::kDouble;
}

bool fitsRange(double value, double low, double high) {
  return std::isfinite(value) && std::floor(value) == value && value >= low && value <= high &&
         !(value == 0 && std::signbit(value));
}

// Serves a call of a function made by CreateFunction: the handler's answer
// becomes the call's result, an exception text a thrown Error.
duk_ret_t callHandler(duk_context* engine) {
  duk_push_current_function(engine);
  duk_get_prop_string(engine, -1, kBindingKey);
  auto* binding = static_cast<FunctionBinding*>(duk_get_pointer(engine, -1));
  duk_pop_2(engine);
  JsHeap* heap = JsHeap::of(engine);
  if (!binding || !binding->handler || !heap || !heap->context)
    return 0;
  const std::shared_ptr<JsHeap> owner = heap->context->heap();

  CefRefPtr<CefV8Handler> handler = binding->handler;
  const CefString name = binding->name;
  CefV8ValueList arguments;
  const duk_idx_t count = duk_get_top(engine);
  for (duk_idx_t i = 0; i < count; ++i)
    arguments.push_back(V8ValueImpl::wrap(owner, i));
  duk_push_this(engine);
  CefRefPtr<CefV8Value> receiver = V8ValueImpl::wrap(owner, -1);
  duk_pop(engine);

  CefRefPtr<CefV8Value> retval;
  CefString exception;
  const bool handled = handler->Execute(name, receiver, arguments, retval, exception);
  if (!handled)
    return 0;
  if (!exception.empty()) {
    const std::string text = toEngineText(exception);
    duk_push_error_object(engine, DUK_ERR_ERROR, "%s", text.c_str());
    return duk_throw(engine);
  }
  auto* result = static_cast<V8ValueImpl*>(retval.get());
  return result && result->pushTo(*owner) ? 1 : 0;
}

}  // namespace

CefRefPtr<V8ValueImpl> V8ValueImpl::primitive(Kind kind) {
  return new V8ValueImpl(kind);
}

CefRefPtr<V8ValueImpl> V8ValueImpl::boolean(bool value) {
  CefRefPtr<V8ValueImpl> v = new V8ValueImpl(Kind::kBool);
  v->bool_ = value;
  return v;
}

CefRefPtr<V8ValueImpl> V8ValueImpl::integer(int32 value) {
  CefRefPtr<V8ValueImpl> v = new V8ValueImpl(Kind::kInt);
  v->number_ = value;
  return v;
}

CefRefPtr<V8ValueImpl> V8ValueImpl::unsignedInteger(uint32 value) {
  CefRefPtr<V8ValueImpl> v = new V8ValueImpl(Kind::kUInt);
  v->number_ = value;
  return v;
}

CefRefPtr<V8ValueImpl> V8ValueImpl::number(double value) {
  CefRefPtr<V8ValueImpl> v = new V8ValueImpl(Kind::kDouble);
  v->number_ = value;
  return v;
}

CefRefPtr<V8ValueImpl> V8ValueImpl::string(const CefString& value) {
  CefRefPtr<V8ValueImpl> v = new V8ValueImpl(Kind::kString);
  v->string_ = value;
  return v;
}

CefRefPtr<V8ValueImpl> V8ValueImpl::newObject(const std::shared_ptr<JsHeap>& heap) {
  duk_context* engine = heap->engine();
  duk_push_object(engine);
  CefRefPtr<V8ValueImpl> v = wrap(heap, -1);
  duk_pop(engine);
  return v;
}

CefRefPtr<V8ValueImpl> V8ValueImpl::newArray(const std::shared_ptr<JsHeap>& heap, int length) {
  duk_context* engine = heap->engine();
  duk_push_array(engine);
  duk_push_int(engine, length < 0 ? 0 : length);
  duk_put_prop_string(engine, -2, "length");
  CefRefPtr<V8ValueImpl> v = wrap(heap, -1);
  duk_pop(engine);
  return v;
}

CefRefPtr<V8ValueImpl> V8ValueImpl::newFunction(const std::shared_ptr<JsHeap>& heap,
                                                const CefString& name,
                                                CefRefPtr<CefV8Handler> handler) {
  duk_context* engine = heap->engine();
  FunctionBinding* binding = heap->bind(name, handler);
  duk_push_c_function(engine, callHandler, DUK_VARARGS);
  duk_push_pointer(engine, binding);
  duk_put_prop_string(engine, -2, kBindingKey);
  duk_push_string(engine, "name");
  pushText(engine, name);
  duk_def_prop(engine, -3, DUK_DEFPROP_HAVE_VALUE | DUK_DEFPROP_FORCE);
  CefRefPtr<V8ValueImpl> v = wrap(heap, -1);
  duk_pop(engine);
  return v;
}

CefRefPtr<V8ValueImpl> V8ValueImpl::wrap(const std::shared_ptr<JsHeap>& heap, duk_idx_t index) {
  duk_context* engine = heap->engine();
  switch (duk_get_type(engine, index)) {
    case DUK_TYPE_NONE:
    case DUK_TYPE_UNDEFINED:
      return primitive(Kind::kUndefined);
    case DUK_TYPE_NULL:
      return primitive(Kind::kNull);
    case DUK_TYPE_BOOLEAN:
      return boolean(duk_get_boolean(engine, index) != 0);
    case DUK_TYPE_NUMBER:
      return number(duk_get_number(engine, index));
    case DUK_TYPE_STRING:
      if (!duk_is_symbol(engine, index)) {
        duk_size_t length = 0;
        const char* bytes = duk_get_lstring(engine, index, &length);
        return string(fromEngineText(bytes, length));
      }
      break;
    default:
      break;
  }
  // Objects, functions, arrays, symbols and the engine's own types.
  CefRefPtr<V8ValueImpl> v = new V8ValueImpl(Kind::kReference);
  v->heap_ = heap;
  v->slot_ = heap->keep(index);
  v->isObject_ = duk_is_object(engine, index) != 0;
  v->isArray_ = duk_is_array(engine, index) != 0;
  v->isFunction_ = duk_is_function(engine, index) != 0;
  if (v->isObject_) {
    duk_get_global_string(engine, "Date");
    v->isDate_ = duk_instanceof(engine, duk_normalize_index(engine, index), -1) != 0;
    duk_pop(engine);
  }
  return v;
}

V8ValueImpl::~V8ValueImpl() {
  if (heap_ && heap_->alive())
    heap_->drop(slot_);
}

duk_context* V8ValueImpl::engineOf() const {
  return reference() && heap_ && heap_->alive() ? heap_->engine() : nullptr;
}

bool V8ValueImpl::pushTo(JsHeap& heap) {
  duk_context* engine = heap.engine();
  if (!engine)
    return false;
  switch (kind_) {
    case Kind::kUndefined:
      duk_push_undefined(engine);
      return true;
    case Kind::kNull:
      duk_push_null(engine);
      return true;
    case Kind::kBool:
      duk_push_boolean(engine, bool_);
      return true;
    case Kind::kInt:
    case Kind::kUInt:
    case Kind::kDouble:
      duk_push_number(engine, number_);
      return true;
    case Kind::kString:
      pushText(engine, string_);
      return true;
    case Kind::kReference:
      if (heap_.get() != &heap || !heap.alive())
        return false;
      heap.push(slot_);
      return true;
  }
  return false;
}

bool V8ValueImpl::IsValid() {
  return !reference() || (heap_ && heap_->alive());
}

bool V8ValueImpl::IsInt() {
  return kind_ == Kind::kInt || (isNumeric(kind_) && fitsRange(number_, INT32_MIN, INT32_MAX));
}

bool V8ValueImpl::IsUInt() {
  return kind_ == Kind::kUInt || (isNumeric(kind_) && fitsRange(number_, 0, UINT32_MAX));
}

bool V8ValueImpl::IsDouble() {
  return isNumeric(kind_);
}

bool V8ValueImpl::IsSame(CefRefPtr<CefV8Value> that) {
  auto* other = static_cast<V8ValueImpl*>(that.get());
  if (!other || other->kind_ != kind_)
    return false;
  switch (kind_) {
    case Kind::kUndefined:
    case Kind::kNull:
      return true;
    case Kind::kBool:
      return bool_ == other->bool_;
    case Kind::kString:
      return string_ == other->string_;
    case Kind::kReference: {
      duk_context* engine = engineOf();
      if (!engine || other->heap_ != heap_)
        return false;
      heap_->push(slot_);
      heap_->push(other->slot_);
      const bool same = duk_strict_equals(engine, -1, -2) != 0;
      duk_pop_2(engine);
      return same;
    }
    default:
      return number_ == other->number_;
  }
}

bool V8ValueImpl::GetBoolValue() {
  return kind_ == Kind::kBool && bool_;
}

int32 V8ValueImpl::GetIntValue() {
  return isNumeric(kind_) && fitsRange(std::trunc(number_), INT32_MIN, INT32_MAX)
             ? static_cast<int32>(number_)
             : 0;
}

uint32 V8ValueImpl::GetUIntValue() {
  return isNumeric(kind_) && fitsRange(std::trunc(number_), 0, UINT32_MAX)
             ? static_cast<uint32>(number_)
             : 0;
}

double V8ValueImpl::GetDoubleValue() {
  return isNumeric(kind_) ? number_ : 0;
}

CefString V8ValueImpl::GetStringValue() {
  return kind_ == Kind::kString ? string_ : CefString();
}

bool V8ValueImpl::HasValue(const CefString& key) {
  duk_context* engine = engineOf();
  if (!engine || !isObject_)
    return false;
  heap_->push(slot_);
  pushText(engine, key);
  bool found = false;
  const bool ok = protectedCall(
      engine,
      [&found](duk_context* ctx) -> duk_ret_t {
        found = duk_has_prop(ctx, -2) != 0;
        return 0;
      },
      2, 1);
  duk_pop(engine);
  return ok && found;
}

bool V8ValueImpl::DeleteValue(const CefString& key) {
  duk_context* engine = engineOf();
  if (!engine || !isObject_)
    return false;
  heap_->push(slot_);
  pushText(engine, key);
  const bool ok = protectedCall(
      engine,
      [](duk_context* ctx) -> duk_ret_t {
        duk_del_prop(ctx, -2);
        return 0;
      },
      2, 1);
  duk_pop(engine);
  return ok;
}

CefRefPtr<CefV8Value> V8ValueImpl::GetValue(const CefString& key) {
  duk_context* engine = engineOf();
  if (!engine || !isObject_)
    return nullptr;
  heap_->push(slot_);
  pushText(engine, key);
  const bool ok = protectedCall(
      engine,
      [](duk_context* ctx) -> duk_ret_t {
        duk_get_prop(ctx, -2);
        return 1;
      },
      2, 1);
  CefRefPtr<CefV8Value> result = ok ? wrap(heap_, -1) : nullptr;
  duk_pop(engine);
  return result;
}

bool V8ValueImpl::SetValue(const CefString& key,
                           CefRefPtr<CefV8Value> value,
                           PropertyAttribute attribute) {
  duk_context* engine = engineOf();
  auto* v = static_cast<V8ValueImpl*>(value.get());
  if (!engine || !isObject_ || !v)
    return false;
  heap_->push(slot_);
  pushText(engine, key);
  if (!v->pushTo(*heap_)) {
    duk_pop_2(engine);
    return false;
  }
  duk_uint_t flags = DUK_DEFPROP_HAVE_VALUE | DUK_DEFPROP_HAVE_WRITABLE |
                     DUK_DEFPROP_HAVE_ENUMERABLE | DUK_DEFPROP_HAVE_CONFIGURABLE;
  if (!(attribute & V8_PROPERTY_ATTRIBUTE_READONLY))
    flags |= DUK_DEFPROP_WRITABLE;
  if (!(attribute & V8_PROPERTY_ATTRIBUTE_DONTENUM))
    flags |= DUK_DEFPROP_ENUMERABLE;
  if (!(attribute & V8_PROPERTY_ATTRIBUTE_DONTDELETE))
    flags |= DUK_DEFPROP_CONFIGURABLE;
  const bool ok = protectedCall(
      engine,
      [flags](duk_context* ctx) -> duk_ret_t {
        duk_def_prop(ctx, -3, flags);
        return 0;
      },
      3, 1);
  duk_pop(engine);
  return ok;
}

int V8ValueImpl::GetArrayLength() {
  duk_context* engine = engineOf();
  if (!engine || !isArray_)
    return 0;
  heap_->push(slot_);
  const int length = static_cast<int>(duk_get_length(engine, -1));
  duk_pop(engine);
  return length;
}

FunctionBinding* V8ValueImpl::binding() {
  duk_context* engine = engineOf();
  if (!engine || !isFunction_)
    return nullptr;
  heap_->push(slot_);
  duk_get_prop_string(engine, -1, kBindingKey);
  auto* found = static_cast<FunctionBinding*>(duk_get_pointer(engine, -1));
  duk_pop_2(engine);
  return found;
}

CefString V8ValueImpl::GetFunctionName() {
  duk_context* engine = engineOf();
  if (!engine || !isFunction_)
    return CefString();
  heap_->push(slot_);
  duk_get_prop_string(engine, -1, "name");
  duk_size_t length = 0;
  const char* bytes = duk_is_string(engine, -1) ? duk_get_lstring(engine, -1, &length) : "";
  CefString name = fromEngineText(bytes, length);
  duk_pop_2(engine);
  return name;
}

CefRefPtr<CefV8Handler> V8ValueImpl::GetFunctionHandler() {
  FunctionBinding* found = binding();
  return found ? found->handler : nullptr;
}

CefRefPtr<CefV8Value> V8ValueImpl::ExecuteFunction(CefRefPtr<CefV8Value> object,
                                                   const CefV8ValueList& arguments) {
  duk_context* engine = engineOf();
  if (!engine || !isFunction_)
    return nullptr;
  heap_->push(slot_);
  auto* receiver = static_cast<V8ValueImpl*>(object.get());
  if (!receiver || !receiver->pushTo(*heap_))
    duk_push_undefined(engine);
  duk_idx_t count = 0;
  for (const auto& argument : arguments) {
    auto* a = static_cast<V8ValueImpl*>(argument.get());
    if (!a || !a->pushTo(*heap_))
      duk_push_undefined(engine);
    ++count;
  }
  const bool ok = duk_pcall_method(engine, count) == DUK_EXEC_SUCCESS;
  CefRefPtr<CefV8Value> result = ok ? wrap(heap_, -1) : nullptr;
  duk_pop(engine);
  return result;
}
