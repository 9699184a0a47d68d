#include "command_line.h"

#include <cstring>

namespace {

constexpr char kSubProcessSwitch[] = "--type=renderer";
constexpr size_t kSubProcessSwitchLength = 7;  // only "--type=" takes part
constexpr char kStartModuleSwitch[] = "/SD";
constexpr size_t kStartModuleSwitchLength = 3;
constexpr int kStartModuleNameBuffer = 100;
constexpr UINT kStartModuleResourceId = 10000;

char asciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWithIgnoringAsciiCase(const char* text, const char* prefix, size_t length) {
  for (size_t i = 0; i < length; ++i) {
    if (text[i] == '\0' || asciiLower(text[i]) != asciiLower(prefix[i]))
      return false;
  }
  return true;
}

}  // namespace

bool isSubProcessStart(int argc, char** argv) {
  for (int i = 0; i < argc; ++i) {
    if (argv[i] && startsWithIgnoringAsciiCase(argv[i], kSubProcessSwitch, kSubProcessSwitchLength))
      return true;
  }
  return false;
}

StartModuleChoice chooseStartModule(int argc, char** argv, HINSTANCE resourceModule) {
  StartModuleChoice choice;
  if (argc > 1 && argv[1] &&
      std::strncmp(argv[1], kStartModuleSwitch, kStartModuleSwitchLength) == 0) {
    choice.source = StartModuleSource::switchArgument;
    choice.name = argv[1] + kStartModuleSwitchLength;
    choice.fitsBuffer = choice.name.size() < static_cast<size_t>(kStartModuleNameBuffer);
    return choice;
  }

  char buffer[kStartModuleNameBuffer] = {};
  const int length =
      LoadStringA(resourceModule, kStartModuleResourceId, buffer, kStartModuleNameBuffer);
  if (length <= 0)
    return choice;
  choice.source = StartModuleSource::resource;
  choice.name.assign(buffer, static_cast<size_t>(length));
  return choice;
}
