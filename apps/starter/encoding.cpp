#include "encoding.h"

#include <windows.h>

#include <vector>

std::string ansiToUtf8(const std::string& ansi) {
  const int wideLength = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
  if (wideLength <= 0)
    return ansi;
  std::vector<wchar_t> wide(static_cast<size_t>(wideLength));
  if (MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide.data(), wideLength) == 0)
    return ansi;

  const int utf8Length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), -1, nullptr, 0, nullptr, nullptr);
  if (utf8Length <= 0)
    return ansi;
  std::vector<char> utf8(static_cast<size_t>(utf8Length));
  if (WideCharToMultiByte(CP_UTF8, 0, wide.data(), -1, utf8.data(), utf8Length, nullptr, nullptr) ==
      0)
    return ansi;
  return std::string(utf8.data());
}
