#include "channel_reader.h"

#include "files.h"

#include <cstdlib>
#include <sstream>

namespace {

std::string utf8(const std::u16string& units) {
  std::string out;
  for (size_t i = 0; i < units.size(); ++i) {
    char32_t c = units[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units.size()) {
      c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

}  // namespace

std::string ChannelRecord::field(const std::string& key) const {
  auto found = fields.find(key);
  return found == fields.end() ? std::string() : found->second;
}

int ChannelRecord::number(const std::string& key) const {
  return std::atoi(field(key).c_str());
}

std::u16string ChannelRecord::text(const std::string& key) const {
  return decodeUnits(field(key));
}

std::u16string decodeUnits(const std::string& hex) {
  std::u16string units;
  const size_t start = hex.compare(0, 2, "u:") == 0 ? 2 : 0;
  for (size_t i = start; i + 4 <= hex.size(); i += 4)
    units.push_back(static_cast<char16_t>(std::strtoul(hex.substr(i, 4).c_str(), nullptr, 16)));
  return units;
}

std::u16string stringArgument(const std::string& argument) {
  const std::string prefix = "string:";
  if (argument.compare(0, prefix.size(), prefix) != 0)
    return u"<not a string: " + std::u16string(argument.begin(), argument.end()) + u">";
  return decodeUnits(argument.substr(prefix.size()));
}

std::vector<ChannelRecord> readChannel(const std::wstring& file) {
  std::vector<ChannelRecord> records;
  std::istringstream in(e2e::readFile(file));
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    ChannelRecord record;
    words >> record.kind;
    std::string word;
    while (words >> word) {
      const size_t equals = word.find('=');
      if (equals == std::string::npos)
        record.detail = word;
      else
        record.fields[word.substr(0, equals)] = word.substr(equals + 1);
    }
    records.push_back(record);
  }
  return records;
}

std::vector<ProcessMessage> messagesIn(const std::vector<ChannelRecord>& records) {
  std::vector<ProcessMessage> messages;
  for (const ChannelRecord& record : recordsOf(records, "message")) {
    ProcessMessage message;
    message.browser = record.number("browser");
    message.context = record.number("context");
    message.name = record.text("name");
    message.size = record.number("size");
    for (int i = 0; i < message.size; ++i)
      message.arguments.push_back(record.field("arg" + std::to_string(i)));
    messages.push_back(message);
  }
  return messages;
}

std::vector<ChannelRecord> recordsOf(const std::vector<ChannelRecord>& records,
                                     const std::string& kind,
                                     const std::string& detail) {
  std::vector<ChannelRecord> found;
  for (const ChannelRecord& record : records) {
    if (record.kind == kind && (detail.empty() || record.detail == detail))
      found.push_back(record);
  }
  return found;
}

std::string describeProblems(const std::vector<ChannelRecord>& records) {
  std::string text;
  for (const ChannelRecord& record : records) {
    if (record.kind == "script-error" || record.kind == "console" || record.kind == "load-failed")
      text += record.kind + ": " +
              utf8(record.text(record.kind == "load-failed" ? "page" : "text")) + "\n";
  }
  return text;
}
