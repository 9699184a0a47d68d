#include "process_run.h"

#include "text.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace e2e {
namespace {

std::wstring folderOf(const std::wstring& path) {
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

// The environment block of this process with `changes` applied.
std::wstring environmentBlock(const Environment& changes) {
  std::map<std::wstring, std::wstring> variables;
  wchar_t* block = GetEnvironmentStringsW();
  for (const wchar_t* entry = block; *entry; entry += wcslen(entry) + 1) {
    const std::wstring text(entry);
    const size_t equals = text.find(L'=', 1);
    if (equals != std::wstring::npos)
      variables[text.substr(0, equals)] = text.substr(equals + 1);
  }
  FreeEnvironmentStringsW(block);
  for (const auto& change : changes)
    variables[change.first] = change.second;
  std::wstring result;
  for (const auto& variable : variables)
    result += variable.first + L"=" + variable.second + L'\0';
  result += L'\0';
  return result;
}

// Starts `exe` as the options say; the process handle and id, or a null
// handle after reporting the failure.
PROCESS_INFORMATION startProcess(const std::wstring& exe, const RunOptions& options) {
  std::wstring commandLine = options.argv0.empty() ? quoted(exe) : options.argv0;
  if (!options.arguments.empty())
    commandLine += L" " + options.arguments;
  const std::wstring workingDir = options.workingDir.empty() ? folderOf(exe) : options.workingDir;
  std::wstring environment = environmentBlock(options.environment);

  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  // Wine now and then fails a start with ERROR_INTERNAL_ERROR on a busy
  // machine before the child runs any of its code; that start is tried again.
  BOOL started = FALSE;
  DWORD startError = 0;
  for (int attempt = 1; attempt <= 3 && !started; ++attempt) {
    started = CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE,
                             CREATE_UNICODE_ENVIRONMENT | options.creationFlags, &environment[0],
                             workingDir.c_str(), &startup, &process);
    startError = started ? 0 : GetLastError();
    if (!started && startError != ERROR_INTERNAL_ERROR)
      break;
    if (!started)
      Sleep(200);
  }
  if (!started) {
    ADD_FAILURE() << "cannot start " << wideToUtf8(exe) << ": error " << startError;
    return PROCESS_INFORMATION{};
  }
  CloseHandle(process.hThread);
  process.hThread = nullptr;
  return process;
}

}  // namespace

std::wstring quoted(const std::wstring& argument) {
  std::wstring out = L"\"";
  size_t backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    // Backslashes count as escapes only before a quote.
    if (c == L'"')
      out.append(backslashes * 2 + 1, L'\\');
    else
      out.append(backslashes, L'\\');
    backslashes = 0;
    out += c;
  }
  out.append(backslashes * 2, L'\\');
  return out + L"\"";
}

RunResult run(const std::wstring& exe, const RunOptions& options) {
  RunResult result;
  const PROCESS_INFORMATION process = startProcess(exe, options);
  if (!process.hProcess) {
    result.exitCode = static_cast<DWORD>(-999);
    return result;
  }

  std::set<HWND> answered;
  const ULONGLONG deadline = GetTickCount64() + options.timeoutMs;
  while (WaitForSingleObject(process.hProcess, 20) == WAIT_TIMEOUT) {
    for (HWND window : dialogWindows(process.dwProcessId)) {
      if (!answered.insert(window).second)
        continue;
      Dialog dialog = readDialog(window);
      if (options.onDialog)
        options.onDialog(dialog);
      result.dialogs.push_back(dialog);
      pressOk(window);
    }
    if (GetTickCount64() > deadline) {
      result.timedOut = true;
      TerminateProcess(process.hProcess, 259);
      WaitForSingleObject(process.hProcess, 5000);
      break;
    }
  }
  GetExitCodeProcess(process.hProcess, &result.exitCode);
  CloseHandle(process.hProcess);
  return result;
}

BackgroundProcess::BackgroundProcess(const std::wstring& exe, const RunOptions& options)
    : process_(startProcess(exe, options).hProcess), timeoutMs_(options.timeoutMs) {}

BackgroundProcess::~BackgroundProcess() {
  if (!process_)
    return;
  if (WaitForSingleObject(process_, timeoutMs_) != WAIT_OBJECT_0)
    TerminateProcess(process_, 259);
  CloseHandle(process_);
}

bool BackgroundProcess::waitForExit(DWORD timeoutMs, DWORD* exitCode) const {
  if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0)
    return false;
  if (exitCode)
    GetExitCodeProcess(process_, exitCode);
  return true;
}

}  // namespace e2e
