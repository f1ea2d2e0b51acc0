#include "fb_settings.h"

#include <ini.h>
#include <strings.h>

#include <cstdlib>

namespace fbdev {

namespace {

int onEntry(void *user, const char *section, const char *name, const char *value) {
    auto &s = *static_cast<Settings *>(user);
    if (strcasecmp(section, "Fbdev") != 0) return 1;
    if (strcasecmp(name, "Device") == 0 && *value != '\0') s.device = value;
    if (strcasecmp(name, "Orientation") == 0) s.orientation = int32_t(std::strtol(value, nullptr, 10));
    return 1;
}

}  // namespace

Settings readSettings() {
    Settings s;
    // A missing or unreadable file leaves the defaults.
    ini_parse("Fbdev.ini", onEntry, &s);
    if (const char *device = std::getenv("DDRV_FBDEV_DEVICE"); device != nullptr && *device != '\0')
        s.device = device;
    return s;
}

}  // namespace fbdev
