#include "log_capture.h"

#include <ostream>

std::ostream& operator<<(std::ostream& out, const LogLine& line) {
  return out << line.priority << ' ' << line.text;
}

void CaptureChannel::log(const Poco::Message& message) {
  char priority = '?';
  switch (message.getPriority()) {
    case Poco::Message::PRIO_DEBUG:
      priority = 'D';
      break;
    case Poco::Message::PRIO_WARNING:
      priority = 'W';
      break;
    case Poco::Message::PRIO_CRITICAL:
      priority = 'C';
      break;
    default:
      break;
  }
  lines.push_back({priority, message.getText()});
  if (hook)
    hook(message.getText());
}

LogCapture::LogCapture() : channel_(new CaptureChannel) {
  Poco::Logger::root().setChannel(channel_);
  Poco::Logger::root().setLevel("trace");
}

LogCapture::~LogCapture() {
  Poco::Logger::root().setChannel(nullptr);
}
