// Reads what the stand-in runtime wrote to its browser-side channel.
#ifndef TESTS_WEB_RENDERER_CHANNEL_READER_H_
#define TESTS_WEB_RENDERER_CHANNEL_READER_H_

#include <map>
#include <string>
#include <vector>

struct ChannelRecord {
  std::string kind;    // first word: "message", "hook", "script-error", ...
  std::string detail;  // for "hook": the hook's name
  std::map<std::string, std::string> fields;

  std::string field(const std::string& key) const;
  int number(const std::string& key) const;
  // A "u:<hex>" field as code units.
  std::u16string text(const std::string& key) const;
};

struct ProcessMessage {
  int browser = 0;
  int context = 0;
  std::u16string name;
  int size = 0;
  std::vector<std::string> arguments;  // as written: "string:u:...", "int:1"
};

std::u16string decodeUnits(const std::string& hex);
// "string:u:..." as code units.
std::u16string stringArgument(const std::string& argument);

std::vector<ChannelRecord> readChannel(const std::wstring& file);
std::vector<ProcessMessage> messagesIn(const std::vector<ChannelRecord>& records);
std::vector<ChannelRecord> recordsOf(const std::vector<ChannelRecord>& records,
                                     const std::string& kind,
                                     const std::string& detail = "");
// The texts of script errors and console lines, for failure messages.
std::string describeProblems(const std::vector<ChannelRecord>& records);

#endif  // TESTS_WEB_RENDERER_CHANNEL_READER_H_
