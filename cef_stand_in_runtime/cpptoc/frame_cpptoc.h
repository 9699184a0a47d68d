// The runtime's frames handed to the client as cef_frame_t.
#ifndef CEF_STAND_IN_RUNTIME_CPPTOC_FRAME_CPPTOC_H_
#define CEF_STAND_IN_RUNTIME_CPPTOC_FRAME_CPPTOC_H_

#include "wrapper/cpptoc.h"

#include "include/capi/cef_frame_capi.h"
#include "include/cef_frame.h"

class CefFrameCppToC : public CefCppToC<CefFrameCppToC, CefFrame, cef_frame_t> {
 public:
  CefFrameCppToC();
};

#endif  // CEF_STAND_IN_RUNTIME_CPPTOC_FRAME_CPPTOC_H_
