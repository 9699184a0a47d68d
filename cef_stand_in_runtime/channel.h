// The browser side of the stand-in: a file that receives one line per event
// of the run (see README.md for the format). Without a path nothing is written.
#ifndef CEF_STAND_IN_RUNTIME_CHANNEL_H_
#define CEF_STAND_IN_RUNTIME_CHANNEL_H_

#include "include/internal/cef_string.h"

#include <string>

class Channel {
 public:
  explicit Channel(const CefString& path) : path_(path) {}

  // Appends one line; the file is opened per line so that a crash loses nothing.
  void write(const std::string& line) const;

 private:
  CefString path_;
};

// The channel of the run in progress, or null outside a run.
const Channel* activeChannel();
void setActiveChannel(const Channel* channel);

// Writes a line to the active channel, if there is one.
void record(const std::string& line);

#endif  // CEF_STAND_IN_RUNTIME_CHANNEL_H_
