// Crash dumps: a process that dies of an unhandled exception leaves a
// minidump dmp\YYYYMMDD-hhmmss.dmp beside its executable.
#pragma once

#include <windows.h>

// Starts the dump writer thread and installs crashDumpFilter as the
// process's top-level exception filter.
void installCrashDumpFilter();

// Top-level filter: leaves the exception to an attached debugger, otherwise
// writes a dump and lets the process end.
LONG WINAPI crashDumpFilter(EXCEPTION_POINTERS* exception);

// Writes one dump naming the calling (faulting) thread. Always returns
// EXCEPTION_EXECUTE_HANDLER.
LONG writeCrashDump(EXCEPTION_POINTERS* exception);
