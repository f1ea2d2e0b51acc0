// The versions as the demo prints and shows them, three two-digit fields
// ("00.02.04"), built from the generated version numbers.
#pragma once

#include <cstdio>
#include <string>

#include "vr_versions.h"

namespace demoria::test {

inline std::string versionFields(int major, int minor, int patch) {
    char text[16];
    std::snprintf(text, sizeof text, "%02i.%02i.%02i", major, minor, patch);
    return text;
}

inline const std::string kLibraryFields =
    versionFields(VRLIB_VERSION_MAJOR, VRLIB_VERSION_MINOR, VRLIB_VERSION_PATCH);
inline const std::string kDriverFields =
    versionFields(DDRV_LUMISIM_VERSION_MAJOR, DDRV_LUMISIM_VERSION_MINOR, DDRV_LUMISIM_VERSION_PATCH);

}  // namespace demoria::test
