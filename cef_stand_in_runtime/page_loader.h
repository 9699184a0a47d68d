// Reads a page for a frame: a .js file is one script; any other file is
// HTML whose <script> blocks run in document order (inline, or from a
// src file beside the page).
#ifndef CEF_STAND_IN_RUNTIME_PAGE_LOADER_H_
#define CEF_STAND_IN_RUNTIME_PAGE_LOADER_H_

#include "include/internal/cef_string.h"

#include <vector>

struct PageScript {
  CefString source;
  CefString name;  // for error texts: the file and the block
};

struct Page {
  bool loaded = false;  // false when the file could not be read
  std::vector<PageScript> scripts;
};

Page loadPage(const CefString& path);

#endif  // CEF_STAND_IN_RUNTIME_PAGE_LOADER_H_
