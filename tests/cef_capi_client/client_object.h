/* Reference-counted C structs made by this client (the application object,
 * the render-process handler, the bridge handler). Every add_ref and release
 * the runtime makes on them is counted, and an object whose count reaches 0
 * is only marked destroyed, never freed, so that a release too many is seen
 * rather than corrupting memory. */
#ifndef CEF_CAPI_CLIENT_CLIENT_OBJECT_H
#define CEF_CAPI_CLIENT_CLIENT_OBJECT_H

#include "cef_c_api.h"

typedef struct client_object_counts {
  long created;
  long destroyed;
  long add_refs;
  long releases;
  long releases_after_destroy;
} client_object_counts;

/* Makes a zeroed struct of struct_size bytes whose leading cef_base_t is
 * filled in, with one reference owned by the caller. on_destroy runs once,
 * when the last reference goes, to drop what the object holds. */
void* client_object_create(size_t struct_size, void (*on_destroy)(cef_base_t* self));

long client_object_references(const void* object);
client_object_counts client_object_totals(void);

#endif
