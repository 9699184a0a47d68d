// Linkage of the C functions that libcef exports.
#ifndef CEF_INCLUDE_INTERNAL_CEF_EXPORT_H_
#define CEF_INCLUDE_INTERNAL_CEF_EXPORT_H_

#if defined(_WIN32)
#if defined(BUILDING_CEF_SHARED)
#define CEF_EXPORT __declspec(dllexport)
#else
#define CEF_EXPORT __declspec(dllimport)
#endif
#define CEF_CALLBACK __stdcall
#else
#define CEF_EXPORT __attribute__((visibility("default")))
#define CEF_CALLBACK
#endif

#endif  // CEF_INCLUDE_INTERNAL_CEF_EXPORT_H_
