// CefRefPtr: the intrusive smart pointer for CEF's reference-counted objects.
#ifndef CEF_INCLUDE_INTERNAL_CEF_PTR_H_
#define CEF_INCLUDE_INTERNAL_CEF_PTR_H_

#include <cassert>
#include <cstddef>
#include <utility>

template <class T>
class CefRefPtr {
 public:
  typedef T element_type;

  CefRefPtr() : ptr_(nullptr) {}
  CefRefPtr(T* p) : ptr_(p) {
    if (ptr_)
      ptr_->AddRef();
  }
  CefRefPtr(const CefRefPtr<T>& r) : CefRefPtr(r.ptr_) {}
  template <typename U>
  CefRefPtr(const CefRefPtr<U>& r) : CefRefPtr(r.get()) {}
  CefRefPtr(CefRefPtr<T>&& r) noexcept : ptr_(r.ptr_) { r.ptr_ = nullptr; }
  ~CefRefPtr() {
    if (ptr_)
      ptr_->Release();
  }

  T* get() const { return ptr_; }
  operator T*() const { return ptr_; }
  T& operator*() const {
    assert(ptr_ != nullptr);
    return *ptr_;
  }
  T* operator->() const {
    assert(ptr_ != nullptr);
    return ptr_;
  }

  CefRefPtr<T>& operator=(T* p) {
    // AddRef first: assigning an object to itself must not free it.
    if (p)
      p->AddRef();
    T* old = ptr_;
    ptr_ = p;
    if (old)
      old->Release();
    return *this;
  }
  CefRefPtr<T>& operator=(const CefRefPtr<T>& r) { return *this = r.ptr_; }
  template <typename U>
  CefRefPtr<T>& operator=(const CefRefPtr<U>& r) {
    return *this = r.get();
  }
  CefRefPtr<T>& operator=(CefRefPtr<T>&& r) noexcept {
    CefRefPtr<T>(std::move(r)).swap(*this);
    return *this;
  }

  void swap(T** pp) {
    T* p = ptr_;
    ptr_ = *pp;
    *pp = p;
  }
  void swap(CefRefPtr<T>& r) { swap(&r.ptr_); }

 private:
  T* ptr_;
};

#endif  // CEF_INCLUDE_INTERNAL_CEF_PTR_H_
