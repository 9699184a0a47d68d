// A sample start module: the application's browser process for the demo. It
// reports how it was called, starts the renderer sub-process on its sample
// page, and reports every message that the page sent through
// cpp.JS_COMMUNICATION. The report goes to standard output and to
// velotra-output.txt beside the module. Returns 0 when at least one message
// arrived, else 1.
#include "renderer_launch.h"
#include "renderer_messages.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::wstring moduleDirectory() {
  HMODULE self = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&moduleDirectory), &self);
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(self, path, MAX_PATH);
  std::wstring directory(path);
  return directory.substr(0, directory.find_last_of(L'\\') + 1);
}

// The program that hosts the embedded browser's sub-processes: our own.
std::wstring programPath() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return path;
}

std::wstring channelPath() {
  wchar_t folder[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  return std::wstring(folder) + L"velotra-renderer-" + std::to_wstring(GetCurrentProcessId()) +
         L".txt";
}

std::string utf8(const std::wstring& text) {
  if (text.empty())
    return std::string();
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size > 0 ? size : 0), '\0');
  if (size > 0)
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &bytes[0], size,
                        nullptr, nullptr);
  return bytes;
}

}  // namespace

extern "C" __declspec(dllexport) int main(int argc, char** argv) {
  std::ostringstream report;
  report << "velotra: the application started, " << argc << " argument(s)\n";
  for (int i = 0; i < argc; ++i)
    report << "  argv[" << i << "] = " << argv[i] << "\n";

  const std::wstring page = moduleDirectory() + L"page\\index.html";
  const std::wstring channel = channelPath();
  DeleteFileW(channel.c_str());
  const RendererRun renderer = runRenderer(programPath(), page, channel);
  report << "velotra: renderer started as " << utf8(renderer.commandLine) << "\n";
  if (!renderer.started)
    report << "velotra: the renderer could not be started (error " << GetLastError() << ")\n";
  else if (!renderer.finished)
    report << "velotra: the renderer did not end in time and was stopped\n";
  else
    report << "velotra: renderer exit code " << static_cast<int>(renderer.exitCode) << "\n";

  const std::vector<BrowserMessage> messages = readBrowserMessages(channel);
  DeleteFileW(channel.c_str());
  report << "velotra: " << messages.size() << " message(s) from the page\n";
  for (const BrowserMessage& message : messages) {
    report << "  " << utf8(message.name) << " from browser " << message.browser << ":";
    for (const std::wstring& text : message.strings)
      report << " \"" << utf8(text) << "\"";
    report << "\n";
  }

  const std::string text = report.str();
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written,
            nullptr);
  std::ofstream(std::filesystem::path(moduleDirectory() + L"velotra-output.txt"), std::ios::binary)
      << text;
  return messages.empty() ? 1 : 0;
}
