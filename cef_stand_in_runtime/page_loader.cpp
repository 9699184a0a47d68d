#include "page_loader.h"

#include "string_codec.h"

#include <windows.h>

#include <string>

namespace {

bool readFile(const CefString& path, std::string& bytes) {
  HANDLE file = CreateFileW(path.ToWString().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return false;
  bytes.clear();
  char buffer[65536];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
    bytes.append(buffer, read);
  CloseHandle(file);
  return true;
}

std::wstring lower(std::wstring text) {
  for (wchar_t& c : text) {
    if (c >= L'A' && c <= L'Z')
      c = static_cast<wchar_t>(c - L'A' + L'a');
  }
  return text;
}

std::wstring directoryOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

// The value of attribute name in a tag's text, if present.
bool attributeValue(const std::wstring& tag, const std::wstring& name, std::wstring& value) {
  const std::wstring lowered = lower(tag);
  size_t at = 0;
  while ((at = lowered.find(name, at)) != std::wstring::npos) {
    const bool startsWord = at > 0 && iswspace(lowered[at - 1]);
    size_t p = at + name.size();
    while (p < tag.size() && iswspace(tag[p]))
      ++p;
    if (!startsWord || p >= tag.size() || tag[p] != L'=') {
      at += name.size();
      continue;
    }
    ++p;
    while (p < tag.size() && iswspace(tag[p]))
      ++p;
    if (p < tag.size() && (tag[p] == L'"' || tag[p] == L'\'')) {
      const size_t end = tag.find(tag[p], p + 1);
      value = tag.substr(p + 1, end == std::wstring::npos ? std::wstring::npos : end - p - 1);
    } else {
      size_t end = p;
      while (end < tag.size() && !iswspace(tag[end]) && tag[end] != L'>')
        ++end;
      value = tag.substr(p, end - p);
    }
    return true;
  }
  return false;
}

void collectScripts(const std::wstring& html, const std::wstring& pagePath, Page& page) {
  const std::wstring lowered = lower(html);
  size_t at = 0;
  int block = 0;
  while ((at = lowered.find(L"<script", at)) != std::wstring::npos) {
    const size_t tagEnd = lowered.find(L'>', at);
    if (tagEnd == std::wstring::npos)
      break;
    const size_t close = lowered.find(L"</script", tagEnd);
    const size_t contentEnd = close == std::wstring::npos ? html.size() : close;
    const std::wstring tag = html.substr(at, tagEnd - at);
    ++block;
    std::wstring src;
    if (attributeValue(tag, L"src", src)) {
      const std::wstring file = directoryOf(pagePath) + src;
      std::string bytes;
      if (readFile(file, bytes))
        page.scripts.push_back({fromUtf8File(bytes), CefString(file)});
      else
        page.scripts.push_back(
            {CefString("throw new Error('cannot read script')"), CefString(file)});
    } else {
      page.scripts.push_back({CefString(html.substr(tagEnd + 1, contentEnd - tagEnd - 1)),
                              CefString(pagePath + L"#script" + std::to_wstring(block))});
    }
    if (close == std::wstring::npos)
      break;
    at = close + 1;
  }
}

}  // namespace

Page loadPage(const CefString& path) {
  Page page;
  std::string bytes;
  if (!readFile(path, bytes))
    return page;
  page.loaded = true;
  const std::wstring name = path.ToWString();
  const CefString text = fromUtf8File(bytes);
  if (lower(name).size() >= 3 && lower(name).compare(lower(name).size() - 3, 3, L".js") == 0)
    page.scripts.push_back({text, path});
  else
    collectScripts(text.ToWString(), name, page);
  return page;
}
