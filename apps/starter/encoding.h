#pragma once

#include <string>

// Converts a narrow string in the ANSI code page to UTF-8. Returns the input
// unchanged when the system cannot convert it.
std::string ansiToUtf8(const std::string& ansi);
