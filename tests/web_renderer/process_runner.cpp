#include "process_runner.h"

#include "test_files.h"

#include <windows.h>

#include <vector>

namespace {

// The current environment plus one entry, as CreateProcessW wants it.
std::vector<wchar_t> environmentWith(const std::wstring& entry) {
  std::vector<wchar_t> block;
  wchar_t* current = GetEnvironmentStringsW();
  for (const wchar_t* p = current; *p; p += wcslen(p) + 1)
    block.insert(block.end(), p, p + wcslen(p) + 1);
  FreeEnvironmentStringsW(current);
  block.insert(block.end(), entry.begin(), entry.end());
  block.push_back(0);
  block.push_back(0);
  return block;
}

}  // namespace

ProcessOutcome runProcess(const std::filesystem::path& program,
                          const std::wstring& arguments,
                          const std::wstring& extraEnvironment) {
  ProcessOutcome outcome;
  std::wstring commandLine = quoted(program.wstring()) + L" " + arguments;
  std::vector<wchar_t> environment;
  if (!extraEnvironment.empty())
    environment = environmentWith(extraEnvironment);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  const std::wstring folder = program.parent_path().wstring();
  if (!CreateProcessW(program.wstring().c_str(), &commandLine[0], nullptr, nullptr, FALSE,
                      CREATE_UNICODE_ENVIRONMENT,
                      environment.empty() ? nullptr : environment.data(), folder.c_str(), &startup,
                      &process))
    return outcome;
  outcome.started = true;
  // A launcher that fell back to its normal start could wait on a message box.
  if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) {
    outcome.finished = true;
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    outcome.exitCode = static_cast<int>(code);
  } else {
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, 5000);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return outcome;
}
