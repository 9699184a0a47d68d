// The UTF-16 string functions of libcef: the runtime owns the memory of every
// string it copies, and frees it through the string's dtor.
#include "userfree_string.h"

#include <cstdlib>
#include <cstring>

namespace {

void freeUnits(char16* units) {
  std::free(units);
}

}  // namespace

int cef_string_utf16_set(const char16* src, size_t src_len, cef_string_utf16_t* output, int copy) {
  if (!output)
    return 0;
  // The new text is ready before the old goes: src may be output's own text.
  cef_string_utf16_t replacement = {};
  if (src && src_len > 0 && !copy) {
    replacement.str = const_cast<char16*>(src);
    replacement.length = src_len;
  } else if (src && src_len > 0) {
    replacement.str = static_cast<char16*>(std::malloc((src_len + 1) * sizeof(char16)));
    if (!replacement.str)
      return 0;
    std::memcpy(replacement.str, src, src_len * sizeof(char16));
    replacement.str[src_len] = 0;
    replacement.length = src_len;
    replacement.dtor = freeUnits;
  }
  if (output->str != replacement.str)
    cef_string_utf16_clear(output);
  *output = replacement;
  return 1;
}

void cef_string_utf16_clear(cef_string_utf16_t* str) {
  if (!str)
    return;
  if (str->dtor && str->str)
    str->dtor(str->str);
  str->str = nullptr;
  str->length = 0;
  str->dtor = nullptr;
}

// Code unit by code unit; a null or empty string sorts first.
int cef_string_utf16_cmp(const cef_string_utf16_t* str1, const cef_string_utf16_t* str2) {
  const size_t length1 = str1 && str1->str ? str1->length : 0;
  const size_t length2 = str2 && str2->str ? str2->length : 0;
  for (size_t i = 0; i < length1 && i < length2; ++i) {
    const auto a = static_cast<unsigned>(str1->str[i]);
    const auto b = static_cast<unsigned>(str2->str[i]);
    if (a != b)
      return a < b ? -1 : 1;
  }
  if (length1 == length2)
    return 0;
  return length1 < length2 ? -1 : 1;
}

cef_string_userfree_utf16_t cef_string_userfree_utf16_alloc() {
  return static_cast<cef_string_userfree_utf16_t>(std::calloc(1, sizeof(cef_string_utf16_t)));
}

void cef_string_userfree_utf16_free(cef_string_userfree_utf16_t str) {
  cef_string_utf16_clear(str);
  std::free(str);
}

cef_string_userfree_t userfreeCopy(const CefString& text) {
  cef_string_userfree_t copy = cef_string_userfree_utf16_alloc();
  if (copy)
    cef_string_utf16_set(text.c_str(), text.length(), copy, 1);
  return copy;
}
