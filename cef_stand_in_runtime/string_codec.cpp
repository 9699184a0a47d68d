#include "string_codec.h"

namespace {

void appendUnit(std::string& out, unsigned unit) {
  if (unit < 0x80) {
    out.push_back(static_cast<char>(unit));
  } else if (unit < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (unit >> 6)));
    out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (unit >> 12)));
    out.push_back(static_cast<char>(0x80 | ((unit >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
  }
}

// Length of the sequence that starts with this byte, 0 for a stray byte.
size_t sequenceLength(unsigned char lead) {
  if (lead < 0x80)
    return 1;
  if ((lead & 0xE0) == 0xC0)
    return 2;
  if ((lead & 0xF0) == 0xE0)
    return 3;
  if ((lead & 0xF8) == 0xF0)
    return 4;
  return 0;
}

}  // namespace

std::string toEngineText(const CefString& text) {
  std::string out;
  out.reserve(text.length() * 3);
  const char16* units = text.c_str();
  for (size_t i = 0; i < text.length(); ++i)
    appendUnit(out, static_cast<char16_t>(units[i]));
  return out;
}

CefString fromEngineText(const char* bytes, size_t length) {
  std::basic_string<char16> units;
  units.reserve(length);
  const auto* p = reinterpret_cast<const unsigned char*>(bytes);
  size_t i = 0;
  while (i < length) {
    const size_t size = sequenceLength(p[i]);
    bool complete = size > 0 && i + size <= length;
    for (size_t k = 1; complete && k < size; ++k)
      complete = (p[i + k] & 0xC0) == 0x80;
    if (!complete) {
      units.push_back(static_cast<char16>(0xFFFD));
      ++i;
      continue;
    }
    unsigned long c = size == 1   ? p[i]
                      : size == 2 ? (p[i] & 0x1F)
                      : size == 3 ? (p[i] & 0x0F)
                                  : (p[i] & 0x07);
    for (size_t k = 1; k < size; ++k)
      c = (c << 6) | (p[i + k] & 0x3F);
    i += size;
    if (c >= 0x10000 && c <= 0x10FFFF) {
      c -= 0x10000;
      units.push_back(static_cast<char16>(0xD800 + (c >> 10)));
      units.push_back(static_cast<char16>(0xDC00 + (c & 0x3FF)));
    } else if (c > 0x10FFFF) {
      units.push_back(static_cast<char16>(0xFFFD));
    } else {
      units.push_back(static_cast<char16>(c));
    }
  }
  return CefString(units.c_str(), units.length(), true);
}

CefString fromUtf8File(const std::string& bytes) {
  if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
    return CefString(bytes.substr(3));
  return CefString(bytes);
}

std::string toHexUnits(const CefString& text) {
  static const char kDigits[] = "0123456789abcdef";
  std::string out = "u:";
  const char16* units = text.c_str();
  for (size_t i = 0; i < text.length(); ++i) {
    const unsigned unit = static_cast<char16_t>(units[i]);
    for (int shift = 12; shift >= 0; shift -= 4)
      out.push_back(kDigits[(unit >> shift) & 0xF]);
  }
  return out;
}
