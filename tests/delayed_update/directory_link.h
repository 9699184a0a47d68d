// Makes `link` a directory link to `target` (both absolute): a
// junction where the platform supports them, else, under Wine, a Unix
// symbolic link, which Wine shows as a directory reparse point. Returns
// false when neither works.
#pragma once

#include <string>

bool makeDirectoryLink(const std::wstring& link, const std::wstring& target);
