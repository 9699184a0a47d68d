#include "paths.h"

#include "encoding.h"

#include <Poco/Path.h>

std::string joinPath(const std::string& base, const std::string& name) {
  Poco::Path joined(base);
  joined.append(Poco::Path(name));
  return joined.toString();
}

std::string programDirectory(const std::string& programPathAnsi) {
  return Poco::Path(ansiToUtf8(programPathAnsi)).parent().toString();
}
