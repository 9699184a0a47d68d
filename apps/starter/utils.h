// The delayed update: files an updater staged in "delayup" are moved into the
// program directory at start, each replaced file going to a backup directory
// first, so a failed walk can put the previous files back.
#pragma once

#include <string>
#include <unordered_map>

// Backup file path -> the target path whose file was moved there.
using RestoreList = std::unordered_map<std::string, std::string>;

struct DelayedUpdateDirs {
  std::string updateDir;
  std::string backupDir;
  // A restore move failed, so the backup directory holds the only copy of a
  // previous file: nobody may remove it.
  bool keepBackupDir = false;
};

// Applies a pending update below `programDir` (UTF-8, trailing backslash; empty
// means the current directory). Never throws, never shows a message.
DelayedUpdateDirs applyDelayedUpdate(const std::string& programDir);

// Moves every entry below `source` to its mapped place below `target`, backing
// up what it replaces below `backup`. False at the first failure.
bool updateFiles(const std::string& source,
                 const std::string& target,
                 const std::string& backup,
                 RestoreList& restoreList);

// Moves one file-system entry, replacing a regular file at `to`. Never throws.
bool moveReplacing(const std::string& from, const std::string& to);
