#pragma once

#include <windows.h>

#include <string>

// True when an argument (argv[0] included) begins with "--type=", ASCII case
// ignored: the embedded browser starts its sub-processes with that switch.
bool isSubProcessStart(int argc, char** argv);

// Where the start module's name came from.
enum class StartModuleSource { switchArgument, resource, missing };

struct StartModuleChoice {
  StartModuleSource source = StartModuleSource::missing;
  std::string name;        // the name as given, in the ANSI code page
  bool fitsBuffer = true;  // false: the "/SD" value does not fit 99 bytes
};

// The start module is named by a first argument "/SDname" (case-sensitive),
// else by string resource 10000 of `resourceModule` (NULL: the program's own
// file). The name buffer holds 99 bytes; a longer "/SD" value is reported as
// not fitting instead of being cut to a different name.
StartModuleChoice chooseStartModule(int argc, char** argv, HINSTANCE resourceModule);
