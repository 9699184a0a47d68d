// Where the built binaries lie, seen from the running test program.
#pragma once

#include <string>

namespace e2e {

// Folder of the running test program; the fixtures lie beside it.
std::wstring testBinDir();
// Folder of what ships (starter.exe, ZelWebRenderer.dll).
std::wstring shippedBinDir();
// Folder of the sample start module velotra.dll and its pages.
std::wstring demoBinDir();

}  // namespace e2e
