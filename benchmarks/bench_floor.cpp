// The floor of the delayed update: the same directory creations, backup
// moves, moves into place and final removals, done by a bare Win32 loop.
// Prints the elapsed seconds.
//   bench_floor <program dir> <backup dir name>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

bool exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<WIN32_FIND_DATAW> list(const std::wstring& dir) {
  std::vector<WIN32_FIND_DATAW> entries;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((dir + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE)
    return entries;
  do {
    if (wcscmp(found.cFileName, L".") != 0 && wcscmp(found.cFileName, L"..") != 0)
      entries.push_back(found);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return entries;
}

bool walk(const std::wstring& source, const std::wstring& target, const std::wstring& backup) {
  const std::vector<WIN32_FIND_DATAW> entries = list(source);
  if (!exists(target))
    CreateDirectoryW(target.c_str(), nullptr);
  if (!exists(backup))
    CreateDirectoryW(backup.c_str(), nullptr);
  for (const WIN32_FIND_DATAW& entry : entries) {
    const std::wstring name = entry.cFileName;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (!walk(source + L"\\" + name, target + L"\\" + name, backup + L"\\" + name))
        return false;
      continue;
    }
    const std::wstring targetFile = target + L"\\" + name;
    if (exists(targetFile) && !MoveFileExW(targetFile.c_str(), (backup + L"\\" + name).c_str(),
                                           MOVEFILE_REPLACE_EXISTING))
      return false;
    if (!MoveFileExW((source + L"\\" + name).c_str(), targetFile.c_str(),
                     MOVEFILE_REPLACE_EXISTING))
      return false;
  }
  return true;
}

void removeAll(const std::wstring& dir) {
  for (const WIN32_FIND_DATAW& entry : list(dir)) {
    const std::wstring path = dir + L"\\" + entry.cFileName;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      removeAll(path);
    else
      DeleteFileW(path.c_str());
  }
  RemoveDirectoryW(dir.c_str());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3)
    return 2;
  const std::wstring program = argv[1];
  const std::wstring update = program + L"\\delayup";
  const std::wstring backup = program + L"\\" + argv[2];
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  const bool placed = walk(update, program, backup);
  removeAll(update);
  removeAll(backup);
  QueryPerformanceCounter(&end);
  std::printf("%.6f\n", double(end.QuadPart - start.QuadPart) / frequency.QuadPart);
  return placed ? 0 : 1;
}
