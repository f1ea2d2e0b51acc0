// Where the driver finds its device and orientation: the environment
// variable DDRV_FBDEV_DEVICE, else Fbdev.ini in the current folder
// (section Fbdev, keys Device and Orientation), else /dev/fb0 and 0.
#pragma once

#include <cstdint>
#include <string>

namespace fbdev {

struct Settings {
    std::string device = "/dev/fb0";
    int32_t orientation = 0;
};

Settings readSettings();

}  // namespace fbdev
