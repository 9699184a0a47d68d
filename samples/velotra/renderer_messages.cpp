#include "renderer_messages.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

// "u:004a0053..." as text.
std::wstring decodeUnits(const std::string& field) {
  std::wstring text;
  for (size_t i = 2; i + 4 <= field.size(); i += 4)
    text.push_back(static_cast<wchar_t>(std::strtoul(field.substr(i, 4).c_str(), nullptr, 16)));
  return text;
}

}  // namespace

std::vector<BrowserMessage> readBrowserMessages(const std::wstring& channelFile) {
  std::vector<BrowserMessage> messages;
  std::ifstream in(std::filesystem::path(channelFile), std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string word;
    if (!(words >> word) || word != "message")
      continue;
    BrowserMessage message;
    while (words >> word) {
      const size_t equals = word.find('=');
      if (equals == std::string::npos)
        continue;
      const std::string key = word.substr(0, equals);
      const std::string value = word.substr(equals + 1);
      if (key == "browser")
        message.browser = std::atoi(value.c_str());
      else if (key == "name")
        message.name = decodeUnits(value);
      else if (key.compare(0, 3, "arg") == 0 && value.compare(0, 7, "string:") == 0)
        message.strings.push_back(decodeUnits(value.substr(7)));
    }
    messages.push_back(message);
  }
  return messages;
}
