// Reading and finding files by wide path, sharing whatever a running program
// may hold open.
#pragma once

#include <string>
#include <vector>

namespace e2e {

// Bytes of a file, empty when it cannot be read.
std::string readFile(const std::wstring& path);
bool fileExists(const std::wstring& path);
bool isDirectory(const std::wstring& path);
// Names of the entries that match a FindFirstFile pattern ("dir\\*.dmp").
std::vector<std::wstring> matchingNames(const std::wstring& pattern);

}  // namespace e2e
