#include "cli_numbers.h"

#include <cctype>
#include <stdexcept>

namespace vrtools {

unsigned parseNumber(const std::string &text, unsigned lo, unsigned hi, const std::string &option) {
    std::string digits = text;
    int base = 10;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        digits = digits.substr(2);
        base = 16;
    }
    bool ok = !digits.empty() && digits.size() <= 9;
    unsigned long value = 0;
    for (char c : digits) {
        int d;
        if (std::isdigit(static_cast<unsigned char>(c))) {
            d = c - '0';
        } else if (base == 16 && std::isxdigit(static_cast<unsigned char>(c))) {
            d = std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
        } else {
            ok = false;
            break;
        }
        value = value * base + d;
    }
    if (!ok) throw std::invalid_argument(option + ": '" + text + "' is not a number");
    if (value < lo || value > hi) {
        throw std::invalid_argument(option + ": " + text + " is outside " + std::to_string(lo) + ".." +
                                    std::to_string(hi));
    }
    return static_cast<unsigned>(value);
}

std::vector<std::string> splitList(const std::string &text) {
    std::vector<std::string> items;
    size_t start = 0;
    while (true) {
        size_t comma = text.find(',', start);
        items.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return items;
}

void parseRgb(const std::string &text, uint8_t rgb[3], const std::string &option) {
    std::string hex = !text.empty() && text[0] == '#' ? text.substr(1) : text;
    if (hex.size() != 6) throw std::invalid_argument(option + ": '" + text + "' is not a colour RRGGBB");
    unsigned value = parseNumber("0x" + hex, 0, 0xFFFFFF, option);
    rgb[0] = static_cast<uint8_t>(value >> 16);
    rgb[1] = static_cast<uint8_t>(value >> 8);
    rgb[2] = static_cast<uint8_t>(value);
}

}  // namespace vrtools
