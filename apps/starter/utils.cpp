#include "utils.h"

#include "file_tree.h"
#include "logging.h"
#include "paths.h"

#include <Poco/Exception.h>
#include <Poco/File.h>
#include <Poco/Format.h>
#include <Poco/Path.h>
#include <Poco/Timestamp.h>

#include <windows.h>

#include <exception>
#include <vector>

namespace {

constexpr DWORD kSettleMs = 300;

// Creates a missing directory of the walk and logs the outcome ("1" created,
// "0" already there). Creation does not depend on the log level.
void createMissingDirectory(const std::string& path, const char* logFormat) {
  Poco::File directory(path);
  if (directory.exists())
    return;
  const bool created = directory.createDirectory();
  LOG_DEBUG(Poco::format(std::string(logFormat), std::to_string(created ? 1 : 0), path));
}

// An elevated launcher must not reach outside the staging tree through a
// link, nor plant one in the program directory.
bool refuseLink(const std::string& path) {
  if (!isLinkOrJunction(path))
    return false;
  LOG_CRITICAL(Poco::format("update link refused %s", path));
  return true;
}

// Puts every backed-up file back. False when any move failed: that backup
// file is then the only copy of the previous version.
bool restoreBackups(const RestoreList& restoreList) {
  bool allRestored = true;
  for (const auto& entry : restoreList) {
    if (!moveReplacing(entry.first, entry.second))
      allRestored = false;
    LOG_DEBUG(Poco::format("restore file %s to %s", entry.first, entry.second));
  }
  return allRestored;
}

void removeWithWarning(const std::string& path, const char* warningFormat) {
  try {
    if (Poco::File(path).exists())
      removeTree(path);
  } catch (...) {
    LOG_WARNING(Poco::format(std::string(warningFormat), path));
  }
}

}  // namespace

bool moveReplacing(const std::string& from, const std::string& to) {
  try {
    // The usual case in one step: nothing at `to` yet, a plain rename. When
    // something is there, the steps below decide what happens to it.
    Poco::File source(from);
    try {
      source.renameTo(to, Poco::File::OPT_FAIL_ON_OVERWRITE);
      return true;
    } catch (const Poco::Exception&) {
    }
    if (!source.exists())
      return false;
    Poco::File destination(to);
    if (destination.exists() && destination.isFile())
      destination.remove();
    try {
      source.renameTo(to);
    } catch (const Poco::Exception&) {
      // Rename refused (another volume, for instance): copy, then remove the
      // original without following links inside it. A copy onto a directory
      // would land inside it, which is no move to `to`.
      if (destination.exists() && destination.isDirectory())
        return false;
      source.copyTo(to);
      removeTree(from);
    }
    return true;
  } catch (...) {
    return false;
  }
}

bool updateFiles(const std::string& source,
                 const std::string& target,
                 const std::string& backup,
                 RestoreList& restoreList) {
  if (refuseLink(source))
    return false;
  bool result = true;
  // The whole listing first: moving entries out must not disturb it.
  const std::vector<TreeEntry> entries = listEntries(source);
  createMissingDirectory(target, "create dest dir %s %s");
  createMissingDirectory(backup, "create bak dir %s %s");

  for (const TreeEntry& entry : entries) {
    if (entry.isLink) {
      LOG_CRITICAL(Poco::format("update link refused %s", entry.path));
      result = false;
      break;
    }
    const Poco::Path entryPath(entry.path);
    if (entry.isDirectory) {
      // lib.x64 lands in lib; .cache lands in the enclosing directory.
      const std::string name = entryPath.getBaseName();
      result = updateFiles(entry.path, joinPath(target, name), joinPath(backup, name), restoreList);
      if (!result)
        break;
      continue;
    }
    const std::string name = entryPath.getFileName();
    const std::string targetFile = joinPath(target, name);
    const std::string backupFile = joinPath(backup, name);
    // Staged directories such as lib.a and lib.b land in the same place. Once
    // a path is backed up, that backup is what a restore must bring back; a
    // later file for the path only replaces the earlier staged copy.
    const bool backedUpAlready = restoreList.count(backupFile) != 0;
    if (!backedUpAlready && Poco::File(targetFile).exists()) {
      result = moveReplacing(targetFile, backupFile);
      if (!result) {
        LOG_CRITICAL(Poco::format("bak file failed %s", name));
        break;
      }
      restoreList.emplace(backupFile, targetFile);
      LOG_DEBUG(Poco::format("bak file %s", name));
    }
    result = moveReplacing(entry.path, targetFile);
    if (!result) {
      LOG_CRITICAL(Poco::format("update file failed %s", name));
      break;
    }
    LOG_DEBUG(Poco::format("update file %s", name));
  }
  return result;
}

DelayedUpdateDirs applyDelayedUpdate(const std::string& programDir) {
  DelayedUpdateDirs dirs;
  std::string base = programDir;
  try {
    // Poco refuses an empty path; a bare-name start means the current
    // directory, made absolute so the final clean-up finds the same place.
    if (base.empty())
      base = Poco::Path::current();
    dirs.updateDir = joinPath(base, "delayup");
    dirs.backupDir = joinPath(base, "bk_" + std::to_string(Poco::Timestamp().epochTime()));
    if (!Poco::File(dirs.updateDir).exists())
      return dirs;
  } catch (const Poco::Exception& e) {
    LOG_CRITICAL(Poco::format("check update dir failed: %s", e.displayText()));
    return dirs;
  } catch (...) {
    LOG_CRITICAL(Poco::format("check update dir failed: %s", dirs.updateDir));
    return dirs;
  }

  LOG_DEBUG("begin update files");
  LOG_DEBUG(Poco::format("delayup %s", dirs.updateDir));

  RestoreList restoreList;
  bool placed = false;
  try {
    placed = updateFiles(dirs.updateDir, base, dirs.backupDir, restoreList);
  } catch (const Poco::Exception& e) {
    LOG_CRITICAL(Poco::format("update files failed: %s", e.displayText()));
  } catch (const std::exception& e) {
    LOG_CRITICAL(Poco::format("update files failed: %s", std::string(e.what())));
  } catch (...) {
    LOG_CRITICAL(Poco::format("update files failed: %s", dirs.updateDir));
  }
  if (!placed)
    dirs.keepBackupDir = !restoreBackups(restoreList);

  Sleep(kSettleMs);
  removeWithWarning(dirs.updateDir, "remove update dir failed %s");
  if (dirs.keepBackupDir)
    LOG_WARNING(Poco::format("restore failed, keep bak dir %s", dirs.backupDir));
  else
    removeWithWarning(dirs.backupDir, "remove bak dir failed %s");
  return dirs;
}
