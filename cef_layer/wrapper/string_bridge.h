// CefString across the C boundary, by the C API's ownership rules:
// const cef_string_t* arguments are borrowed, cef_string_userfree_t results
// belong to the receiver, and out strings are written with a copy.
#ifndef CEF_LAYER_WRAPPER_STRING_BRIDGE_H_
#define CEF_LAYER_WRAPPER_STRING_BRIDGE_H_

#include "include/internal/cef_string.h"

// Points at text's code units without copying: valid while text lives
// unchanged, and only for a const cef_string_t* argument.
inline cef_string_t borrowString(const CefString& text) {
  cef_string_t view = {};
  view.str = const_cast<char16*>(text.c_str());
  view.length = text.length();
  return view;
}

// A copy of a string that stays its owner's; empty for null.
inline CefString copyString(const cef_string_t* text) {
  if (!text || !text->str)
    return CefString();
  return CefString(text->str, text->length, true);
}

// A copy of a userfree result, which is freed here.
inline CefString takeUserfreeString(cef_string_userfree_t text) {
  CefString copy = copyString(text);
  if (text)
    cef_string_userfree_utf16_free(text);
  return copy;
}

// Replaces out's text with a copy of text.
inline void writeString(const CefString& text, cef_string_t* out) {
  if (out)
    cef_string_utf16_set(text.c_str(), text.length(), out, 1);
}

#endif  // CEF_LAYER_WRAPPER_STRING_BRIDGE_H_
