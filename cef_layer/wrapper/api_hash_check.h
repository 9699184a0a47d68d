#ifndef CEF_LAYER_WRAPPER_API_HASH_CHECK_H_
#define CEF_LAYER_WRAPPER_API_HASH_CHECK_H_

// Whether the loaded runtime reports the API hash this layer was built for.
bool runtimeApiHashMatches();

#endif  // CEF_LAYER_WRAPPER_API_HASH_CHECK_H_
