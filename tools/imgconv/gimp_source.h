// The .c and .h text of a VR_GIMPBitmap and its pixel array.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace imgconv {

struct GimpSourceInfo {
    std::string symbol;
    std::string headerName;  // file name the .c includes
    std::string origin;      // image file it was made from
    int width = 0, height = 0, bytesPerPixel = 3;
    bool runLength = true;
    bool keyed = false;
    uint8_t key[3] = {0, 0, 0};
};

std::string gimpCSource(const std::vector<uint8_t> &data, const GimpSourceInfo &info);
std::string gimpHeader(const GimpSourceInfo &info);

}  // namespace imgconv
