// One opened and memory-mapped Linux frame-buffer device: its visible
// geometry and pixel layout as the kernel reports them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "pixel_format.h"

namespace fbdev {

struct FbDevice {
    int fd = -1;
    void *mapping = nullptr;
    size_t mappingLength = 0;
    uint8_t *origin = nullptr;  // the visible area's top-left pixel
    uint32_t stride = 0;        // bytes from one row to the next (line_length)
    uint16_t width = 0, height = 0;
    PixelFormat format;
};

// Opens path, reads its geometry and maps its memory. On failure returns
// false and sets error to one line naming the device and the cause.
bool openDevice(const std::string &path, FbDevice &device, std::string &error);

// Unmaps and closes; harmless on a device that is not open.
void closeDevice(FbDevice &device);

}  // namespace fbdev
