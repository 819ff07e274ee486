#include "app/registry.h"

#include <algorithm>

namespace qm {

RegKey RegKey::Open(HKEY parent, const char* path, REGSAM access) {
  RegKey key;
  HKEY h = nullptr;
  if (parent && RegOpenKeyExA(parent, path, 0, access, &h) == ERROR_SUCCESS) key.key_.reset(h);
  return key;
}

RegKey RegKey::Create(HKEY parent, const char* path, REGSAM access) {
  RegKey key;
  HKEY h = nullptr;
  if (parent && RegCreateKeyExA(parent, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &h, nullptr) ==
                    ERROR_SUCCESS)
    key.key_.reset(h);
  return key;
}

std::optional<std::string> RegKey::ReadString(const char* name, DWORD longest) const {
  if (!key_) return std::nullopt;
  // The value may change between asking for its size and reading it: ask again while it grows.
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key_.get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
    if (size > longest) return std::nullopt;
    std::string buffer(static_cast<std::size_t>(size) + 1, '\0');
    DWORD got = size;
    const LONG rc =
        RegQueryValueExA(key_.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &got);
    if (rc == ERROR_MORE_DATA) continue;
    if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
    // The stored text need not end with a NUL; it ends at the first one.
    buffer.resize(std::min<std::size_t>(got, size));
    const std::size_t nul = buffer.find('\0');
    if (nul != std::string::npos) buffer.resize(nul);
    return buffer;
  }
  return std::nullopt;
}

bool RegKey::WriteString(const char* name, const std::string& value) const {
  return key_ && RegSetValueExA(key_.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

}  // namespace qm
