// Loading the start module and the renderer library without the current
// directory: the launcher runs elevated, and whoever chose the working
// directory must not be able to place a library there that it would run.
#pragma once

#include <Poco/SharedLibrary.h>

#include <string>

// Where `name` (UTF-8) is looked for. A bare file name is left to the
// system's search order (the program's folder first, then the system
// directories and PATH); a fully qualified path (X:\... or \\server\...) is
// taken as it is; any other path with a directory or drive part is taken
// relative to `programFolder` (UTF-8, no trailing backslash), never to the
// current directory.
std::string libraryPathOutsideWorkingDirectory(const std::string& name,
                                               const std::string& programFolder);

// Takes the current directory out of the process's DLL search order, then
// loads `name` (UTF-8) from where libraryPathOutsideWorkingDirectory puts it.
// Throws Poco::LibraryLoadException when it cannot do both.
void loadLibraryOutsideWorkingDirectory(const std::string& name, Poco::SharedLibrary& library);
