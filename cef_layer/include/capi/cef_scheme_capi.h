// Registers custom URL schemes.
#ifndef CEF_INCLUDE_CAPI_CEF_SCHEME_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_SCHEME_CAPI_H_

#include "include/capi/cef_base_capi.h"

// Only passed through by this layer: its members are not declared here.
typedef struct _cef_scheme_registrar_t cef_scheme_registrar_t;

#endif  // CEF_INCLUDE_CAPI_CEF_SCHEME_CAPI_H_
