#ifndef CEF_INCLUDE_CEF_SCHEME_H_
#define CEF_INCLUDE_CEF_SCHEME_H_

#include "include/cef_base.h"

// Registers custom URL schemes; the declared subset.
class CefSchemeRegistrar : public virtual CefBase {
 public:
  virtual bool AddCustomScheme(const CefString& scheme_name,
                               bool is_standard,
                               bool is_local,
                               bool is_display_isolated) = 0;
};

#endif  // CEF_INCLUDE_CEF_SCHEME_H_
