// The driver's INI readers on any file content: they must neither crash
// nor read past what they were given, whatever the lines hold.
#include <strings.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "display_params.h"
#include "ini_section.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static const std::string path = "/tmp/fuzz_ini_" + std::to_string(getpid()) + ".ini";
    if (std::FILE *f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    const lumisim::DisplayParams p = lumisim::readDisplayParams(path.c_str());
    // The defaults' rule: no size can read as 0.
    if (p.info.xSize == 0 || p.info.ySize == 0) __builtin_trap();
    // The first occurrence of a name counts: no name twice, whatever its case.
    const lumisim::IniEntries keys = lumisim::readIniSection(path.c_str(), "Keys");
    for (size_t i = 0; i < keys.size(); ++i)
        for (size_t j = i + 1; j < keys.size(); ++j)
            if (strcasecmp(keys[i].first.c_str(), keys[j].first.c_str()) == 0) __builtin_trap();
    return 0;
}
