// The INI file is read the way the desktop platform reads profile integers:
// section and key names ignore case and surrounding blanks, the first
// occurrence of a key counts, and a value is its leading decimal digits
// (none gives 0). A leading sign counts as "no digits", so "-5" reads 0:
// every field is unsigned or a small code. The number is taken modulo 2^32
// and then cut to the field's width, so 65536 in a 16-bit field reads 0.
#include "display_params.h"

#include <strings.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace lumisim {
namespace {

enum Key {
    XSize,
    YSize,
    Orientation,
    ColourMode,
    CRRed,
    CRGreen,
    CRBlue,
    XPosDisplay,
    YPosDisplay,
    KeyCount
};

constexpr std::array<const char *, KeyCount> kKeyNames = {"XSize",      "YSize",       "Orientation",
                                                          "ColourMode", "CRRed",       "CRGreen",
                                                          "CRBlue",     "XPosDisplay", "YPosDisplay"};

constexpr const char *kSection = "DisplayParams";

// The raw values found in the section; empty where the key is missing.
using Found = std::array<std::optional<uint32_t>, KeyCount>;

uint32_t leadingDigits(const char *text, const char *end = nullptr) {
    uint32_t value = 0;
    for (; text != end && *text >= '0' && *text <= '9'; ++text) value = value * 10u + uint32_t(*text - '0');
    return value;
}

int onEntry(void *user, const char *section, const char *name, const char *value) {
    auto &found = *static_cast<Found *>(user);
    if (section == nullptr || name == nullptr || !isSection(section, kSection)) return 1;
    for (int k = 0; k < KeyCount; ++k) {
        if (strcasecmp(name, kKeyNames[k]) != 0) continue;
        if (!found[k]) found[k] = value ? leadingDigits(value) : 0u;
        break;
    }
    return 1;
}

// libinih parses lines of at most a fixed length. A longer line is handed
// over shortened to what the reading rules look at, so that it reads as
// it would whole: a comment stays a comment; a section name keeps the
// characters the parser keeps; a key keeps its name, and its value only
// its leading digits, taken modulo 2^32 (the same number, in at most ten
// digits). A line that is neither, or whose name is longer than any key of
// ours, becomes a comment: it changes nothing either way.
std::string shortened(std::string_view line) {
    constexpr size_t kSectionChars = 49;  // what the parser keeps of a name
    constexpr size_t kLongestName = 64;   // beyond every key name of ours
    if (line.empty() || line[0] == ';' || line[0] == '#') return ";";
    // The parser's search: the first of `stops`, or an inline comment (a
    // ';' after a blank), which ends the line's content.
    const auto find = [&](size_t from, std::string_view stops) {
        bool afterBlank = false;
        for (size_t i = from; i < line.size(); ++i) {
            if (stops.find(line[i]) != std::string_view::npos) return i;
            if (afterBlank && line[i] == ';') return std::string_view::npos;
            afterBlank = std::isspace(static_cast<unsigned char>(line[i])) != 0;
        }
        return std::string_view::npos;
    };
    if (line[0] == '[') {
        const size_t close = find(1, "]");
        if (close == std::string_view::npos) return "[";  // unterminated: the section stays
        return "[" + std::string(line.substr(1, std::min(close - 1, kSectionChars))) + "]";
    }
    const size_t equals = find(0, "=:");
    if (equals == std::string_view::npos) return ";";
    std::string_view name = line.substr(0, equals);
    while (!name.empty() && std::isspace(static_cast<unsigned char>(name.back()))) name.remove_suffix(1);
    if (name.size() > kLongestName) return ";";
    size_t digits = equals + 1;
    while (digits < line.size() && std::isspace(static_cast<unsigned char>(line[digits]))) ++digits;
    // snprintf rather than std::to_string, whose digit table would leave
    // the library as an exported symbol.
    char number[12];
    std::snprintf(number, sizeof number, "%u",
                  unsigned(leadingDigits(line.data() + digits, line.data() + line.size())));
    return std::string(name) + "=" + number;
}

Found readSection(const char *path) {
    Found found{};
    parseIni(readIniFile(path), onEntry, &found, shortened);
    return found;
}

uint32_t get(const Found &found, Key key, uint32_t fallback) { return found[key].value_or(fallback); }

}  // namespace

DisplayParams readDisplayParams(const char *path) {
    const Found found = readSection(path);
    DisplayParams p{};
    VR_DisplayInfo &info = p.info;

    info.xSize = uint16_t(get(found, XSize, 0));
    if (info.xSize == 0) info.xSize = 320;
    info.ySize = uint16_t(get(found, YSize, 0));
    if (info.ySize == 0) info.ySize = 240;

    // 100 is the "not configured" marker, so it cannot itself be configured.
    info.orientation = int32_t(get(found, Orientation, 100));
    if (info.orientation == 100) info.orientation = 0;
    const bool upright =
        info.orientation == 0 || info.orientation == 2 || info.orientation == 4 || info.orientation == 6;
    info.displayWidth = upright ? info.xSize : info.ySize;
    info.displayHeight = upright ? info.ySize : info.xSize;

    info.colourMode = int32_t(get(found, ColourMode, 0));
    if (info.colourMode == 0) info.colourMode = 2;
    if (info.colourMode == 2) {
        const auto resolution = [&](Key key) {
            const auto bits = uint8_t(get(found, key, 0));
            return bits == 0 ? uint8_t(8) : bits;
        };
        info.crRed = resolution(CRRed);
        info.crGreen = resolution(CRGreen);
        info.crBlue = resolution(CRBlue);
    }

    p.xPosDisplay = uint16_t(get(found, XPosDisplay, 0));
    if (p.xPosDisplay != 0) p.yPosDisplay = uint16_t(get(found, YPosDisplay, 0));
    return p;
}

}  // namespace lumisim
