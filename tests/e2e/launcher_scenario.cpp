#include "launcher_scenario.h"

#include <wincrypt.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <sstream>

namespace launcher {

const char kGbkMissingModule[] = "\xc8\xb1\xc9\xd9\xc6\xf4\xb6\xaf\xc4\xa3\xbf\xe9\xb2\xce\xca\xfd";
const char kGbkMissingModuleBox[] =
    "\xc6\xf4\xb6\xaf\xca\xa7\xb0\xdc\xa3\xba\xc8\xb1\xc9\xd9\xc6\xf4\xb6\xaf\xc4\xa3\xbf\xe9"
    "\xb2\xce\xca\xfd";
const char kGbkLoadFailedBox[] = "\xbc\xd3\xd4\xd8\xc6\xf4\xb6\xaf\xc4\xa3\xbf\xe9\xb3\xf6\xb4\xed";
const char kGbkMainMissingBox[] =
    "\xbc\xd3\xd4\xd8\xd6\xf7\xba\xaf\xca\xfd"
    "main"
    "\xb3\xf6\xb4\xed";

Installation::Installation(const std::wstring& tag, const std::wstring& module) : dir(tag) {
  if (!module.empty())
    dir.copyIn(e2e::testBinDir() + module, L"velotra.dll");
}

StartupLog parseStartupLog(const std::string& bytes) {
  static const std::regex entryShape(
      R"(^(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d) \[(Debug|Warning|Critical)\]\t(.*)$)");
  StartupLog log;
  std::vector<std::string> lines = e2e::splitCrLf(bytes);
  if (!bytes.empty() && bytes.size() >= 2 && bytes.compare(bytes.size() - 2, 2, "\r\n") != 0)
    log.malformed.push_back("<no CRLF at the end>");
  bool foldEmptyLine = false;
  for (const std::string& line : lines) {
    std::smatch match;
    if (log.entries.empty() && log.header.empty() &&
        line.rfind("# Log file created/rotated ", 0) == 0) {
      log.header = line;
    } else if (std::regex_match(line, match, entryShape)) {
      log.entries.push_back({match[1], match[2], match[3]});
      foldEmptyLine = match[3].length() == 0;
    } else if (line.empty() && foldEmptyLine) {
      log.entries.back().text = "\n";
      foldEmptyLine = false;
    } else {
      log.malformed.push_back(line);
    }
  }
  return log;
}

std::vector<std::string> entryTexts(const StartupLog& log) {
  std::vector<std::string> texts;
  for (const LogEntry& entry : log.entries)
    texts.push_back(entry.text);
  return texts;
}

std::string localTimestamp() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  char text[32];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", now.wYear, now.wMonth, now.wDay,
                now.wHour, now.wMinute, now.wSecond);
  return text;
}

std::wstring ansiText(const std::string& gbk) {
  const int length = MultiByteToWideChar(CP_ACP, 0, gbk.c_str(), -1, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, gbk.c_str(), -1, &wide[0], length);
  wide.resize(wide.size() - 1);
  return wide;
}

bool chineseCodePage() {
  return GetACP() == 936;
}

std::wstring guardNameFor(const std::string& programPath) {
  std::string text = programPath + "_update";
  for (char& c : text) {
    if (c == '\\')
      c = '_';
    else if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  }
  const std::string utf8 = e2e::wideToUtf8(ansiText(text));

  HCRYPTPROV provider = 0;
  HCRYPTHASH hash = 0;
  BYTE digest[16] = {};
  DWORD size = sizeof digest;
  if (!CryptAcquireContextW(&provider, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT) ||
      !CryptCreateHash(provider, CALG_MD5, 0, 0, &hash) ||
      !CryptHashData(hash, reinterpret_cast<const BYTE*>(utf8.data()),
                     static_cast<DWORD>(utf8.size()), 0) ||
      !CryptGetHashParam(hash, HP_HASHVAL, digest, &size, 0)) {
    ADD_FAILURE() << "CryptoAPI MD5 failed: " << GetLastError();
  }
  if (hash)
    CryptDestroyHash(hash);
  if (provider)
    CryptReleaseContext(provider, 0);
  std::wstring hex;
  for (BYTE b : digest) {
    wchar_t pair[3];
    swprintf(pair, 3, L"%02x", b);
    hex += pair;
  }
  return hex;
}

std::vector<ModuleCall> moduleCalls(const e2e::ProgramDir& dir) {
  std::vector<ModuleCall> calls;
  std::istringstream records(dir.readFile(L"start_module_calls.txt"));
  std::string line;
  while (std::getline(records, line)) {
    if (line == "call")
      calls.emplace_back();
    else if (calls.empty())
      continue;
    else if (line.rfind("argv[", 0) == 0)
      calls.back().argv.push_back(line.substr(line.find("]=") + 2));
    else if (line.rfind("log_closed=", 0) == 0)
      calls.back().logClosed = line == "log_closed=1";
    else if (line.rfind("guard=", 0) == 0)
      calls.back().guard = line.substr(6);
  }
  return calls;
}

}  // namespace launcher
