#include "code_page.h"

#include <algorithm>
#include <cctype>

namespace fontconv {

namespace {

// 0x80..0x9F of Windows-1252; 0 marks the five undefined bytes.
constexpr char16_t kWindows1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                           0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

std::optional<CodePage> codePageNamed(const std::string &name) {
    std::string n = name;
    std::transform(n.begin(), n.end(), n.begin(), [](unsigned char c) { return std::tolower(c); });
    if (n == "1252" || n == "cp1252" || n == "windows-1252") return CodePage::Windows1252;
    if (n == "latin1" || n == "iso-8859-1" || n == "8859-1") return CodePage::Latin1;
    return std::nullopt;
}

std::optional<char32_t> unicodeOf(CodePage page, uint8_t b) {
    if (b < 0x20 || b == 0x7F) return std::nullopt;
    if (b < 0x80 || b >= 0xA0) return char32_t{b};
    if (page == CodePage::Latin1) return std::nullopt;
    char16_t u = kWindows1252High[b - 0x80];
    if (u == 0) return std::nullopt;
    return char32_t{u};
}

}  // namespace fontconv
