// Scratch folders and files for the renderer tests.
#ifndef TESTS_WEB_RENDERER_TEST_FILES_H_
#define TESTS_WEB_RENDERER_TEST_FILES_H_

#include <filesystem>
#include <string>

// A fresh folder below the temporary folder, removed with its contents.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::wstring& prefix);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::wstring& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

void writeFile(const std::filesystem::path& file, const std::string& bytes);

// The folder of the running test program (build/mingw/test-bin).
std::filesystem::path testBinFolder();
// The shipping folder beside it (build/mingw/program).
std::filesystem::path programFolder();

// A command-line argument quoted for CommandLineToArgvW.
std::wstring quoted(const std::wstring& argument);

#endif  // TESTS_WEB_RENDERER_TEST_FILES_H_
