// The UTF-16 string struct that crosses the boundary to libcef, and the
// functions of libcef that own its memory.
#ifndef CEF_INCLUDE_INTERNAL_CEF_STRING_TYPES_H_
#define CEF_INCLUDE_INTERNAL_CEF_STRING_TYPES_H_

#include "include/internal/cef_export.h"

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

// A UTF-16 code unit; on Windows CEF uses wchar_t for it.
#if defined(_WIN32)
typedef wchar_t char16;
#elif defined(__cplusplus)
typedef char16_t char16;
#else
#include <stdint.h>
typedef uint16_t char16;
#endif

// dtor frees str; null when the struct does not own its text.
typedef struct _cef_string_utf16_t {
  char16* str;
  size_t length;
  void (*dtor)(char16* str);
} cef_string_utf16_t;

// Allocated by libcef; the receiver frees it with cef_string_userfree_utf16_free.
typedef cef_string_utf16_t* cef_string_userfree_utf16_t;

// copy=1: output gets its own copy; copy=0: output points at src.
CEF_EXPORT int cef_string_utf16_set(const char16* src,
                                    size_t src_len,
                                    cef_string_utf16_t* output,
                                    int copy);
CEF_EXPORT void cef_string_utf16_clear(cef_string_utf16_t* str);
CEF_EXPORT int cef_string_utf16_cmp(const cef_string_utf16_t* str1, const cef_string_utf16_t* str2);
CEF_EXPORT cef_string_userfree_utf16_t cef_string_userfree_utf16_alloc(void);
CEF_EXPORT void cef_string_userfree_utf16_free(cef_string_userfree_utf16_t str);

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_INTERNAL_CEF_STRING_TYPES_H_
