// CefBase: the reference-counted base of every CEF object, and the
// IMPLEMENT_REFCOUNTING macro for client classes.
#ifndef CEF_INCLUDE_CEF_BASE_H_
#define CEF_INCLUDE_CEF_BASE_H_

#include "include/base/cef_basictypes.h"
#include "include/internal/cef_export.h"
#include "include/internal/cef_ptr.h"
#include "include/internal/cef_string.h"
#include "include/internal/cef_types_wrappers.h"
#if defined(_WIN32)
#include "include/internal/cef_win.h"
#endif

#include <atomic>
#include <cstdint>

// Derive virtually, so that an object with several CEF bases has one count.
class CefBase {
 public:
  virtual void AddRef() const = 0;
  // True when this call deleted the object.
  virtual bool Release() const = 0;
  virtual bool HasOneRef() const = 0;

 protected:
  virtual ~CefBase() {}
};

// The count behind IMPLEMENT_REFCOUNTING. CEF takes and drops references from
// several threads, so every change is atomic.
class CefRefCount {
 public:
  CefRefCount() : count_(0) {}
  CefRefCount(const CefRefCount&) = delete;
  CefRefCount& operator=(const CefRefCount&) = delete;

  void AddRef() const { count_.fetch_add(1, std::memory_order_relaxed); }
  // True when the count reached 0.
  bool Release() const { return count_.fetch_sub(1, std::memory_order_acq_rel) == 1; }
  bool HasOneRef() const { return count_.load(std::memory_order_acquire) == 1; }

 private:
  mutable std::atomic<int32_t> count_;
};

#define IMPLEMENT_REFCOUNTING(ClassName)          \
 public:                                          \
  void AddRef() const override {                  \
    ref_count_.AddRef();                          \
  }                                               \
  bool Release() const override {                 \
    if (ref_count_.Release()) {                   \
      delete static_cast<const ClassName*>(this); \
      return true;                                \
    }                                             \
    return false;                                 \
  }                                               \
  bool HasOneRef() const override {               \
    return ref_count_.HasOneRef();                \
  }                                               \
                                                  \
 private:                                         \
  CefRefCount ref_count_

#endif  // CEF_INCLUDE_CEF_BASE_H_
