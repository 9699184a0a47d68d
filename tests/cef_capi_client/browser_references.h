/* The runtime's own account of the browsers' references, from the records it
 * writes for the browser side (--stand-in-channel): after every context went,
 * each destroyed browser is reported with the references still held to it,
 * which is 1 (the runtime's own) unless a client kept or lost one. */
#ifndef CEF_CAPI_CLIENT_BROWSER_REFERENCES_H
#define CEF_CAPI_CLIENT_BROWSER_REFERENCES_H

#include <wchar.h>

typedef struct browser_reference_report {
  int readable;          /* the record file could be opened */
  int browsers;          /* "hook browser-destroyed" records */
  int browsers_balanced; /* of those, the ones with references=1 */
} browser_reference_report;

browser_reference_report read_browser_references(const wchar_t* channel_path);

#endif
