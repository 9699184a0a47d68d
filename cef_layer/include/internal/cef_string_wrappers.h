// CefStringUTF16: the C++ string class over CEF's UTF-16 text.
#ifndef CEF_INCLUDE_INTERNAL_CEF_STRING_WRAPPERS_H_
#define CEF_INCLUDE_INTERNAL_CEF_STRING_WRAPPERS_H_

#include "include/internal/cef_string_types.h"
#include "include/internal/cef_string_utf.h"

#include <cstddef>
#include <cstring>
#include <cwchar>
#include <string>

class CefStringUTF16 {
 public:
  typedef char16 char_type;
  typedef std::basic_string<char16> string16;

  CefStringUTF16() = default;
  CefStringUTF16(const CefStringUTF16&) = default;
  CefStringUTF16(CefStringUTF16&&) noexcept = default;
  CefStringUTF16& operator=(const CefStringUTF16&) = default;
  CefStringUTF16& operator=(CefStringUTF16&&) noexcept = default;

  // Narrow text is read as UTF-8 (ASCII included).
  CefStringUTF16(const std::string& src) { FromString(src); }
  CefStringUTF16(const char* src) {
    if (src)
      FromString(std::string(src));
  }
  CefStringUTF16(const std::wstring& src) { FromWString(src); }
  CefStringUTF16(const wchar_t* src) {
    if (src)
      FromWString(std::wstring(src));
  }
#if !defined(_WIN32)
  CefStringUTF16(const string16& src) : value_(src) {}
  CefStringUTF16(const char16* src) {
    if (src)
      value_ = src;
  }
#endif
  CefStringUTF16(const char16* src, size_t src_len, bool /*copy*/) {
    if (src)
      value_.assign(src, src_len);
  }

  const char16* c_str() const {
    return value_.c_str();
  }
  size_t length() const {
    return value_.length();
  }
  size_t size() const {
    return value_.size();
  }
  bool empty() const {
    return value_.empty();
  }
  void clear() {
    value_.clear();
  }

  // Code unit by code unit, like cef_string_utf16_cmp.
  int compare(const CefStringUTF16& other) const {
    return value_.compare(other.value_);
  }

  std::string ToString() const {
    return cef_string_utf::utf16ToUtf8(value_.data(), value_.size());
  }
  std::wstring ToWString() const {
#if defined(_WIN32)
    return value_;
#else
    std::wstring out;
    for (size_t i = 0; i < value_.size();)
      out.push_back(
          static_cast<wchar_t>(cef_string_utf::decodeUtf16(value_.data(), value_.size(), i)));
    return out;
#endif
  }
  string16 ToString16() const {
    return value_;
  }

  bool FromString(const std::string& src) {
    const std::u16string units = cef_string_utf::utf8ToUtf16(src);
    value_.assign(units.begin(), units.end());
    return true;
  }
  bool FromASCII(const char* src) {
    value_.clear();
    for (; src && *src; ++src)
      value_.push_back(static_cast<char16>(static_cast<unsigned char>(*src)));
    return true;
  }
  bool FromWString(const std::wstring& src) {
#if defined(_WIN32)
    value_ = src;
#else
    value_.clear();
    std::u16string units;
    for (wchar_t c : src)
      cef_string_utf::appendUtf16(units, static_cast<char32_t>(c));
    value_.assign(units.begin(), units.end());
#endif
    return true;
  }
  bool FromString16(const string16& src) {
    value_ = src;
    return true;
  }

 private:
  string16 value_;
};

// Equal when both are empty, or both hold the same code units.
inline bool operator==(const CefStringUTF16& a, const CefStringUTF16& b) {
  if (a.empty() && b.empty())
    return true;
  if (a.empty() || b.empty())
    return false;
  return a.compare(b) == 0;
}
inline bool operator!=(const CefStringUTF16& a, const CefStringUTF16& b) {
  return !(a == b);
}
inline bool operator<(const CefStringUTF16& a, const CefStringUTF16& b) {
  return a.compare(b) < 0;
}

#endif  // CEF_INCLUDE_INTERNAL_CEF_STRING_WRAPPERS_H_
