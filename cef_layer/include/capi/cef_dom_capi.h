// A node of a frame's document.
#ifndef CEF_INCLUDE_CAPI_CEF_DOM_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_DOM_CAPI_H_

#include "include/capi/cef_base_capi.h"

// Only passed through by this layer: its members are not declared here.
typedef struct _cef_domnode_t cef_domnode_t;

#endif  // CEF_INCLUDE_CAPI_CEF_DOM_CAPI_H_
