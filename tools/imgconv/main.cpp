// vr_imgconv: turns a PNG image into a VR_GIMPBitmap with GIMP's raw or
// run-length pixel array (.c and .h).
#include <cstdio>
#include <stdexcept>
#include <string>

#include "c_source.h"
#include "cli_numbers.h"
#include "gimp_pixels.h"
#include "gimp_source.h"
#include "output_files.h"
#include "png_reader.h"
#include "tool_main.h"

namespace {

const char kUsage[] =
    "usage: vr_imgconv [options] IMAGE.png\n"
    "Writes a PNG image as a VR_GIMPBitmap and its pixel array in a .c and a .h file.\n"
    "\n"
    "  -o, --output FILE.c        the C source to write (required)\n"
    "      --header FILE.h        its header (default: FILE.h beside FILE.c)\n"
    "      --name SYMBOL          the record's name (default: from FILE.c)\n"
    "      --encoding rle|raw     run-length packets (default) or raw rows\n"
    "      --bpp 3|4              bytes per pixel: RGB (default) or RGBA\n"
    "      --key RRGGBB|none      pixels of this colour are not drawn (default none)\n"
    "      --background RRGGBB    with --bpp 3, transparency is blended over this\n"
    "                             colour (default FFFFFF)\n"
    "  -h, --help                 this text\n";

struct Options {
    std::string input, output, header, name;
    bool runLength = true;
    int bpp = 3;
    bool keyed = false;
    uint8_t key[3] = {0, 0, 0};
    uint8_t background[3] = {0xFF, 0xFF, 0xFF};
};

Options parse(int argc, char **argv, bool &help) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i], value;
        bool inlineValue = false;
        if (arg.rfind("--", 0) == 0 && arg.find('=') != std::string::npos) {
            value = arg.substr(arg.find('=') + 1);
            arg = arg.substr(0, arg.find('='));
            inlineValue = true;
        }
        auto next = [&]() -> std::string {
            if (inlineValue) return value;
            if (i + 1 >= argc) throw std::invalid_argument(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "-h" || arg == "--help") {
            help = true;
            return o;
        } else if (arg == "-o" || arg == "--output") {
            o.output = next();
        } else if (arg == "--header") {
            o.header = next();
        } else if (arg == "--name") {
            o.name = next();
        } else if (arg == "--encoding") {
            std::string v = next();
            if (v != "rle" && v != "raw")
                throw std::invalid_argument("--encoding: '" + v + "' is neither rle nor raw");
            o.runLength = v == "rle";
        } else if (arg == "--bpp") {
            std::string v = next();
            if (v != "3" && v != "4") throw std::invalid_argument("--bpp: '" + v + "' is neither 3 nor 4");
            o.bpp = v[0] - '0';
        } else if (arg == "--key") {
            std::string v = next();
            o.keyed = v != "none";
            if (o.keyed) vrtools::parseRgb(v, o.key, "--key");
        } else if (arg == "--background") {
            vrtools::parseRgb(next(), o.background, "--background");
        } else if (!arg.empty() && arg[0] == '-') {
            throw std::invalid_argument("unknown option " + arg);
        } else if (o.input.empty()) {
            o.input = arg;
        } else {
            throw std::invalid_argument("more than one image given");
        }
    }
    if (o.input.empty()) throw std::invalid_argument("no image given");
    if (o.output.empty()) throw std::invalid_argument("no output file given (-o FILE.c)");
    if (o.header.empty()) o.header = vrtools::headerPathFor(o.output);
    if (o.name.empty()) {
        o.name = vrtools::symbolFromPath(o.output);
        vrtools::checkSymbolName(o.name, "the name from " + o.output + " (give --name)");
    }
    vrtools::checkSymbolName(o.name, "--name");
    return o;
}

int run(const Options &o) {
    imgconv::Image image = imgconv::readPng(o.input, o.bpp, o.background);
    std::vector<uint8_t> data = image.pixels;
    if (o.runLength) {
        data = imgconv::encodeRunLength(image.pixels, o.bpp);
        // The packets must give back exactly the image; a fault here must
        // never reach an application's source.
        if (imgconv::decodeRunLength(data.data(), data.size(), size_t(image.width) * image.height, o.bpp) !=
            image.pixels) {
            throw std::logic_error("run-length packets do not reproduce the image");
        }
    }
    imgconv::GimpSourceInfo info;
    info.symbol = o.name;
    info.headerName = vrtools::baseName(o.header);
    info.origin = o.input;
    info.width = image.width;
    info.height = image.height;
    info.bytesPerPixel = o.bpp;
    info.runLength = o.runLength;
    info.keyed = o.keyed;
    for (int k = 0; k < 3; ++k) info.key[k] = o.key[k];
    vrtools::writeOutputs(
        {{o.output, imgconv::gimpCSource(data, info)}, {o.header, imgconv::gimpHeader(info)}});
    return 0;
}

}  // namespace

int main(int argc, char **argv) { return vrtools::toolMain("vr_imgconv", kUsage, argc, argv, parse, run); }
