// The worked example of a staged update, applied both in the test process and
// by the real starter.exe: the program directory holds app.dll and res\a.png;
// staged are app.dll, new.dll, res\a.png and res\b.png. The contents carry
// CR LF, NUL and high bytes, so any text-mode copy shows.
#pragma once

#include "program_dir.h"

void stageWorkedExample(const e2e::ProgramDir& dir);
