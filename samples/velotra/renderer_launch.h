// Starts the renderer sub-process on a page the way the embedded browser
// would (the program itself with --type=renderer) and waits for it.
#ifndef SAMPLES_VELOTRA_RENDERER_LAUNCH_H_
#define SAMPLES_VELOTRA_RENDERER_LAUNCH_H_

#include <string>

struct RendererRun {
  std::wstring commandLine;
  bool started = false;
  bool finished = false;
  unsigned long exitCode = 0;
};

// The stand-in CEF runtime writes what the renderer sends to channelFile.
RendererRun runRenderer(const std::wstring& program,
                        const std::wstring& page,
                        const std::wstring& channelFile);

#endif  // SAMPLES_VELOTRA_RENDERER_LAUNCH_H_
