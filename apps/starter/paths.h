#pragma once

#include <string>

// Appends `name` to `base` as Poco paths do; a last file-name component of
// `base` becomes a directory first. "X:\App\" + "delayup" gives
// "X:\App\delayup"; an empty name gives the base with one trailing backslash.
std::string joinPath(const std::string& base, const std::string& name);

// The directory part of the launcher's argv[0] (ANSI), as UTF-8 with a
// trailing backslash; empty when argv[0] has no directory part.
std::string programDirectory(const std::string& programPathAnsi);
