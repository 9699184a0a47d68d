// Running a binary the way a user would: started in its own folder, its
// message boxes read and answered, its exit code collected.
#pragma once

#include "dialogs.h"

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

// Variables added to or replaced in the child's environment: name, value.
using Environment = std::vector<std::pair<std::wstring, std::wstring>>;

struct RunOptions {
  std::wstring arguments;   // appended to the command line after argv[0]
  std::wstring argv0;       // the command line's first word; default: the exe path, quoted
  std::wstring workingDir;  // default: the exe's folder
  Environment environment;
  std::function<void(const Dialog&)> onDialog;  // called while the box is up
  DWORD timeoutMs = 60000;
  DWORD creationFlags = 0;
};

struct RunResult {
  DWORD exitCode = 0;
  std::vector<Dialog> dialogs;
  bool timedOut = false;
};

// An argument quoted so that CommandLineToArgvW reads it back unchanged.
std::wstring quoted(const std::wstring& argument);

// Starts `exe`, answers each message box it shows with OK and waits for it to
// end. A child still running after the timeout is ended and reported.
RunResult run(const std::wstring& exe, const RunOptions& options = {});

// A helper program that runs beside the test (a fixture holding a file or a
// mutex), started as run() starts a program but not waited for. When the
// object goes it waits up to the options' timeout for the program to end,
// then ends it. Its message boxes are not answered.
class BackgroundProcess {
 public:
  explicit BackgroundProcess(const std::wstring& exe, const RunOptions& options = {});
  ~BackgroundProcess();
  BackgroundProcess(const BackgroundProcess&) = delete;
  BackgroundProcess& operator=(const BackgroundProcess&) = delete;

  // Null when the start failed (reported as a test failure).
  HANDLE handle() const { return process_; }
  // True when it ended within `timeoutMs`; its exit code goes to `exitCode`.
  bool waitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr) const;

 private:
  HANDLE process_ = nullptr;
  DWORD timeoutMs_;
};

}  // namespace e2e
