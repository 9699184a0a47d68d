// Stages a benchmark tree: <program dir>\delayup holds <files> small files
// spread over <dirs> directories; every second one replaces a file that is
// already in the program directory.
//   bench_stage <program dir> <files> <dirs>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void writeFile(const std::wstring& path, const char* bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    std::fprintf(stderr, "cannot write %ls\n", path.c_str());
    std::exit(1);
  }
  DWORD written = 0;
  WriteFile(file, bytes, static_cast<DWORD>(std::strlen(bytes)), &written, nullptr);
  CloseHandle(file);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4)
    return 2;
  const std::wstring program = std::wstring(argv[1]) + L"\\";
  const int files = _wtoi(argv[2]);
  const int dirs = _wtoi(argv[3]);
  CreateDirectoryW(argv[1], nullptr);
  CreateDirectoryW((program + L"delayup").c_str(), nullptr);
  for (int d = 0; d < dirs; ++d) {
    wchar_t name[32];
    swprintf(name, 32, L"d%03d", d);
    CreateDirectoryW((program + name).c_str(), nullptr);
    CreateDirectoryW((program + L"delayup\\" + name).c_str(), nullptr);
  }
  for (int f = 0; f < files; ++f) {
    wchar_t name[48];
    swprintf(name, 48, L"d%03d\\f%06d.dat", f % dirs, f);
    writeFile(program + L"delayup\\" + name,
              "new content of a staged file, 64 bytes long, more or less....\n");
    if (f % 2 == 0)
      writeFile(program + name, "old content of an installed file, about as long as the new.\n");
  }
  return 0;
}
