#include "command_line_impl.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

using Text = std::basic_string<char16>;

bool isBlank(char16 c) {
  return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r' || c == L'\v' || c == L'\f';
}

Text trim(const Text& text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && isBlank(text[begin]))
    ++begin;
  while (end > begin && isBlank(text[end - 1]))
    --end;
  return text.substr(begin, end - begin);
}

size_t switchPrefixLength(const Text& argument) {
  if (argument.compare(0, 2, L"--") == 0)
    return 2;
  if (!argument.empty() && (argument[0] == L'-' || argument[0] == L'/'))
    return 1;
  return 0;
}

}  // namespace

CefString lowerAscii(const CefString& text) {
  Text units = text.ToString16();
  for (char16& c : units) {
    if (c >= L'A' && c <= L'Z')
      c = static_cast<char16>(c - L'A' + L'a');
  }
  return CefString(units.c_str(), units.size(), true);
}

bool ParsedCommandLine::has(const CefString& name) const {
  const CefString key = lowerAscii(name);
  for (const auto& entry : switches) {
    if (entry.first == key)
      return true;
  }
  return false;
}

CefString ParsedCommandLine::value(const CefString& name) const {
  const CefString key = lowerAscii(name);
  for (auto entry = switches.rbegin(); entry != switches.rend(); ++entry) {
    if (entry->first == key)
      return entry->second;
  }
  return CefString();
}

ParsedCommandLine parseCommandLine(const CefString& text) {
  ParsedCommandLine parsed;
  const Text trimmed = trim(text.ToString16());
  if (trimmed.empty())
    return parsed;
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(trimmed.c_str(), &count);
  if (!argv)
    return parsed;
  parsed.program = argv[0];
  bool switchesEnded = false;
  for (int i = 1; i < count; ++i) {
    const Text argument = trim(argv[i]);
    if (!switchesEnded && argument == L"--") {
      switchesEnded = true;
      continue;
    }
    const size_t prefix = switchesEnded ? 0 : switchPrefixLength(argument);
    if (prefix == 0 || prefix == argument.size()) {
      parsed.arguments.push_back(CefString(argument));
      continue;
    }
    const size_t equals = argument.find(L'=', prefix);
    const Text name = argument.substr(prefix, equals == Text::npos ? Text::npos : equals - prefix);
    const Text value = equals == Text::npos ? Text() : argument.substr(equals + 1);
    parsed.switches.emplace_back(lowerAscii(CefString(name)), CefString(value));
  }
  LocalFree(argv);
  return parsed;
}

void CommandLineImpl::InitFromString(const CefString& command_line) {
  parsed_ = parseCommandLine(command_line);
}
