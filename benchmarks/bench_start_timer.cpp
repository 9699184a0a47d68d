// Times the start of launchers, from process creation to the start module's
// main, alternating between them run by run. Each launcher lies in the same
// program directory as bench_start_module.dll (named velotra.dll), which
// records the counter at its main. Prints the number of runs, each
// launcher's median in milliseconds, the ratio of the medians, and the median
// of the run-by-run differences (each run of the first launcher against the
// second's run next to it, which cancels most of the drift of a busy machine).
//   bench_start_timer <runs> <launcher.exe> <floor.exe>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::wstring folderOf(const std::wstring& path) {
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

long long readCounter(const std::wstring& path) {
  HANDLE file =
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return -1;
  char text[32] = {};
  DWORD got = 0;
  ReadFile(file, text, sizeof text - 1, &got, nullptr);
  CloseHandle(file);
  return std::atoll(text);
}

// Milliseconds from just before CreateProcess to the module's main; negative
// when the module was not reached.
double timeOneStart(const std::wstring& exe, double ticksPerMs) {
  const std::wstring mark = folderOf(exe) + L"main_reached.txt";
  DeleteFileW(mark.c_str());
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  LARGE_INTEGER created;
  QueryPerformanceCounter(&created);
  if (!CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      folderOf(exe).c_str(), &startup, &process))
    return -1;
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  const long long reached = readCounter(mark);
  return reached < 0 ? -1 : (reached - created.QuadPart) / ticksPerMs;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4)
    return 2;
  const int runs = _wtoi(argv[1]);
  const std::wstring launchers[2] = {argv[2], argv[3]};
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  const double ticksPerMs = frequency.QuadPart / 1000.0;

  // One unmeasured start each: the first start creates the log and fills caches.
  for (const std::wstring& exe : launchers)
    timeOneStart(exe, ticksPerMs);

  std::vector<double> times[2];
  for (int run = 0; run < runs; ++run) {
    for (int turn = 0; turn < 2; ++turn) {
      const int side = (run + turn) % 2;  // who goes first alternates
      const double ms = timeOneStart(launchers[side], ticksPerMs);
      if (ms < 0) {
        std::fwprintf(stderr, L"%ls did not reach the start module\n", launchers[side].c_str());
        return 1;
      }
      times[side].push_back(ms);
    }
  }
  std::vector<double> differences;
  for (int run = 0; run < runs; ++run)
    differences.push_back(times[0][run] - times[1][run]);
  const double launcher = median(times[0]);
  const double floor = median(times[1]);
  std::printf("%d %.3f %.3f %.3f %.3f\n", runs, launcher, floor, launcher / floor,
              median(differences));
  return 0;
}
