// A list of strings owned by libcef; only passed through by this layer.
#ifndef CEF_INCLUDE_INTERNAL_CEF_STRING_LIST_H_
#define CEF_INCLUDE_INTERNAL_CEF_STRING_LIST_H_

typedef struct _cef_string_list_t* cef_string_list_t;

#endif  // CEF_INCLUDE_INTERNAL_CEF_STRING_LIST_H_
