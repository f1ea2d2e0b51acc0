#include "code_page.h"

#include <algorithm>
#include <cctype>

#include "VRCp1252.hpp"

namespace fontconv {

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
    const char32_t u = vr::cp1252ToUnicode(b);
    if (u == 0) return std::nullopt;
    return u;
}

}  // namespace fontconv
