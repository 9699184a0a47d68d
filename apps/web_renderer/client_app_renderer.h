// The renderer's application object: CEF's defaults everywhere, except that
// every new JavaScript context gets cpp.JS_COMMUNICATION.
#ifndef APPS_WEB_RENDERER_CLIENT_APP_RENDERER_H_
#define APPS_WEB_RENDERER_CLIENT_APP_RENDERER_H_

#include "include/cef_app.h"
#include "include/cef_render_process_handler.h"

class ClientAppRenderer : public CefApp, public CefRenderProcessHandler {
 public:
  ClientAppRenderer() = default;

  CefRefPtr<CefRenderProcessHandler> GetRenderProcessHandler() override;

  // Binds a new ZelV8Handler as window.cpp.JS_COMMUNICATION in context.
  void OnContextCreated(CefRefPtr<CefBrowser> browser,
                        CefRefPtr<CefFrame> frame,
                        CefRefPtr<CefV8Context> context) override;

 private:
  IMPLEMENT_REFCOUNTING(ClientAppRenderer);
};

#endif  // APPS_WEB_RENDERER_CLIENT_APP_RENDERER_H_
