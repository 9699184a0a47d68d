// Calls ZelWebRenderer.dll's main the way a host could, but with no arguments
// at all (0 and a null vector), and exits with its result. 101: the library
// did not load; 102: it has no main.
#include <windows.h>

int main() {
  HMODULE library = LoadLibraryW(L"ZelWebRenderer.dll");
  if (!library)
    return 101;
  using Entry = int (*)(int, char**);
  auto entry = reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(library, "main")));
  if (!entry)
    return 102;
  return entry(0, nullptr);
}
