// A fresh directory under %TEMP% per test, removed with everything in it when
// the object goes. Relative names use backslashes.
#pragma once

#include <string>

namespace e2e {

class ProgramDir {
 public:
  // A program directory holding a copy of starter.exe.
  explicit ProgramDir(const std::wstring& tag);
  // An empty directory: a tree for code called in the test process, a working
  // directory, the far end of a link.
  static ProgramDir withoutStarter(const std::wstring& tag);
  ~ProgramDir();
  ProgramDir(const ProgramDir&) = delete;
  ProgramDir& operator=(const ProgramDir&) = delete;

  const std::wstring& path() const { return path_; }  // with a trailing backslash
  std::wstring operator/(const std::wstring& relative) const { return path_ + relative; }
  // The same path in UTF-8, the form the launcher's own functions take.
  std::string utf8Path(const std::wstring& relative = L"") const;
  std::wstring starter() const { return path_ + L"starter.exe"; }

  void copyIn(const std::wstring& from, const std::wstring& nameAs = L"") const;
  // Both create missing parent directories.
  void writeFile(const std::wstring& relative, const std::string& bytes) const;
  void makeDir(const std::wstring& relative) const;
  // Empty when the file cannot be read.
  std::string readFile(const std::wstring& relative) const;
  bool exists(const std::wstring& relative) const;

 private:
  struct Empty {};
  ProgramDir(const std::wstring& tag, Empty);

  std::wstring path_;
};

}  // namespace e2e
