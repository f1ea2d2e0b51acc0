// The driver's INI reader on any file content: it must neither crash nor
// read past what it was given, whatever the lines hold.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "display_params.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static const std::string path = "/tmp/fuzz_ini_" + std::to_string(getpid()) + ".ini";
    if (std::FILE *f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    const lumisim::DisplayParams p = lumisim::readDisplayParams(path.c_str());
    // The defaults' rule: no size can read as 0.
    if (p.info.xSize == 0 || p.info.ySize == 0) __builtin_trap();
    return 0;
}
