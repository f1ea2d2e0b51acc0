// The .c and .h text of an encoded VR_Font.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fontconv {

struct FontSourceInfo {
    std::string symbol;
    std::string headerName;  // file name the .c includes
    std::string origin;      // font file it was made from
    int pixelSize = 0;
    int baseline = 0;
};

std::string fontCSource(const std::vector<uint8_t> &font, const FontSourceInfo &info);
std::string fontHeader(const std::vector<uint8_t> &font, const FontSourceInfo &info);

}  // namespace fontconv
