#ifndef CEF_INCLUDE_CEF_LOAD_HANDLER_H_
#define CEF_INCLUDE_CEF_LOAD_HANDLER_H_

#include "include/cef_base.h"

// Load notifications; this layer declares none of its hooks.
class CefLoadHandler : public virtual CefBase {};

#endif  // CEF_INCLUDE_CEF_LOAD_HANDLER_H_
