// CToCpp: a C struct of function pointers from the other side of the C
// boundary, seen as a C++ object. The object holds the one struct reference
// it was given and releases it when its own last C++ reference goes.
#ifndef CEF_LAYER_WRAPPER_CTOCPP_H_
#define CEF_LAYER_WRAPPER_CTOCPP_H_

#include "include/capi/cef_base_capi.h"
#include "include/cef_base.h"

// Calls member of the runtime's struct s with self only, or yields fallback
// when s lacks it.
#define CEF_CALL_OR(s, member, fallback) \
  (CEF_MEMBER_MISSING(s, member) ? (fallback) : (s)->member(s))

// ClassName derives from this and implements BaseName's methods by calling
// the members of GetStruct(), each after a CEF_MEMBER_MISSING check.
template <class ClassName, class BaseName, class StructName>
class CefCToCpp : public BaseName {
 public:
  CefCToCpp(const CefCToCpp&) = delete;
  CefCToCpp& operator=(const CefCToCpp&) = delete;

  // Takes over the reference that came with s; null for null.
  static CefRefPtr<BaseName> Wrap(StructName* s) {
    if (!s)
      return nullptr;
    return new ClassName(s);
  }

  // The struct behind object with one new reference for the receiver. Null
  // for null, and for an object that does not come from the other side.
  static StructName* Unwrap(CefRefPtr<BaseName> object) {
    auto* wrapper = dynamic_cast<CefCToCpp*>(object.get());
    if (!wrapper)
      return nullptr;
    cef_base_t* base = wrapper->base();
    if (!CEF_MEMBER_MISSING(base, add_ref))
      base->add_ref(base);
    return wrapper->struct_;
  }

  void AddRef() const override { count_.AddRef(); }
  bool Release() const override {
    if (!count_.Release())
      return false;
    delete this;
    return true;
  }
  bool HasOneRef() const override { return count_.HasOneRef(); }

 protected:
  explicit CefCToCpp(StructName* s) : struct_(s) {}
  ~CefCToCpp() override {
    cef_base_t* b = base();
    if (!CEF_MEMBER_MISSING(b, release))
      b->release(b);
  }

  StructName* GetStruct() const { return struct_; }

 private:
  cef_base_t* base() const { return reinterpret_cast<cef_base_t*>(struct_); }

  StructName* struct_;
  CefRefCount count_;
};

// For interfaces whose struct members this layer does not declare: the object
// keeps the struct's reference and passes it on, and nothing more.
template <class BaseName, class PublicStruct>
class CefPassedThroughCToCpp
    : public CefCToCpp<CefPassedThroughCToCpp<BaseName, PublicStruct>, BaseName, cef_base_t> {
 public:
  explicit CefPassedThroughCToCpp(cef_base_t* s)
      : CefCToCpp<CefPassedThroughCToCpp<BaseName, PublicStruct>, BaseName, cef_base_t>(s) {}

  static CefRefPtr<BaseName> WrapPassedThrough(PublicStruct* s) {
    return CefPassedThroughCToCpp::Wrap(reinterpret_cast<cef_base_t*>(s));
  }
  static PublicStruct* UnwrapPassedThrough(CefRefPtr<BaseName> object) {
    return reinterpret_cast<PublicStruct*>(CefPassedThroughCToCpp::Unwrap(object));
  }
};

#endif  // CEF_LAYER_WRAPPER_CTOCPP_H_
