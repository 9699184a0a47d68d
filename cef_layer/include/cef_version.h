// The CEF generation this layer matches, and the runtime's report of its own.
#ifndef CEF_INCLUDE_CEF_VERSION_H_
#define CEF_INCLUDE_CEF_VERSION_H_

#include "include/internal/cef_export.h"

#define CEF_API_HASH_PLATFORM "ce5690754c73e6181ade12dde0d64157f849cb76"

#ifdef __cplusplus
extern "C" {
#endif

// Entry 0: the platform API hash of the loaded runtime.
CEF_EXPORT const char* cef_api_hash(int entry);

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CEF_VERSION_H_
