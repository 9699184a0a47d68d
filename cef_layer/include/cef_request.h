#ifndef CEF_INCLUDE_CEF_REQUEST_H_
#define CEF_INCLUDE_CEF_REQUEST_H_

#include "include/cef_base.h"

// A web request. The renderer only passes it on, so none of its methods is
// declared here.
class CefRequest : public virtual CefBase {};

#endif  // CEF_INCLUDE_CEF_REQUEST_H_
