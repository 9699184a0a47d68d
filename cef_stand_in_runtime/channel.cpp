#include "channel.h"

#include <windows.h>

namespace {

const Channel* g_activeChannel = nullptr;

}  // namespace

void Channel::write(const std::string& line) const {
  if (path_.empty())
    return;
  HANDLE file =
      CreateFileW(path_.ToWString().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return;
  const std::string text = line + "\n";
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

const Channel* activeChannel() {
  return g_activeChannel;
}

void setActiveChannel(const Channel* channel) {
  g_activeChannel = channel;
}

void record(const std::string& line) {
  if (g_activeChannel)
    g_activeChannel->write(line);
}
