// Binary PPM (P6) pictures, the format of QEMU's screendump.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vr::scene {

struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;  // width x height x 3
};

// Reads a P6 picture with a maximum of 255; on failure says why in *error.
bool readPpm(const std::string &path, Picture &out, std::string *error);
bool writePpm(const std::string &path, const Picture &picture);

}  // namespace vr::scene
