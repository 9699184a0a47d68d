// Captures the root logger's messages; an optional hook runs inside the
// logging call, i.e. at that exact moment of the walk.
#pragma once

#include <Poco/AutoPtr.h>
#include <Poco/Channel.h>
#include <Poco/Logger.h>
#include <Poco/Message.h>

#include <functional>
#include <string>
#include <vector>

struct LogLine {
  char priority;  // 'D', 'W', 'C'
  std::string text;
  bool operator==(const LogLine& other) const {
    return priority == other.priority && text == other.text;
  }
};

std::ostream& operator<<(std::ostream& out, const LogLine& line);

class CaptureChannel : public Poco::Channel {
 public:
  void log(const Poco::Message& message) override;
  std::vector<LogLine> lines;
  std::function<void(const std::string&)> hook;
};

// Attaches a fresh capture to the root logger at level trace.
class LogCapture {
 public:
  LogCapture();
  ~LogCapture();
  std::vector<LogLine>& lines() { return channel_->lines; }
  void onText(std::function<void(const std::string&)> hook) { channel_->hook = std::move(hook); }

 private:
  Poco::AutoPtr<CaptureChannel> channel_;
};
