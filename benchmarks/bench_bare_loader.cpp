// The floor of the start-up benchmark: the least a launcher can do. A GUI
// program like starter.exe that imports user32 (for its one message box),
// loads the start module by name and calls its main.
#include <windows.h>

using EntryPoint = int (*)(int, char**);

int main(int argc, char** argv) {
  HMODULE module = LoadLibraryA("velotra.dll");
  EntryPoint entry =
      module ? reinterpret_cast<EntryPoint>(GetProcAddress(module, "main")) : nullptr;
  if (!entry) {
    MessageBoxA(nullptr, "velotra.dll", nullptr, MB_OK);
    return 0;
  }
  return entry(argc, argv);
}
