#include "dialogs.h"

namespace e2e {
namespace {

// The window class of dialogs, message boxes among them.
const wchar_t kDialogClass[] = L"#32770";
// The control id MessageBox gives its text.
const int kMessageTextId = 0xFFFF;

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
  if (owner == search->processId && IsWindowVisible(window) && windowClass(window) == kDialogClass)
    search->found.push_back(window);
  return TRUE;
}

BOOL CALLBACK collectButton(HWND window, LPARAM context) {
  if (windowClass(window) == L"Button" && IsWindowVisible(window))
    reinterpret_cast<std::vector<std::wstring>*>(context)->push_back(windowText(window));
  return TRUE;
}

}  // namespace

std::vector<HWND> dialogWindows(DWORD processId) {
  DialogSearch search{processId, {}};
  EnumWindows(collectDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

Dialog readDialog(HWND window) {
  Dialog dialog;
  dialog.caption = windowText(window);
  wchar_t text[4096] = {};
  GetDlgItemTextW(window, kMessageTextId, text, 4096);
  dialog.text = text;
  EnumChildWindows(window, collectButton, reinterpret_cast<LPARAM>(&dialog.buttons));
  return dialog;
}

void pressOk(HWND window) {
  PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

}  // namespace e2e
