#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

// The conversions of the document reader. Both work on raw bytes and read "."
// as the decimal separator whatever the user's locale.

// Optional leading blanks, an optional sign and decimal digits in the signed
// 32-bit range; anything else (a trailing blank included) is no integer.
std::optional<int32_t> parseInteger(std::string_view text);

// Optional leading and trailing blanks, an optional sign, digits with an
// optional "." fraction and an optional exponent.
std::optional<double> parseDecimal(std::string_view text);
