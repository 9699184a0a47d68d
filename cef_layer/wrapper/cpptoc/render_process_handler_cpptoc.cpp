#include "wrapper/cpptoc/render_process_handler_cpptoc.h"

#include "wrapper/cpptoc/passed_through_cpptoc.h"
#include "wrapper/ctocpp/browser_ctocpp.h"
#include "wrapper/ctocpp/frame_ctocpp.h"
#include "wrapper/ctocpp/list_value_ctocpp.h"
#include "wrapper/ctocpp/passed_through_ctocpp.h"
#include "wrapper/ctocpp/process_message_ctocpp.h"
#include "wrapper/ctocpp/v8context_ctocpp.h"

namespace {

// Every struct handed in is taken over before the hook runs, so that its
// reference goes even when there is no object to call.

CefRenderProcessHandler* handlerOf(cef_render_process_handler_t* self) {
  return CefRenderProcessHandlerCppToC::Get(self);
}

void CEF_CALLBACK onRenderThreadCreated(cef_render_process_handler_t* self,
                                        cef_list_value_t* extra_info) {
  CefRefPtr<CefListValue> extraInfo = CefListValueCToCpp::Wrap(extra_info);
  if (CefRenderProcessHandler* handler = handlerOf(self))
    handler->OnRenderThreadCreated(extraInfo);
}

void CEF_CALLBACK onWebKitInitialized(cef_render_process_handler_t* self) {
  if (CefRenderProcessHandler* handler = handlerOf(self))
    handler->OnWebKitInitialized();
}

void CEF_CALLBACK onBrowserCreated(cef_render_process_handler_t* self, cef_browser_t* browser) {
  CefRefPtr<CefBrowser> browserObject = CefBrowserCToCpp::Wrap(browser);
  if (CefRenderProcessHandler* handler = handlerOf(self))
    handler->OnBrowserCreated(browserObject);
}

void CEF_CALLBACK onBrowserDestroyed(cef_render_process_handler_t* self, cef_browser_t* browser) {
  CefRefPtr<CefBrowser> browserObject = CefBrowserCToCpp::Wrap(browser);
  if (CefRenderProcessHandler* handler = handlerOf(self))
    handler->OnBrowserDestroyed(browserObject);
}

cef_load_handler_t* CEF_CALLBACK getLoadHandler(cef_render_process_handler_t* self) {
  CefRenderProcessHandler* handler = handlerOf(self);
  return handler ? CefLoadHandlerCppToC::WrapPassedThrough(handler->GetLoadHandler()) : nullptr;
}

int CEF_CALLBACK onBeforeNavigation(cef_render_process_handler_t* self,
                                    cef_browser_t* browser,
                                    cef_frame_t* frame,
                                    cef_request_t* request,
                                    cef_navigation_type_t navigation_type,
                                    int is_redirect) {
  CefRefPtr<CefBrowser> browserObject = CefBrowserCToCpp::Wrap(browser);
  CefRefPtr<CefFrame> frameObject = CefFrameCToCpp::Wrap(frame);
  CefRefPtr<CefRequest> requestObject = CefRequestCToCpp::WrapPassedThrough(request);
  CefRenderProcessHandler* handler = handlerOf(self);
  return handler && handler->OnBeforeNavigation(browserObject, frameObject, requestObject,
                                                navigation_type, is_redirect != 0);
}

void CEF_CALLBACK onContextCreated(cef_render_process_handler_t* self,
                                   cef_browser_t* browser,
                                   cef_frame_t* frame,
                                   cef_v8context_t* context) {
  CefRefPtr<CefBrowser> browserObject = CefBrowserCToCpp::Wrap(browser);
  CefRefPtr<CefFrame> frameObject = CefFrameCToCpp::Wrap(frame);
  CefRefPtr<CefV8Context> contextObject = CefV8ContextCToCpp::Wrap(context);
  if (CefRenderProcessHandler* handler = handlerOf(self))
    handler->OnContextCreated(browserObject, frameObject, contextObject);
}

void CEF_CALLBACK onContextReleased(cef_render_process_handler_t* self,
                                    cef_browser_t* browser,
                                    cef_frame_t* frame,
                                    cef_v8context_t* context) {
  CefRefPtr<CefBrowser> browserObject = CefBrowserCToCpp::Wrap(browser);
  CefRefPtr<CefFrame> frameObject = CefFrameCToCpp::Wrap(frame);
  CefRefPtr<CefV8Context> contextObject = CefV8ContextCToCpp::Wrap(context);
  if (CefRenderProcessHandler* handler = handlerOf(self))
    handler->OnContextReleased(browserObject, frameObject, contextObject);
}

void CEF_CALLBACK onUncaughtException(cef_render_process_handler_t* self,
                                      cef_browser_t* browser,
                                      cef_frame_t* frame,
                                      cef_v8context_t* context,
                                      cef_v8exception_t* exception,
                                      cef_v8stack_trace_t* stackTrace) {
  CefRefPtr<CefBrowser> browserObject = CefBrowserCToCpp::Wrap(browser);
  CefRefPtr<CefFrame> frameObject = CefFrameCToCpp::Wrap(frame);
  CefRefPtr<CefV8Context> contextObject = CefV8ContextCToCpp::Wrap(context);
  CefRefPtr<CefV8Exception> exceptionObject = CefV8ExceptionCToCpp::WrapPassedThrough(exception);
  CefRefPtr<CefV8StackTrace> trace = CefV8StackTraceCToCpp::WrapPassedThrough(stackTrace);
  if (CefRenderProcessHandler* handler = handlerOf(self))
    handler->OnUncaughtException(browserObject, frameObject, contextObject, exceptionObject, trace);
}

void CEF_CALLBACK onFocusedNodeChanged(cef_render_process_handler_t* self,
                                       cef_browser_t* browser,
                                       cef_frame_t* frame,
                                       cef_domnode_t* node) {
  CefRefPtr<CefBrowser> browserObject = CefBrowserCToCpp::Wrap(browser);
  CefRefPtr<CefFrame> frameObject = CefFrameCToCpp::Wrap(frame);
  CefRefPtr<CefDOMNode> nodeObject = CefDOMNodeCToCpp::WrapPassedThrough(node);
  if (CefRenderProcessHandler* handler = handlerOf(self))
    handler->OnFocusedNodeChanged(browserObject, frameObject, nodeObject);
}

int CEF_CALLBACK onProcessMessageReceived(cef_render_process_handler_t* self,
                                          cef_browser_t* browser,
                                          cef_process_id_t source_process,
                                          cef_process_message_t* message) {
  CefRefPtr<CefBrowser> browserObject = CefBrowserCToCpp::Wrap(browser);
  CefRefPtr<CefProcessMessage> messageObject = CefProcessMessageCToCpp::Wrap(message);
  CefRenderProcessHandler* handler = handlerOf(self);
  return handler && handler->OnProcessMessageReceived(browserObject, source_process, messageObject);
}

}  // namespace

CefRenderProcessHandlerCppToC::CefRenderProcessHandlerCppToC() {
  cef_render_process_handler_t* s = GetStruct();
  s->on_render_thread_created = onRenderThreadCreated;
  s->on_web_kit_initialized = onWebKitInitialized;
  s->on_browser_created = onBrowserCreated;
  s->on_browser_destroyed = onBrowserDestroyed;
  s->get_load_handler = getLoadHandler;
  s->on_before_navigation = onBeforeNavigation;
  s->on_context_created = onContextCreated;
  s->on_context_released = onContextReleased;
  s->on_uncaught_exception = onUncaughtException;
  s->on_focused_node_changed = onFocusedNodeChanged;
  s->on_process_message_received = onProcessMessageReceived;
}
