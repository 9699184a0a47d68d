// Conversions between UTF-8, wide text and UTF-16 for CefString. Malformed
// input becomes U+FFFD, as Chromium's converters do.
#ifndef CEF_INCLUDE_INTERNAL_CEF_STRING_UTF_H_
#define CEF_INCLUDE_INTERNAL_CEF_STRING_UTF_H_

#include <cstddef>
#include <cstdint>
#include <string>

namespace cef_string_utf {

constexpr char32_t kReplacement = 0xFFFD;

inline bool isSurrogate(char32_t c) {
  return c >= 0xD800 && c <= 0xDFFF;
}

// Decodes one UTF-8 sequence starting at text[i]; advances i past it.
inline char32_t decodeUtf8(const std::string& text, size_t& i) {
  const unsigned char lead = static_cast<unsigned char>(text[i++]);
  if (lead < 0x80)
    return lead;
  int extra = 0;
  char32_t c = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, c = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, c = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, c = lead & 0x07, minimum = 0x10000;
  } else {
    return kReplacement;
  }
  for (int k = 0; k < extra; ++k) {
    if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
      return kReplacement;
    c = (c << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
  }
  if (c < minimum || c > 0x10FFFF || isSurrogate(c))
    return kReplacement;
  return c;
}

inline void appendUtf16(std::u16string& out, char32_t c) {
  if (c >= 0x10000) {
    c -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
  } else {
    out.push_back(static_cast<char16_t>(c));
  }
}

inline void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

inline std::u16string utf8ToUtf16(const std::string& text) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();)
    appendUtf16(out, decodeUtf8(text, i));
  return out;
}

// Reads one code point from UTF-16 units; a lone surrogate becomes U+FFFD.
template <typename Unit>
char32_t decodeUtf16(const Unit* units, size_t length, size_t& i) {
  const char32_t c = static_cast<char16_t>(units[i++]);
  if (c >= 0xD800 && c <= 0xDBFF && i < length) {
    const char32_t low = static_cast<char16_t>(units[i]);
    if (low >= 0xDC00 && low <= 0xDFFF) {
      ++i;
      return 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
    }
  }
  return isSurrogate(c) ? kReplacement : c;
}

template <typename Unit>
std::string utf16ToUtf8(const Unit* units, size_t length) {
  std::string out;
  out.reserve(length);
  for (size_t i = 0; i < length;)
    appendUtf8(out, decodeUtf16(units, length, i));
  return out;
}

}  // namespace cef_string_utf

#endif  // CEF_INCLUDE_INTERNAL_CEF_STRING_UTF_H_
