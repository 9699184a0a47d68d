// CefV8Value over Duktape. Primitives are copied out of the engine, as CEF
// does; objects, functions and arrays stay in their context's heap.
#ifndef CEF_STAND_IN_RUNTIME_V8_VALUE_IMPL_H_
#define CEF_STAND_IN_RUNTIME_V8_VALUE_IMPL_H_

#include "js_heap.h"

#include "include/cef_v8.h"

#include <memory>

class V8ValueImpl : public CefV8Value {
 public:
  enum class Kind { kUndefined, kNull, kBool, kInt, kUInt, kDouble, kString, kReference };

  static CefRefPtr<V8ValueImpl> primitive(Kind kind);
  static CefRefPtr<V8ValueImpl> boolean(bool value);
  static CefRefPtr<V8ValueImpl> integer(int32 value);
  static CefRefPtr<V8ValueImpl> unsignedInteger(uint32 value);
  static CefRefPtr<V8ValueImpl> number(double value);
  static CefRefPtr<V8ValueImpl> string(const CefString& value);
  // New engine objects in heap.
  static CefRefPtr<V8ValueImpl> newObject(const std::shared_ptr<JsHeap>& heap);
  static CefRefPtr<V8ValueImpl> newArray(const std::shared_ptr<JsHeap>& heap, int length);
  // A function whose calls go to handler's Execute with name.
  static CefRefPtr<V8ValueImpl> newFunction(const std::shared_ptr<JsHeap>& heap,
                                            const CefString& name,
                                            CefRefPtr<CefV8Handler> handler);
  // Wraps the engine value at index; the stack is left as it was.
  static CefRefPtr<V8ValueImpl> wrap(const std::shared_ptr<JsHeap>& heap, duk_idx_t index);

  // Pushes the value onto heap's stack. False (nothing pushed) for an object
  // of another or a closed heap.
  bool pushTo(JsHeap& heap);

  bool IsValid() override;
  bool IsUndefined() override { return kind_ == Kind::kUndefined; }
  bool IsNull() override { return kind_ == Kind::kNull; }
  bool IsBool() override { return kind_ == Kind::kBool; }
  bool IsInt() override;
  bool IsUInt() override;
  bool IsDouble() override;
  bool IsDate() override { return reference() && isDate_; }
  bool IsString() override { return kind_ == Kind::kString; }
  bool IsObject() override { return reference() && isObject_; }
  bool IsArray() override { return reference() && isArray_; }
  bool IsFunction() override { return reference() && isFunction_; }
  bool IsSame(CefRefPtr<CefV8Value> that) override;

  bool GetBoolValue() override;
  int32 GetIntValue() override;
  uint32 GetUIntValue() override;
  double GetDoubleValue() override;
  CefString GetStringValue() override;

  bool HasValue(const CefString& key) override;
  bool DeleteValue(const CefString& key) override;
  CefRefPtr<CefV8Value> GetValue(const CefString& key) override;
  bool SetValue(const CefString& key,
                CefRefPtr<CefV8Value> value,
                PropertyAttribute attribute) override;

  int GetArrayLength() override;
  CefString GetFunctionName() override;
  CefRefPtr<CefV8Handler> GetFunctionHandler() override;
  CefRefPtr<CefV8Value> ExecuteFunction(CefRefPtr<CefV8Value> object,
                                        const CefV8ValueList& arguments) override;

 private:
  explicit V8ValueImpl(Kind kind) : kind_(kind) {}
  ~V8ValueImpl() override;

  bool reference() const { return kind_ == Kind::kReference; }
  // The engine of a live object value, else null.
  duk_context* engineOf() const;
  FunctionBinding* binding();

  Kind kind_;
  bool bool_ = false;
  double number_ = 0;
  CefString string_;
  std::shared_ptr<JsHeap> heap_;
  int slot_ = 0;
  bool isObject_ = false;
  bool isArray_ = false;
  bool isFunction_ = false;
  bool isDate_ = false;

  IMPLEMENT_REFCOUNTING(V8ValueImpl);
};

#endif  // CEF_STAND_IN_RUNTIME_V8_VALUE_IMPL_H_
