#pragma once

#include <string>

// MD5 (RFC 1321) of the text's bytes as 32 lowercase hexadecimal digits.
std::string md5Hex(const std::string& text);

// Name of the mutex an updater holds while it installs: the MD5 of argv[0]
// with "_update" appended, "\" replaced by "_", ASCII capitals lowered, then
// converted from the ANSI code page to UTF-8.
std::string updateGuardName(const std::string& programPath);

// Returns false, after telling the user, when an updater holds the guard for
// three attempts one second apart. A guard left abandoned by an updater that
// died counts as free. Any failure of the guard itself lets the start go on;
// in no case does the calling thread own the guard afterwards.
bool checkUpdateGuard(const std::string& programPath);
