#ifndef CEF_INCLUDE_CEF_RESOURCE_BUNDLE_HANDLER_H_
#define CEF_INCLUDE_CEF_RESOURCE_BUNDLE_HANDLER_H_

#include "include/cef_base.h"

// Supplies localized strings and resources; the declared subset.
class CefResourceBundleHandler : public virtual CefBase {
 public:
  virtual bool GetLocalizedString(int string_id, CefString& string) = 0;
};

#endif  // CEF_INCLUDE_CEF_RESOURCE_BUNDLE_HANDLER_H_
