// vr_pngdiff: compares two PNG pictures pixel by pixel, for golden-image
// tests of application screens.
#include <cstdio>
#include <stdexcept>
#include <string>

#include "image_diff.h"
#include "png_reader.h"
#include "tool_main.h"

namespace {

const char kUsage[] =
    "usage: vr_pngdiff [options] EXPECTED.png ACTUAL.png\n"
    "Compares two pictures pixel by pixel (red, green, blue and alpha) and exits\n"
    "with 0 when they are equal, 1 when they differ or cannot be read, 2 for bad\n"
    "options. A difference is reported in one line on standard output.\n"
    "\n"
    "      --diff FILE.png   on a difference, write a picture of it: the expected\n"
    "                        picture faded to grey, differing pixels in red\n"
    "  -h, --help            this text\n";

struct Options {
    std::string expected, actual, diff;
};

Options parse(int argc, char **argv, bool &help) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            help = true;
            return o;
        } else if (arg == "--diff") {
            if (i + 1 >= argc) throw std::invalid_argument("--diff needs a value");
            o.diff = argv[++i];
        } else if (arg.rfind("--diff=", 0) == 0) {
            o.diff = arg.substr(7);
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw std::invalid_argument("unknown option '" + arg + "'");
        } else if (o.expected.empty()) {
            o.expected = arg;
        } else if (o.actual.empty()) {
            o.actual = arg;
        } else {
            throw std::invalid_argument("more than two pictures given ('" + arg + "')");
        }
    }
    if (o.actual.empty()) throw std::invalid_argument("two pictures needed");
    return o;
}

int run(const Options &o) {
    const uint8_t black[3] = {0, 0, 0};
    const imgconv::Image expected = imgconv::readPng(o.expected, 4, black);
    const imgconv::Image actual = imgconv::readPng(o.actual, 4, black);
    const pngdiff::Difference d = pngdiff::compare(expected, actual);
    if (d.pixels == 0) return 0;
    std::string sizes;
    if (expected.width != actual.width || expected.height != actual.height)
        sizes = " (sizes " + std::to_string(expected.width) + " x " + std::to_string(expected.height) +
                " and " + std::to_string(actual.width) + " x " + std::to_string(actual.height) + ")";
    std::printf("%llu of %llu pixels differ%s, the first at (%d, %d): %s against %s\n",
                static_cast<unsigned long long>(d.pixels), static_cast<unsigned long long>(d.total),
                sizes.c_str(), d.firstX, d.firstY, o.actual.c_str(), o.expected.c_str());
    if (!o.diff.empty()) imgconv::writePng(o.diff, d.picture);
    return 1;
}

}  // namespace

int main(int argc, char **argv) { return vrtools::toolMain("vr_pngdiff", kUsage, argc, argv, parse, run); }
