#include "fakes.h"

std::u16string units(const CefString& text) {
  std::u16string out;
  for (size_t i = 0; i < text.length(); ++i)
    out.push_back(static_cast<char16_t>(text.c_str()[i]));
  return out;
}

bool RecordingBrowser::SendProcessMessage(CefProcessId target,
                                          CefRefPtr<CefProcessMessage> message) {
  SentMessage copy{target, units(message->GetName()), 0, {}, {}};
  CefRefPtr<CefListValue> list = message->GetArgumentList();
  copy.size = list->GetSize();
  for (size_t i = 0; i < copy.size; ++i) {
    copy.types.push_back(list->GetType(static_cast<int>(i)));
    copy.strings.push_back(units(list->GetString(static_cast<int>(i))));
  }
  sent.push_back(copy);
  return true;
}
