// The converters' shared entry: --help, and the exit statuses and one-line
// messages for bad options (2) and bad input (1).
#pragma once

#include <cstdio>
#include <stdexcept>

namespace vrtools {

// parse(argc, argv, help) returns the options or throws
// std::invalid_argument for a bad option; run(options) does the work and
// throws any other exception for bad input.
template <typename Parse, typename Run>
int toolMain(const char *tool, const char *usage, int argc, char **argv, Parse parse, Run run) {
    try {
        bool help = false;
        auto options = parse(argc, argv, help);
        if (help) {
            std::fputs(usage, stdout);
            return 0;
        }
        return run(options);
    } catch (const std::invalid_argument &e) {
        std::fprintf(stderr, "%s: %s (see --help)\n", tool, e.what());
        return 2;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s: %s\n", tool, e.what());
        return 1;
    }
}

}  // namespace vrtools
