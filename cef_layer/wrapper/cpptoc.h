// CppToC: hands a C++ object to the other side of the C boundary as a C
// struct of function pointers. Each Wrap makes a new struct with its own
// reference count; the struct holds one C++ reference to the object for as
// long as the other side holds the struct.
#ifndef CEF_LAYER_WRAPPER_CPPTOC_H_
#define CEF_LAYER_WRAPPER_CPPTOC_H_

#include "include/capi/cef_base_capi.h"
#include "include/cef_base.h"

#include <atomic>
#include <cstring>

// ClassName derives from this and fills StructName's own members in its
// constructor with static functions that reach the object through Get(self).
template <class ClassName, class BaseName, class StructName>
class CefCppToC {
 public:
  CefCppToC(const CefCppToC&) = delete;
  CefCppToC& operator=(const CefCppToC&) = delete;

  // A new struct for object, carrying one reference for the receiver; null
  // for a null object.
  static StructName* Wrap(CefRefPtr<BaseName> object) {
    if (!object)
      return nullptr;
    ClassName* wrapper = new ClassName();
    wrapper->object_ = object;
    wrapper->count_.fetch_add(1, std::memory_order_relaxed);
    return &wrapper->bridge_.struct_;
  }

  // The object behind a struct that came back over the boundary. Takes over
  // the reference that came with it. Null for a struct not made by Wrap.
  static CefRefPtr<BaseName> Unwrap(StructName* s) {
    if (!s)
      return nullptr;
    CefCppToC* wrapper = owner(s);
    if (!wrapper) {
      cef_base_t* base = reinterpret_cast<cef_base_t*>(s);
      if (!CEF_MEMBER_MISSING(base, release))
        base->release(base);
      return nullptr;
    }
    CefRefPtr<BaseName> object = wrapper->object_;
    wrapper->releaseStruct();
    return object;
  }

  // The object behind self, which stays borrowed.
  static BaseName* Get(StructName* self) {
    CefCppToC* wrapper = owner(self);
    return wrapper ? wrapper->object_.get() : nullptr;
  }

 protected:
  CefCppToC() {
    std::memset(&bridge_.struct_, 0, sizeof(StructName));
    cef_base_t* base = reinterpret_cast<cef_base_t*>(&bridge_.struct_);
    base->size = sizeof(StructName);
    base->add_ref = structAddRef;
    base->release = structRelease;
    base->has_one_ref = structHasOneRef;
    bridge_.owner = this;
  }
  virtual ~CefCppToC() = default;

  StructName* GetStruct() { return &bridge_.struct_; }

 private:
  // The struct comes first, so that a StructName* leads back to its wrapper.
  struct Bridge {
    StructName struct_;
    CefCppToC* owner;
  };

  // Only structs whose add_ref is ours were made here.
  static CefCppToC* owner(StructName* s) {
    if (!s)
      return nullptr;
    cef_base_t* base = reinterpret_cast<cef_base_t*>(s);
    if (base->add_ref != structAddRef)
      return nullptr;
    return reinterpret_cast<Bridge*>(s)->owner;
  }

  bool releaseStruct() {
    if (count_.fetch_sub(1, std::memory_order_acq_rel) != 1)
      return false;
    delete this;  // drops the C++ reference to the object
    return true;
  }

  static void CEF_CALLBACK structAddRef(cef_base_t* self) {
    reinterpret_cast<Bridge*>(self)->owner->count_.fetch_add(1, std::memory_order_relaxed);
  }
  static int CEF_CALLBACK structRelease(cef_base_t* self) {
    return reinterpret_cast<Bridge*>(self)->owner->releaseStruct() ? 1 : 0;
  }
  static int CEF_CALLBACK structHasOneRef(cef_base_t* self) {
    return reinterpret_cast<Bridge*>(self)->owner->count_.load(std::memory_order_acquire) == 1;
  }

  Bridge bridge_;
  CefRefPtr<BaseName> object_;
  std::atomic<int> count_{0};
};

// For client interfaces whose struct members this layer does not declare: the
// struct is a bare cef_base_t whose size says that every member is missing,
// so the other side can hold and release the object but call nothing on it.
template <class BaseName, class PublicStruct>
class CefPassedThroughCppToC
    : public CefCppToC<CefPassedThroughCppToC<BaseName, PublicStruct>, BaseName, cef_base_t> {
 public:
  static PublicStruct* WrapPassedThrough(CefRefPtr<BaseName> object) {
    return reinterpret_cast<PublicStruct*>(CefPassedThroughCppToC::Wrap(object));
  }
};

#endif  // CEF_LAYER_WRAPPER_CPPTOC_H_
