#include "browser_references.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

browser_reference_report read_browser_references(const wchar_t* channel_path) {
  browser_reference_report report = {0, 0, 0};
  char line[1024];
  FILE* file = _wfopen(channel_path, L"r");
  if (!file)
    return report;
  report.readable = 1;
  while (fgets(line, sizeof line, file)) {
    const char* references;
    if (strncmp(line, "hook browser-destroyed ", 23) != 0)
      continue;
    ++report.browsers;
    references = strstr(line, " references=");
    if (references && strtol(references + 12, NULL, 10) == 1)
      ++report.browsers_balanced;
  }
  fclose(file);
  return report;
}
