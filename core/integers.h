// Numbers as the generated code and the settings write and read them. Platform-free; every layer uses it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qm {

// Unsigned decimal text of a flag set.
std::string Decimal(std::uint32_t value);
std::string Decimal(std::int32_t value);

// Delphi's StrToInt rules: optional blanks, a sign, decimal digits or a hexadecimal number after "$", "0x" or "x";
// nothing else, and the value must fit a signed 32-bit integer.
bool StrToInt(std::string_view text, std::int32_t& value);
std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback);

}  // namespace qm
