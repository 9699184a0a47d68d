// The start-up log's purge by count ("purgeCount" 2) with a log archive that
// is still being compressed in the background: the plain archive and its
// growing ".gz" are one archive, and neither is purged.
#include "e2e_support.h"

#include <Poco/File.h>
#include <Poco/PurgeStrategy.h>
#include <Poco/Timestamp.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

struct ArchiveFile {
  std::wstring name;
  int ageMinutes;  // last modified this long ago
};

struct PurgeCase {
  const char* what;
  std::vector<ArchiveFile> before;
  std::set<std::wstring> after;
};

std::set<std::wstring> logFolderNames(const e2e::ProgramDir& dir) {
  std::set<std::wstring> names;
  for (const std::wstring& name : e2e::matchingNames(dir / L"log\\*"))
    if (name != L"." && name != L"..")
      names.insert(name);
  return names;
}

TEST(LogArchivePurge, KeepsTwoArchivesCountingOneBeingCompressedOnce) {
  constexpr int kDay = 24 * 60;
  const std::vector<PurgeCase> cases = {
      {"an archive being compressed: plain file and partial .gz",
       {{L"start.log.0", 1},
        {L"start.log.0.gz", 0},
        {L"start.log.1.gz", kDay},
        {L"start.log.2.gz", 2 * kDay}},
       {L"start.log", L"start.log.0", L"start.log.0.gz", L"start.log.1.gz"}},
      {"an archive waiting for the compressor",
       {{L"start.log.0", 1}, {L"start.log.1.gz", kDay}, {L"start.log.2.gz", 2 * kDay}},
       {L"start.log", L"start.log.0", L"start.log.1.gz"}},
      {"all archives compressed",
       {{L"start.log.0.gz", 0}, {L"start.log.1.gz", kDay}, {L"start.log.2.gz", 2 * kDay}},
       {L"start.log", L"start.log.0.gz", L"start.log.1.gz"}},
  };
  for (const PurgeCase& c : cases) {
    SCOPED_TRACE(c.what);
    e2e::ProgramDir dir(L"purge");
    dir.makeDir(L"log");
    dir.writeFile(L"log\\start.log", "current\r\n");
    for (const ArchiveFile& file : c.before) {
      dir.writeFile(L"log\\" + file.name, "archive");
      Poco::File(e2e::wideToUtf8(dir / (L"log\\" + file.name)))
          .setLastModified(Poco::Timestamp() - Poco::Timestamp::TimeDiff(file.ageMinutes) * 60 *
                                                   Poco::Timestamp::resolution());
    }

    Poco::PurgeByCountStrategy(2).purge(e2e::wideToUtf8(dir / L"log\\start.log"));

    EXPECT_EQ(logFolderNames(dir), c.after);
  }
}

}  // namespace
