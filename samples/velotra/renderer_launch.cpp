#include "renderer_launch.h"

#include <windows.h>

namespace {

std::wstring quoted(const std::wstring& argument) {
  return L"\"" + argument + L"\"";
}

}  // namespace

RendererRun runRenderer(const std::wstring& program,
                        const std::wstring& page,
                        const std::wstring& channelFile) {
  RendererRun run;
  run.commandLine = quoted(program) + L" --type=renderer --lang=zh-CN --stand-in-page=" +
                    quoted(page) + L" --stand-in-channel=" + quoted(channelFile);
  std::wstring mutableLine = run.commandLine;
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(program.c_str(), &mutableLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process))
    return run;
  run.started = true;
  if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) {
    run.finished = true;
    GetExitCodeProcess(process.hProcess, &run.exitCode);
  } else {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return run;
}
