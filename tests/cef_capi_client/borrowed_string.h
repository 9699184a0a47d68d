/* A cef_string_t that views text owned by somebody else: no copy, no dtor,
 * which is how a borrowed const cef_string_t* argument is meant. */
#ifndef CEF_CAPI_CLIENT_BORROWED_STRING_H
#define CEF_CAPI_CLIENT_BORROWED_STRING_H

#include "cef_c_api.h"

#include <wchar.h>

static inline cef_string_t borrowed_string(const char16* text) {
  cef_string_t view;
  view.str = (char16*)text;
  view.length = text ? wcslen(text) : 0;
  view.dtor = NULL;
  return view;
}

#endif
