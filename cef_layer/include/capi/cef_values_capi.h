// Lists of plain values, as process messages carry them.
#ifndef CEF_INCLUDE_CAPI_CEF_VALUES_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_VALUES_CAPI_H_

#include "include/capi/cef_base_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

struct _cef_binary_value_t;
struct _cef_dictionary_value_t;
struct _cef_list_value_t;
struct _cef_value_t;

typedef struct _cef_list_value_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_list_value_t* self);
  int(CEF_CALLBACK* is_owned)(struct _cef_list_value_t* self);
  int(CEF_CALLBACK* is_read_only)(struct _cef_list_value_t* self);
  int(CEF_CALLBACK* is_same)(struct _cef_list_value_t* self, struct _cef_list_value_t* that);
  int(CEF_CALLBACK* is_equal)(struct _cef_list_value_t* self, struct _cef_list_value_t* that);
  struct _cef_list_value_t*(CEF_CALLBACK* copy)(struct _cef_list_value_t* self);
  int(CEF_CALLBACK* set_size)(struct _cef_list_value_t* self, size_t size);
  size_t(CEF_CALLBACK* get_size)(struct _cef_list_value_t* self);
  int(CEF_CALLBACK* clear)(struct _cef_list_value_t* self);
  int(CEF_CALLBACK* remove)(struct _cef_list_value_t* self, int index);
  cef_value_type_t(CEF_CALLBACK* get_type)(struct _cef_list_value_t* self, int index);
  struct _cef_value_t*(CEF_CALLBACK* get_value)(struct _cef_list_value_t* self, int index);
  int(CEF_CALLBACK* get_bool)(struct _cef_list_value_t* self, int index);
  int(CEF_CALLBACK* get_int)(struct _cef_list_value_t* self, int index);
  double(CEF_CALLBACK* get_double)(struct _cef_list_value_t* self, int index);
  cef_string_userfree_t(CEF_CALLBACK* get_string)(struct _cef_list_value_t* self, int index);
  struct _cef_binary_value_t*(CEF_CALLBACK* get_binary)(struct _cef_list_value_t* self, int index);
  struct _cef_dictionary_value_t*(CEF_CALLBACK* get_dictionary)(struct _cef_list_value_t* self,
                                                                int index);
  struct _cef_list_value_t*(CEF_CALLBACK* get_list)(struct _cef_list_value_t* self, int index);
  int(CEF_CALLBACK* set_value)(struct _cef_list_value_t* self,
                               int index,
                               struct _cef_value_t* value);
  int(CEF_CALLBACK* set_null)(struct _cef_list_value_t* self, int index);
  int(CEF_CALLBACK* set_bool)(struct _cef_list_value_t* self, int index, int value);
  int(CEF_CALLBACK* set_int)(struct _cef_list_value_t* self, int index, int value);
  int(CEF_CALLBACK* set_double)(struct _cef_list_value_t* self, int index, double value);
  int(CEF_CALLBACK* set_string)(struct _cef_list_value_t* self,
                                int index,
                                const cef_string_t* value);
  int(CEF_CALLBACK* set_binary)(struct _cef_list_value_t* self,
                                int index,
                                struct _cef_binary_value_t* value);
  int(CEF_CALLBACK* set_dictionary)(struct _cef_list_value_t* self,
                                    int index,
                                    struct _cef_dictionary_value_t* value);
  int(CEF_CALLBACK* set_list)(struct _cef_list_value_t* self,
                              int index,
                              struct _cef_list_value_t* value);
} cef_list_value_t;

CEF_EXPORT cef_list_value_t* cef_list_value_create(void);

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_VALUES_CAPI_H_
