// Shared pieces of the launcher scenarios: a program directory with a start
// module, the start-up log parsed into entries, and texts as the user sees them.
#pragma once

#include "e2e_support.h"

#include <string>
#include <vector>

namespace launcher {

// A program directory with starter.exe and, unless `module` is empty, a copy
// of that test-bin fixture named velotra.dll.
struct Installation {
  explicit Installation(const std::wstring& tag,
                        const std::wstring& module = L"start_module_fixture.dll");
  e2e::ProgramDir dir;
};

struct LogEntry {
  std::string timestamp;  // "YYYY-MM-DD hh:mm:ss"
  std::string priority;   // "Debug", "Warning" or "Critical"
  std::string text;
};

struct StartupLog {
  std::string header;  // the channel's "# Log file created/rotated ..." line
  std::vector<LogEntry> entries;
  std::vector<std::string> malformed;  // lines that are neither
};

// Parses log\start.log. The lone "\n" opening entry shows as an entry with an
// empty text followed by an empty line; that line is folded into the entry.
StartupLog parseStartupLog(const std::string& bytes);
std::vector<std::string> entryTexts(const StartupLog& log);

// Local time now, formatted as the log's time stamps.
std::string localTimestamp();

// How a MessageBoxA text stored as GBK bytes reads in this process's code page.
std::wstring ansiText(const std::string& gbk);
bool chineseCodePage();

// The guard mutex name, computed with the system's own MD5.
std::wstring guardNameFor(const std::string& programPath);

// The recorded calls of start_module_fixture.dll in a directory.
struct ModuleCall {
  std::vector<std::string> argv;
  bool logClosed = false;
  std::string guard;  // what the module found trying ZEL_FIXTURE_GUARD, if named
};
std::vector<ModuleCall> moduleCalls(const e2e::ProgramDir& dir);

extern const char kGbkMissingModule[];     // 缺少启动模块参数
extern const char kGbkMissingModuleBox[];  // 启动失败：缺少启动模块参数
extern const char kGbkLoadFailedBox[];     // 加载启动模块出错
extern const char kGbkMainMissingBox[];    // 加载主函数main出错

}  // namespace launcher
