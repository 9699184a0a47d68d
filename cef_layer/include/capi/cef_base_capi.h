// The C API's common base: every struct that crosses the boundary to libcef
// begins with a cef_base_t.
#ifndef CEF_INCLUDE_CAPI_CEF_BASE_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_BASE_CAPI_H_

#include "include/base/cef_basictypes.h"
#include "include/internal/cef_export.h"
#include "include/internal/cef_string.h"
#include "include/internal/cef_string_list.h"
#include "include/internal/cef_string_map.h"
#include "include/internal/cef_time.h"
#include "include/internal/cef_types.h"

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// size: sizeof the whole struct as its maker built it. A pointer received as
// an argument or a result carries one reference for the receiver; self is
// borrowed.
typedef struct _cef_base_t {
  size_t size;
  void(CEF_CALLBACK* add_ref)(struct _cef_base_t* self);
  int(CEF_CALLBACK* release)(struct _cef_base_t* self);
  int(CEF_CALLBACK* has_one_ref)(struct _cef_base_t* self);
} cef_base_t;

// Whether struct s (which begins with a cef_base_t) was built large enough
// to hold member f; a member past its size, or a null one, is missing.
#define CEF_MEMBER_EXISTS(s, f) \
  ((intptr_t) & ((s)->f) - (intptr_t)(s) + sizeof((s)->f) <= *(const size_t*)(s))
#define CEF_MEMBER_MISSING(s, f) (!CEF_MEMBER_EXISTS(s, f) || !((s)->f))

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_BASE_CAPI_H_
