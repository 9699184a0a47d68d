#include "client_object.h"

#include <stdlib.h>

typedef struct object_header {
  volatile LONG references;
  volatile LONG destroyed;
  void (*on_destroy)(cef_base_t* self);
} object_header;

/* The header sits in front of the CEF struct, rounded up so the struct keeps
 * the alignment that malloc gave the block. */
#define HEADER_SPACE ((sizeof(object_header) + 15) & ~(size_t)15)

static volatile LONG created_count;
static volatile LONG destroyed_count;
static volatile LONG add_ref_count;
static volatile LONG release_count;
static volatile LONG late_release_count;

static object_header* header_of(const void* object) {
  return (object_header*)((char*)object - HEADER_SPACE);
}

static void CEF_CALLBACK object_add_ref(cef_base_t* self) {
  InterlockedIncrement(&add_ref_count);
  InterlockedIncrement(&header_of(self)->references);
}

static int CEF_CALLBACK object_release(cef_base_t* self) {
  object_header* header = header_of(self);
  InterlockedIncrement(&release_count);
  if (header->destroyed) {
    InterlockedIncrement(&late_release_count);
    return 0;
  }
  if (InterlockedDecrement(&header->references) != 0)
    return 0;
  header->destroyed = 1;
  InterlockedIncrement(&destroyed_count);
  if (header->on_destroy)
    header->on_destroy(self);
  return 1;
}

static int CEF_CALLBACK object_has_one_ref(cef_base_t* self) {
  return header_of(self)->references == 1;
}

void* client_object_create(size_t struct_size, void (*on_destroy)(cef_base_t* self)) {
  char* block = (char*)calloc(1, HEADER_SPACE + struct_size);
  cef_base_t* base;
  if (!block)
    abort();
  base = (cef_base_t*)(block + HEADER_SPACE);
  base->size = struct_size;
  base->add_ref = object_add_ref;
  base->release = object_release;
  base->has_one_ref = object_has_one_ref;
  header_of(base)->references = 1;
  header_of(base)->on_destroy = on_destroy;
  InterlockedIncrement(&created_count);
  return base;
}

long client_object_references(const void* object) {
  return header_of(object)->references;
}

client_object_counts client_object_totals(void) {
  client_object_counts counts;
  counts.created = created_count;
  counts.destroyed = destroyed_count;
  counts.add_refs = add_ref_count;
  counts.releases = release_count;
  counts.releases_after_destroy = late_release_count;
  return counts;
}
