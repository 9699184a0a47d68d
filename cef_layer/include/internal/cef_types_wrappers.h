// C++ names for the plain types.
#ifndef CEF_INCLUDE_INTERNAL_CEF_TYPES_WRAPPERS_H_
#define CEF_INCLUDE_INTERNAL_CEF_TYPES_WRAPPERS_H_

#include "include/internal/cef_string.h"
#include "include/internal/cef_types.h"

typedef cef_process_id_t CefProcessId;
typedef cef_value_type_t CefValueType;

#endif  // CEF_INCLUDE_INTERNAL_CEF_TYPES_WRAPPERS_H_
