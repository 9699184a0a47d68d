// A string-to-string map owned by libcef; only passed through by this layer.
#ifndef CEF_INCLUDE_INTERNAL_CEF_STRING_MAP_H_
#define CEF_INCLUDE_INTERNAL_CEF_STRING_MAP_H_

typedef struct _cef_string_map_t* cef_string_map_t;

#endif  // CEF_INCLUDE_INTERNAL_CEF_STRING_MAP_H_
