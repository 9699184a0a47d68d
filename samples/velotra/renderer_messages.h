// The process messages that reached the browser side, read from the stand-in
// runtime's channel file (texts there are UTF-16 code units in hex).
#ifndef SAMPLES_VELOTRA_RENDERER_MESSAGES_H_
#define SAMPLES_VELOTRA_RENDERER_MESSAGES_H_

#include <string>
#include <vector>

struct BrowserMessage {
  int browser = 0;
  std::wstring name;
  std::vector<std::wstring> strings;  // the string arguments, in order
};

std::vector<BrowserMessage> readBrowserMessages(const std::wstring& channelFile);

#endif  // SAMPLES_VELOTRA_RENDERER_MESSAGES_H_
