// Running the real binaries the way a user would: each scenario gets its own
// program directory, the child's message boxes are found, read and answered.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

// Folder of the running test program; the fixtures lie beside it.
std::wstring testBinDir();
// Folder of what ships (starter.exe, ZelWebRenderer.dll).
std::wstring shippedBinDir();

// A fresh temporary program directory holding a copy of starter.exe; removed
// with everything in it when the object goes.
class ProgramDir {
 public:
  explicit ProgramDir(const std::wstring& tag);
  ~ProgramDir();
  ProgramDir(const ProgramDir&) = delete;
  ProgramDir& operator=(const ProgramDir&) = delete;

  const std::wstring& path() const { return path_; }  // with a trailing backslash
  std::wstring starter() const { return path_ + L"starter.exe"; }
  std::wstring operator/(const std::wstring& relative) const { return path_ + relative; }

  void copyIn(const std::wstring& from, const std::wstring& nameAs = L"") const;
  void writeFile(const std::wstring& relative, const std::string& bytes) const;
  std::string readFile(const std::wstring& relative) const;
  bool exists(const std::wstring& relative) const;
  void makeDir(const std::wstring& relative) const;

 private:
  std::wstring path_;
};

struct Dialog {
  std::wstring caption;
  std::wstring text;
  std::vector<std::wstring> buttons;
};

struct RunOptions {
  std::wstring arguments;   // appended to the command line after argv[0]
  std::wstring argv0;       // the command line's first word; default: the quoted exe path
  std::wstring workingDir;  // default: the exe's folder
  std::vector<std::pair<std::wstring, std::wstring>> environment;  // added or replaced
  std::function<void(const Dialog&)> onDialog;                     // called while the box is up
  DWORD timeoutMs = 60000;
  DWORD creationFlags = 0;
};

struct RunResult {
  DWORD exitCode = 0;
  std::vector<Dialog> dialogs;
  bool timedOut = false;
};

// Starts `exe`, answers each message box it shows with OK and waits for it to
// end. A child still running after the timeout is ended and reported.
RunResult run(const std::wstring& exe, const RunOptions& options = {});

// Bytes of a file, empty when it cannot be read.
std::string readFile(const std::wstring& path);
bool fileExists(const std::wstring& path);
// Names of the entries that match a FindFirstFile pattern ("dir\\*.dmp").
std::vector<std::wstring> matchingNames(const std::wstring& pattern);
std::wstring utf8ToWide(const std::string& text);
std::string wideToUtf8(const std::wstring& text);
// Splits on CRLF; the pieces keep no line end.
std::vector<std::string> splitCrLf(const std::string& text);

}  // namespace e2e
