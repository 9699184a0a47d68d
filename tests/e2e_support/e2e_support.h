// Everything for tests that run the real binaries, in one include.
#pragma once

#include "bin_dirs.h"
#include "dialogs.h"
#include "files.h"
#include "process_run.h"
#include "program_dir.h"
#include "text.h"
