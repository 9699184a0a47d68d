// Runs pages through the stand-in runtime inside the test process, with a
// real ClientAppRenderer, and collects what reached the browser side.
#ifndef TESTS_WEB_RENDERER_PAGE_RUN_H_
#define TESTS_WEB_RENDERER_PAGE_RUN_H_

#include "channel_reader.h"
#include "include/capi/cef_app_capi.h"
#include "include/cef_app.h"
#include "test_files.h"

#include <functional>
#include <string>
#include <vector>

struct PageRunResult {
  int exitCode = 0;
  std::vector<ChannelRecord> records;
  std::vector<ProcessMessage> messages;
  // Whether only the test's reference was left when the run returned.
  bool appHadOneReference = false;
  int appDeletions = 0;

  // The string arguments of the messages, in order.
  std::vector<std::u16string> texts() const;
  std::string problems() const { return describeProblems(records); }
};

class PageRun {
 public:
  PageRun();

  // A file beside the pages, e.g. a script that a page names in src.
  PageRun& file(const std::wstring& fileName, const std::string& content);
  // A frame in the current browser that loads this page (HTML or .js).
  PageRun& page(const std::wstring& fileName, const std::string& content);
  // A frame whose page is one inline <script> block.
  PageRun& script(const std::string& javascript);
  PageRun& newBrowser();
  PageRun& reload(int frame);
  PageRun& messageFromBrowser(const std::wstring& name);

  PageRunResult run(int exitCode = 0);
  // Runs with another application object instead of a ClientAppRenderer.
  PageRunResult runWith(CefRefPtr<CefApp> app, int exitCode = 0);
  // Hands a C struct to cef_execute_process directly, as a plain-C client.
  PageRunResult runWithStruct(cef_app_t* app, int exitCode = 0);

 private:
  std::wstring commandLine(int exitCode) const;
  // Runs execute with the stand-in reading this run's command line.
  PageRunResult runOnCommandLine(int exitCode, const std::function<int()>& execute);

  ScratchFolder folder_;
  std::wstring steps_;
  int pages_ = 0;
};

#endif  // TESTS_WEB_RENDERER_PAGE_RUN_H_
