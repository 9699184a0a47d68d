// The CEF generation this layer matches.
#ifndef CEF_INCLUDE_CEF_VERSION_H_
#define CEF_INCLUDE_CEF_VERSION_H_

#include "include/cef_api_hash.h"
#include "include/internal/cef_export.h"

#ifdef __cplusplus
extern "C" {
#endif

// Parts of the runtime's version: 0 CEF major, 1 CEF commit number, 2-5
// Chromium major, minor, build, patch.
CEF_EXPORT int cef_version_info(int entry);

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CEF_VERSION_H_
