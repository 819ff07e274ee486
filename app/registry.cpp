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

std::vector<std::string> RegKey::ValueNames() const {
  std::vector<std::string> names;
  if (!key_) return names;
  std::wstring name(16384, L'\0');  // the longest name a value can have, and its NUL
  for (DWORD i = 0;; ++i) {
    DWORD length = static_cast<DWORD>(name.size());
    const LONG rc = RegEnumValueW(key_.get(), i, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (rc == ERROR_NO_MORE_ITEMS || (rc != ERROR_SUCCESS && rc != ERROR_MORE_DATA)) break;
    if (rc == ERROR_SUCCESS) names.push_back(Utf8(std::wstring_view(name.data(), length)));
  }
  return names;
}

std::vector<std::string> RegKey::SubkeyNames() const {
  std::vector<std::string> names;
  if (!key_) return names;
  wchar_t name[256];  // the longest name a key can have, and its NUL
  for (DWORD i = 0;; ++i) {
    DWORD length = 256;
    const LONG rc = RegEnumKeyExW(key_.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (rc == ERROR_NO_MORE_ITEMS || (rc != ERROR_SUCCESS && rc != ERROR_MORE_DATA)) break;
    if (rc == ERROR_SUCCESS) names.push_back(Utf8(std::wstring_view(name, length)));
  }
  return names;
}

bool RegKey::DeleteSubkey(const char* name) const {
  return key_ && RegDeleteKeyW(key_.get(), Wide(name).c_str()) == ERROR_SUCCESS;
}

}  // namespace qm
