#include "browser_impl.h"

#include "channel.h"
#include "process_message_impl.h"
#include "string_codec.h"
#include "v8_context_impl.h"

#include <string>

CefRefPtr<CefFrame> BrowserImpl::GetMainFrame() {
  return frames_.empty() ? nullptr : frames_.front().get();
}

bool BrowserImpl::SendProcessMessage(CefProcessId target_process,
                                     CefRefPtr<CefProcessMessage> message) {
  // A renderer can only talk to the browser process.
  auto* sent = dynamic_cast<ProcessMessageImpl*>(message.get());
  if (target_process != PID_BROWSER || !sent)
    return false;
  ListValueImpl& arguments = sent->arguments();
  V8ContextImpl* context = currentContext();
  std::string line = "message browser=" + std::to_string(id_) +
                     " context=" + std::to_string(context ? context->id() : 0) +
                     " name=" + toHexUnits(sent->GetName()) +
                     " size=" + std::to_string(arguments.GetSize());
  for (size_t i = 0; i < arguments.GetSize(); ++i)
    line += " arg" + std::to_string(i) + "=" + arguments.describe(static_cast<int>(i));
  record(line);
  return true;
}
