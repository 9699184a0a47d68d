#ifndef CEF_INCLUDE_CEF_DOM_H_
#define CEF_INCLUDE_CEF_DOM_H_

#include "include/cef_base.h"

// A node of a frame's document; the declared subset.
class CefDOMNode : public virtual CefBase {
 public:
  virtual bool IsSame(CefRefPtr<CefDOMNode> that) = 0;
  virtual CefString GetName() = 0;
};

#endif  // CEF_INCLUDE_CEF_DOM_H_
