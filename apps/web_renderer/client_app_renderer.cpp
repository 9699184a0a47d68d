#include "client_app_renderer.h"

#include "zel_v8_handler.h"

namespace {

constexpr char kBridgeObject[] = "cpp";

}  // namespace

CefRefPtr<CefRenderProcessHandler> ClientAppRenderer::GetRenderProcessHandler() {
  return this;
}

void ClientAppRenderer::OnContextCreated(CefRefPtr<CefBrowser> browser,
                                         CefRefPtr<CefFrame> /*frame*/,
                                         CefRefPtr<CefV8Context> context) {
  CefRefPtr<CefV8Value> global = context->GetGlobal();
  // One handler per context, never shared between frames; from here on CEF
  // holds it through the function.
  CefRefPtr<CefV8Handler> handler = new ZelV8Handler(browser);
  CefRefPtr<CefV8Value> function = CefV8Value::CreateFunction(kJsCommunication, handler);
  CefRefPtr<CefV8Value> bridge = CefV8Value::CreateObject(NULL);

  // Plain properties: page script may overwrite or delete them. A value that
  // CEF could not make, or a refused property, only leaves this page without
  // the bridge.
  if (global)
    global->SetValue(kBridgeObject, bridge, V8_PROPERTY_ATTRIBUTE_NONE);
  if (bridge)
    bridge->SetValue(kJsCommunication, function, V8_PROPERTY_ATTRIBUTE_NONE);
}
