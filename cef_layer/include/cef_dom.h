#ifndef CEF_INCLUDE_CEF_DOM_H_
#define CEF_INCLUDE_CEF_DOM_H_

#include "include/cef_base.h"

// A node of a frame's document. The renderer only passes it on, so none of
// its methods is declared here.
class CefDOMNode : public virtual CefBase {};

#endif  // CEF_INCLUDE_CEF_DOM_H_
