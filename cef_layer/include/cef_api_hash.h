// The API generation this layer is built for, and the runtime's report of
// its own.
#ifndef CEF_INCLUDE_CEF_API_HASH_H_
#define CEF_INCLUDE_CEF_API_HASH_H_

#include "include/internal/cef_export.h"

// The build sets it (CMake cache variable ZEL_CEF_API_HASH).
#ifndef CEF_API_HASH_PLATFORM
#define CEF_API_HASH_PLATFORM "ce5690754c73e6181ade12dde0d64157f849cb76"
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Entry 0: the platform API hash of the loaded runtime.
CEF_EXPORT const char* cef_api_hash(int entry);

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CEF_API_HASH_H_
