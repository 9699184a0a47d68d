#include "e2e_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <set>

namespace e2e {
namespace {

std::wstring folderOf(const std::wstring& path) {
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

std::wstring ownPath() {
  wchar_t buffer[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  return buffer;
}

void removeTree(const std::wstring& directory) {
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW((directory + L"*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = entry.cFileName;
      if (name == L"." || name == L"..")
        continue;
      const std::wstring full = directory + name;
      SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
      if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
          !(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
        removeTree(full + L"\\");
      else if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveDirectoryW(full.c_str());
      else
        DeleteFileW(full.c_str());
    } while (FindNextFileW(find, &entry));
    FindClose(find);
  }
  RemoveDirectoryW(directory.c_str());
}

std::wstring windowClass(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::wstring windowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, &text[0], length + 1)));
  return text;
}

struct DialogSearch {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK collectDialog(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<DialogSearch*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && IsWindowVisible(window) && windowClass(window) == L"#32770")
    search->found.push_back(window);
  return TRUE;
}

BOOL CALLBACK collectButton(HWND window, LPARAM context) {
  if (windowClass(window) == L"Button" && IsWindowVisible(window))
    reinterpret_cast<std::vector<std::wstring>*>(context)->push_back(windowText(window));
  return TRUE;
}

Dialog readDialog(HWND window) {
  Dialog dialog;
  dialog.caption = windowText(window);
  wchar_t text[4096] = {};
  GetDlgItemTextW(window, 0xFFFF, text, 4096);
  dialog.text = text;
  EnumChildWindows(window, collectButton, reinterpret_cast<LPARAM>(&dialog.buttons));
  return dialog;
}

// The environment block of this process with `changes` applied.
std::wstring environmentBlock(const std::vector<std::pair<std::wstring, std::wstring>>& changes) {
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

}  // namespace

std::wstring testBinDir() {
  return folderOf(ownPath());
}

std::wstring shippedBinDir() {
  std::wstring bin = testBinDir();
  bin.pop_back();
  return folderOf(bin) + L"program\\";
}

ProgramDir::ProgramDir(const std::wstring& tag) {
  static std::atomic<unsigned> counter{0};
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  for (;;) {
    path_ = std::wstring(temp) + L"zel-" + tag + L"-" + std::to_wstring(GetCurrentProcessId()) +
            L"-" + std::to_wstring(counter++) + L"\\";
    if (CreateDirectoryW(path_.c_str(), nullptr))
      break;
    if (GetLastError() != ERROR_ALREADY_EXISTS) {
      ADD_FAILURE() << "cannot create " << wideToUtf8(path_);
      break;
    }
  }
  copyIn(shippedBinDir() + L"starter.exe");
}

ProgramDir::~ProgramDir() {
  removeTree(path_);
}

void ProgramDir::copyIn(const std::wstring& from, const std::wstring& nameAs) const {
  const std::wstring name = nameAs.empty() ? from.substr(from.find_last_of(L'\\') + 1) : nameAs;
  if (!CopyFileW(from.c_str(), (path_ + name).c_str(), FALSE))
    ADD_FAILURE() << "cannot copy " << wideToUtf8(from) << " to " << wideToUtf8(path_ + name);
}

void ProgramDir::writeFile(const std::wstring& relative, const std::string& bytes) const {
  HANDLE file =
      CreateFileW((path_ + relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    ADD_FAILURE() << "cannot write " << wideToUtf8(path_ + relative);
    return;
  }
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::string ProgramDir::readFile(const std::wstring& relative) const {
  return e2e::readFile(path_ + relative);
}

bool ProgramDir::exists(const std::wstring& relative) const {
  return fileExists(path_ + relative);
}

void ProgramDir::makeDir(const std::wstring& relative) const {
  if (!CreateDirectoryW((path_ + relative).c_str(), nullptr))
    ADD_FAILURE() << "cannot create " << wideToUtf8(path_ + relative);
}

RunResult run(const std::wstring& exe, const RunOptions& options) {
  RunResult result;
  std::wstring commandLine = options.argv0.empty() ? L"\"" + exe + L"\"" : options.argv0;
  if (!options.arguments.empty())
    commandLine += L" " + options.arguments;
  const std::wstring workingDir = options.workingDir.empty() ? folderOf(exe) : options.workingDir;
  std::wstring environment = environmentBlock(options.environment);

  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE,
                      CREATE_UNICODE_ENVIRONMENT | options.creationFlags, &environment[0],
                      workingDir.c_str(), &startup, &process)) {
    ADD_FAILURE() << "cannot start " << wideToUtf8(exe) << ": error " << GetLastError();
    result.exitCode = static_cast<DWORD>(-999);
    return result;
  }
  CloseHandle(process.hThread);

  std::set<HWND> answered;
  const ULONGLONG deadline = GetTickCount64() + options.timeoutMs;
  while (WaitForSingleObject(process.hProcess, 20) == WAIT_TIMEOUT) {
    DialogSearch search{process.dwProcessId, {}};
    EnumWindows(collectDialog, reinterpret_cast<LPARAM>(&search));
    for (HWND window : search.found) {
      if (!answered.insert(window).second)
        continue;
      Dialog dialog = readDialog(window);
      if (options.onDialog)
        options.onDialog(dialog);
      result.dialogs.push_back(dialog);
      PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
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

std::string readFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return {};
  std::string bytes;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
    bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

bool fileExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::wstring> matchingNames(const std::wstring& pattern) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found = {};
  HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE)
    return names;
  do
    names.push_back(found.cFileName);
  while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

std::wstring utf8ToWide(const std::string& text) {
  if (text.empty())
    return {};
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
  return wide;
}

std::string wideToUtf8(const std::wstring& text) {
  if (text.empty())
    return {};
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &utf8[0], length,
                      nullptr, nullptr);
  return utf8;
}

std::vector<std::string> splitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  if (start < text.size())
    lines.push_back(text.substr(start));
  return lines;
}

}  // namespace e2e
