#ifndef CEF_INCLUDE_CEF_SCHEME_H_
#define CEF_INCLUDE_CEF_SCHEME_H_

#include "include/cef_base.h"

// Registers custom URL schemes. The renderer registers none, so none of its
// methods is declared here.
class CefSchemeRegistrar : public virtual CefBase {};

#endif  // CEF_INCLUDE_CEF_SCHEME_H_
