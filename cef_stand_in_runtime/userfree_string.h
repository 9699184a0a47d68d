// Strings that the runtime hands to the client: a userfree copy, which the
// client frees with cef_string_userfree_utf16_free.
#ifndef CEF_STAND_IN_RUNTIME_USERFREE_STRING_H_
#define CEF_STAND_IN_RUNTIME_USERFREE_STRING_H_

#include "include/internal/cef_string.h"

cef_string_userfree_t userfreeCopy(const CefString& text);

#endif  // CEF_STAND_IN_RUNTIME_USERFREE_STRING_H_
