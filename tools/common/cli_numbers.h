// Number parsing for the converters' options: decimal or 0x hexadecimal,
// range-checked, with a one-line error for the option that held it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vrtools {

// Parses a whole string as an unsigned number in [lo, hi]; throws
// std::invalid_argument("OPTION: ...") otherwise.
unsigned parseNumber(const std::string &text, unsigned lo, unsigned hi, const std::string &option);

// Splits at commas; empty items are kept so that they are reported.
std::vector<std::string> splitList(const std::string &text);

// "RRGGBB" (optionally with a leading '#') as three bytes.
void parseRgb(const std::string &text, uint8_t rgb[3], const std::string &option);

}  // namespace vrtools
