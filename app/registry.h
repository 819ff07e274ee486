// A registry key of the program's: opened or created, read and written as strings, closed with its owner.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "app/scoped.h"

namespace qm {

class RegKey {
 public:
  RegKey() = default;
  // The key `path` below `parent`; an empty key (false) when it does not exist or cannot be opened.
  static RegKey Open(HKEY parent, const char* path, REGSAM access);
  // The same, created when missing.
  static RegKey Create(HKEY parent, const char* path, REGSAM access);

  explicit operator bool() const { return static_cast<bool>(key_); }
  HKEY get() const { return key_.get(); }

  // A string value (REG_SZ or REG_EXPAND_SZ) up to its first NUL; nothing when the value is missing, of another
  // type, or longer than `longest` bytes.
  std::optional<std::string> ReadString(const char* name, DWORD longest = 1 << 20) const;
  // Stores a REG_SZ value; false when the registry refuses it.
  bool WriteString(const char* name, const std::string& value) const;
  // The names of the key's values, and of its subkeys, as the registry lists them.
  std::vector<std::string> ValueNames() const;
  std::vector<std::string> SubkeyNames() const;
  // Removes the subkey `name`, which holds no subkeys of its own; false when it cannot.
  bool DeleteSubkey(const char* name) const;

 private:
  struct Traits {
    static HKEY Invalid() { return nullptr; }
    static void Close(HKEY h) { RegCloseKey(h); }
  };
  Scoped<HKEY, Traits> key_;
};

}  // namespace qm
