// A fresh directory under %TEMP% per test, removed afterwards. Paths are
// UTF-8 for the code under test; relative names use backslashes.
#pragma once

#include <string>

class TempTree {
 public:
  explicit TempTree(const std::string& tag);
  ~TempTree();
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  // With a trailing backslash.
  const std::string& path() const { return path_; }
  std::string at(const std::string& rel) const { return path_ + rel; }

  // Creates missing parent directories.
  void write(const std::string& rel, const std::string& bytes) const;
  std::string read(const std::string& rel) const;
  bool exists(const std::string& rel) const;
  bool isDirectory(const std::string& rel) const;
  void makeDir(const std::string& rel) const;

 private:
  std::string path_;
};

std::wstring widen(const std::string& utf8);
