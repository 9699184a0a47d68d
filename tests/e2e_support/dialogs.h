// The message boxes a child process shows: found, read and answered from the
// outside, as a user would.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct Dialog {
  std::wstring caption;
  std::wstring text;
  std::vector<std::wstring> buttons;
};

// The visible dialog windows of a process.
std::vector<HWND> dialogWindows(DWORD processId);
Dialog readDialog(HWND window);
void pressOk(HWND window);

}  // namespace e2e
