/* The references this client holds to structs made by the runtime. Each
 * struct the runtime hands over (argument, result) brings one reference that
 * the client must give back exactly once: by release, or by handing the
 * struct on as an argument, which passes the reference along. */
#ifndef CEF_CAPI_CLIENT_RUNTIME_REFERENCES_H
#define CEF_CAPI_CLIENT_RUNTIME_REFERENCES_H

#include "cef_c_api.h"

/* A struct arrived with one reference (null is allowed and ignored). */
void* runtime_ref_received(void* runtime_struct);
/* Drops one reference with the struct's own release. */
void runtime_ref_release(void* runtime_struct);
/* Takes one more reference, for a struct that is passed on but kept. */
void runtime_ref_add(void* runtime_struct);
/* The struct is passed to the runtime as an argument, with one reference. */
void* runtime_ref_hand_over(void* runtime_struct);

long runtime_refs_received(void);
long runtime_refs_held(void);

#endif
