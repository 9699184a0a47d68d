/* The client's application for the renderer, in plain C: its render-process
 * handler puts cpp.JS_COMMUNICATION into every new context, served by a C
 * handler that records each call it gets. */
#ifndef CEF_CAPI_CLIENT_BRIDGE_APP_H
#define CEF_CAPI_CLIENT_BRIDGE_APP_H

#include "cef_c_api.h"

#define BRIDGE_MAX_CALLS 16
#define BRIDGE_MAX_TEXT 64

typedef struct bridge_call {
  int name_matches; /* the handler was called as "JS_COMMUNICATION" */
  size_t argument_count;
  int first_is_string; /* and its code units follow */
  size_t text_length;
  char16 text[BRIDGE_MAX_TEXT];
} bridge_call;

typedef struct bridge_observations {
  int render_threads_created;
  int browsers_created;
  int browsers_destroyed;
  int contexts_created;
  int contexts_released;
  int properties_set; /* set_value_bykey calls that succeeded */
  int call_count;
  bridge_call calls[BRIDGE_MAX_CALLS];
} bridge_observations;

/* A new application object with one reference for the caller. */
cef_app_t* bridge_app_create(void);

const bridge_observations* bridge_observed(void);

#endif
