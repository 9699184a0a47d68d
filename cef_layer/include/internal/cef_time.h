// CEF's calendar time; only named by this layer, never read.
#ifndef CEF_INCLUDE_INTERNAL_CEF_TIME_H_
#define CEF_INCLUDE_INTERNAL_CEF_TIME_H_

typedef struct _cef_time_t cef_time_t;

#endif  // CEF_INCLUDE_INTERNAL_CEF_TIME_H_
