// Starts a program of a scratch program folder and waits for its exit code.
#ifndef TESTS_WEB_RENDERER_PROCESS_RUNNER_H_
#define TESTS_WEB_RENDERER_PROCESS_RUNNER_H_

#include <filesystem>
#include <string>

struct ProcessOutcome {
  bool started = false;
  bool finished = false;  // false: timed out and was ended
  int exitCode = 0;
};

// Runs program with arguments (already quoted) in folder; extraEnvironment
// is NAME=value or empty.
ProcessOutcome runProcess(const std::filesystem::path& program,
                          const std::wstring& arguments,
                          const std::wstring& extraEnvironment = L"");

#endif  // TESTS_WEB_RENDERER_PROCESS_RUNNER_H_
