// Logging convention of the launcher: every call site asks the root logger
// whether the priority is enabled before the text is built, then passes the
// text together with the source file and line (the shape of Poco's
// poco_debug/poco_warning/poco_critical, which compile to nothing in release
// builds unless _DEBUG or POCO_LOG_DEBUG is defined).
#pragma once

#include <Poco/Logger.h>

#define STARTER_LOG_AT(priority, text)                     \
  do {                                                     \
    Poco::Logger& starterLogger_ = Poco::Logger::root();   \
    if (starterLogger_.priority())                         \
      starterLogger_.priority((text), __FILE__, __LINE__); \
  } while (false)

#define LOG_DEBUG(text) STARTER_LOG_AT(debug, text)
#define LOG_WARNING(text) STARTER_LOG_AT(warning, text)
#define LOG_CRITICAL(text) STARTER_LOG_AT(critical, text)
