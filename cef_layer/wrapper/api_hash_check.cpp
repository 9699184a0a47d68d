#include "api_hash_check.h"

#include "include/cef_api_hash.h"

#include <cstring>

bool runtimeApiHashMatches() {
  const char* reported = cef_api_hash(0);
  return reported && std::strcmp(reported, CEF_API_HASH_PLATFORM) == 0;
}
