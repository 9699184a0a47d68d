// Text conversions between the test code and what the binaries write.
#pragma once

#include <string>
#include <vector>

namespace e2e {

std::wstring utf8ToWide(const std::string& text);
std::string wideToUtf8(const std::wstring& text);
// Splits on CRLF; the pieces keep no line end.
std::vector<std::string> splitCrLf(const std::string& text);

}  // namespace e2e
