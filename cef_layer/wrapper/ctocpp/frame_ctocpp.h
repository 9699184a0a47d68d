// CefFrame over the runtime's cef_frame_t.
#ifndef CEF_LAYER_WRAPPER_CTOCPP_FRAME_CTOCPP_H_
#define CEF_LAYER_WRAPPER_CTOCPP_FRAME_CTOCPP_H_

#include "wrapper/ctocpp.h"

#include "include/capi/cef_frame_capi.h"
#include "include/cef_frame.h"

class CefFrameCToCpp : public CefCToCpp<CefFrameCToCpp, CefFrame, cef_frame_t> {
 public:
  explicit CefFrameCToCpp(cef_frame_t* s) : CefCToCpp(s) {}

  bool IsValid() override;
  bool IsMain() override;
  int64 GetIdentifier() override;
  CefString GetURL() override;
  CefRefPtr<CefBrowser> GetBrowser() override;
  CefRefPtr<CefV8Context> GetV8Context() override;
};

#endif  // CEF_LAYER_WRAPPER_CTOCPP_FRAME_CTOCPP_H_
