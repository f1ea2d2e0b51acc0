// The INI file is read the way the desktop platform reads profile integers:
// section and key names ignore case and surrounding blanks, the first
// occurrence of a key counts, and a value is its leading decimal digits
// (none gives 0). A leading sign counts as "no digits", so "-5" reads 0:
// every field is unsigned or a small code. The number is taken modulo 2^32
// and then cut to the field's width, so 65536 in a 16-bit field reads 0.
#include "display_params.h"

#include <ini.h>
#include <strings.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <optional>

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

uint32_t leadingDigits(const char *text) {
    uint32_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) value = value * 10u + uint32_t(*text - '0');
    return value;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// True when the section name, without surrounding blanks, is ours.
bool isOurSection(const char *section) {
    while (isBlank(*section)) ++section;
    size_t len = std::strlen(section);
    while (len > 0 && isBlank(section[len - 1])) --len;
    return len == std::strlen(kSection) && strncasecmp(section, kSection, len) == 0;
}

int onEntry(void *user, const char *section, const char *name, const char *value) {
    auto &found = *static_cast<Found *>(user);
    if (section == nullptr || name == nullptr || !isOurSection(section)) return 1;
    for (int k = 0; k < KeyCount; ++k) {
        if (strcasecmp(name, kKeyNames[k]) != 0) continue;
        if (!found[k]) found[k] = value ? leadingDigits(value) : 0u;
        break;
    }
    return 1;
}

// Reads one line like fgets, but drops leading blanks (an indented key is
// still a key, not the continuation of the one before) and the rest of an
// overlong line (its tail must not read as a line of its own).
char *readLine(char *out, int size, void *stream) {
    auto *file = static_cast<FILE *>(stream);
    int c = std::fgetc(file);
    if (c == EOF) return nullptr;
    while (c == ' ' || c == '\t') c = std::fgetc(file);
    int n = 0;
    for (; c != EOF; c = std::fgetc(file)) {
        if (n < size - 2) out[n++] = char(c);
        if (c == '\n') break;
    }
    if (n > 0 && out[n - 1] != '\n') out[n++] = '\n';
    out[n] = '\0';
    return out;
}

Found readSection(const char *path) {
    Found found{};
    if (FILE *file = std::fopen(path, "rb")) {
        // Parse errors are lines we do not understand: skipped, not fatal.
        ini_parse_stream(readLine, file, onEntry, &found);
        std::fclose(file);
    }
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
