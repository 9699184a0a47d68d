#include "directory_link.h"

#include "text.h"

#include <windows.h>
#include <winioctl.h>

#include <cstring>
#include <vector>

namespace {

// The layout FSCTL_SET_REPARSE_POINT expects for a mount point (junction).
struct MountPointHeader {
  DWORD reparseTag;
  WORD reparseDataLength;
  WORD reserved;
  WORD substituteNameOffset;
  WORD substituteNameLength;
  WORD printNameOffset;
  WORD printNameLength;
};

bool makeJunction(const std::wstring& link, const std::wstring& target) {
  if (!CreateDirectoryW(link.c_str(), nullptr))
    return false;
  HANDLE handle = CreateFileW(link.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    RemoveDirectoryW(link.c_str());
    return false;
  }
  const std::wstring substitute = L"\\??\\" + target;
  const size_t names = (substitute.size() + 1 + target.size() + 1) * sizeof(wchar_t);
  std::vector<char> buffer(sizeof(MountPointHeader) + names);
  auto* header = reinterpret_cast<MountPointHeader*>(buffer.data());
  header->reparseTag = IO_REPARSE_TAG_MOUNT_POINT;
  header->reparseDataLength = static_cast<WORD>(8 + names);
  header->substituteNameLength = static_cast<WORD>(substitute.size() * sizeof(wchar_t));
  header->printNameOffset = static_cast<WORD>((substitute.size() + 1) * sizeof(wchar_t));
  header->printNameLength = static_cast<WORD>(target.size() * sizeof(wchar_t));
  char* pathBuffer = buffer.data() + sizeof(MountPointHeader);
  std::memcpy(pathBuffer, substitute.c_str(), (substitute.size() + 1) * sizeof(wchar_t));
  std::memcpy(pathBuffer + header->printNameOffset, target.c_str(),
              (target.size() + 1) * sizeof(wchar_t));
  DWORD returned = 0;
  const BOOL ok =
      DeviceIoControl(handle, FSCTL_SET_REPARSE_POINT, buffer.data(),
                      static_cast<DWORD>(buffer.size()), nullptr, 0, &returned, nullptr);
  CloseHandle(handle);
  if (!ok)
    RemoveDirectoryW(link.c_str());
  return ok != FALSE;
}

// Wine runs Unix programs through CreateProcess; its own export maps paths.
bool makeUnixSymlink(const std::wstring& link, const std::wstring& target) {
  using UnixName = char*(CDECL*)(const wchar_t*);
  auto toUnix = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!toUnix)
    return false;
  char* unixLink = toUnix(link.c_str());
  char* unixTarget = toUnix(target.c_str());
  if (!unixLink || !unixTarget)
    return false;
  std::wstring command = L"Z:\\bin\\ln -s \"" + e2e::utf8ToWide(unixTarget) + L"\" \"" +
                         e2e::utf8ToWide(unixLink) + L"\"";
  HeapFree(GetProcessHeap(), 0, unixLink);
  HeapFree(GetProcessHeap(), 0, unixTarget);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(L"Z:\\bin\\ln", &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  // A Unix child reports no exit code to Wine: wait for the link instead.
  for (int i = 0; i < 500; ++i) {
    if (GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES)
      return true;
    Sleep(10);
  }
  return false;
}

}  // namespace

bool makeDirectoryLink(const std::wstring& link, const std::wstring& target) {
  if (!makeJunction(link, target) && !makeUnixSymlink(link, target))
    return false;
  const DWORD attributes = GetFileAttributesW(link.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}
