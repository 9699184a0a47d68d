// Text conversions at the runtime's edges: Duktape keeps strings as CESU-8
// (each UTF-16 code unit encoded on its own, so lone surrogates survive),
// page files are UTF-8, and the browser-side channel writes code units in hex.
#ifndef CEF_STAND_IN_RUNTIME_STRING_CODEC_H_
#define CEF_STAND_IN_RUNTIME_STRING_CODEC_H_

#include "include/internal/cef_string.h"

#include <cstddef>
#include <string>

// One CESU-8 sequence per code unit: exact for any UTF-16, paired or not.
std::string toEngineText(const CefString& text);

// Reads Duktape's internal text back into code units. 4-byte sequences
// (code points above U+FFFF) become surrogate pairs; bytes that form no
// sequence become U+FFFD.
CefString fromEngineText(const char* bytes, size_t length);

// UTF-8 file contents (an optional BOM is dropped) as code units.
CefString fromUtf8File(const std::string& bytes);

// Four lowercase hex digits per code unit, prefixed "u:" ("u:" alone when empty).
std::string toHexUnits(const CefString& text);

#endif  // CEF_STAND_IN_RUNTIME_STRING_CODEC_H_
