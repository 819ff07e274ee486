#include "app/registry.h"

#include <algorithm>

#include "app/text.h"

namespace qm {

RegKey RegKey::Open(HKEY parent, const char* path, REGSAM access) {
  RegKey key;
  HKEY h = nullptr;
  if (parent && RegOpenKeyExW(parent, Wide(path).c_str(), 0, access, &h) == ERROR_SUCCESS) key.key_.reset(h);
  return key;
}

RegKey RegKey::Create(HKEY parent, const char* path, REGSAM access) {
  RegKey key;
  HKEY h = nullptr;
  if (parent && RegCreateKeyExW(parent, Wide(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &h,
                                nullptr) == ERROR_SUCCESS)
    key.key_.reset(h);
  return key;
}

std::optional<std::string> RegKey::ReadString(const char* name, DWORD longest) const {
  if (!key_) return std::nullopt;
  const std::wstring wideName = Wide(name);
  // The value may change between asking for its size and reading it: ask again while it grows.
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key_.get(), wideName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
      return std::nullopt;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
    if (size > longest) return std::nullopt;
    std::wstring buffer(static_cast<std::size_t>(size) / sizeof(wchar_t) + 1, L'\0');
    DWORD got = size;
    const LONG rc = RegQueryValueExW(key_.get(), wideName.c_str(), nullptr, &type,
                                     reinterpret_cast<BYTE*>(buffer.data()), &got);
    if (rc == ERROR_MORE_DATA) continue;
    if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
    // The stored text need not end with a NUL (nor hold whole characters); it ends at the first NUL.
    buffer.resize(std::min<std::size_t>(got, size) / sizeof(wchar_t));
    const std::size_t nul = buffer.find(L'\0');
    if (nul != std::wstring::npos) buffer.resize(nul);
    return Utf8(buffer);
  }
  return std::nullopt;
}

bool RegKey::WriteString(const char* name, const std::string& value) const {
  const std::wstring wide = Wide(value);
  return key_ && RegSetValueExW(key_.get(), Wide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                                static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

}  // namespace qm
