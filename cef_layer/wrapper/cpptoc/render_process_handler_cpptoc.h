// The client's CefRenderProcessHandler as the runtime's
// cef_render_process_handler_t.
#ifndef CEF_LAYER_WRAPPER_CPPTOC_RENDER_PROCESS_HANDLER_CPPTOC_H_
#define CEF_LAYER_WRAPPER_CPPTOC_RENDER_PROCESS_HANDLER_CPPTOC_H_

#include "wrapper/cpptoc.h"

#include "include/capi/cef_render_process_handler_capi.h"
#include "include/cef_render_process_handler.h"

class CefRenderProcessHandlerCppToC : public CefCppToC<CefRenderProcessHandlerCppToC,
                                                       CefRenderProcessHandler,
                                                       cef_render_process_handler_t> {
 public:
  CefRenderProcessHandlerCppToC();
};

#endif  // CEF_LAYER_WRAPPER_CPPTOC_RENDER_PROCESS_HANDLER_CPPTOC_H_
