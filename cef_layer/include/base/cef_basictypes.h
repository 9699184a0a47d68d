// Fixed-width integer names used throughout CEF's interface (C and C++).
#ifndef CEF_INCLUDE_BASE_CEF_BASICTYPES_H_
#define CEF_INCLUDE_BASE_CEF_BASICTYPES_H_

#include <stddef.h>
#include <stdint.h>

typedef int32_t int32;
typedef uint32_t uint32;
typedef int64_t int64;
typedef uint64_t uint64;

#endif  // CEF_INCLUDE_BASE_CEF_BASICTYPES_H_
