// CEF's string type, here always the UTF-16 variant: cef_string_t at the C
// boundary, CefString in C++.
#ifndef CEF_INCLUDE_INTERNAL_CEF_STRING_H_
#define CEF_INCLUDE_INTERNAL_CEF_STRING_H_

#if !defined(CEF_STRING_TYPE_UTF16)
#define CEF_STRING_TYPE_UTF16 1
#endif

#include "include/internal/cef_string_types.h"

typedef cef_string_utf16_t cef_string_t;
typedef cef_string_userfree_utf16_t cef_string_userfree_t;

#ifdef __cplusplus
#include "include/internal/cef_string_wrappers.h"
typedef CefStringUTF16 CefString;
#endif

#endif  // CEF_INCLUDE_INTERNAL_CEF_STRING_H_
