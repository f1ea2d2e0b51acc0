// vr_fontconv: turns a TrueType/OpenType font into a VR_Font byte array
// (.c and .h) for a range of single-byte character codes.
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "c_source.h"
#include "cli_numbers.h"
#include "font_encoder.h"
#include "font_source.h"
#include "glyph_raster.h"
#include "output_files.h"
#include "tool_main.h"

namespace {

const char kUsage[] =
    "usage: vr_fontconv [options] FONTFILE\n"
    "Renders the characters FIRST..LAST of a single-byte code page as one-bit glyphs\n"
    "of HEIGHT rows and writes them as a VR_Font byte array in a .c and a .h file.\n"
    "\n"
    "  -o, --output FILE.c      the C source to write (required)\n"
    "      --header FILE.h      its header (default: FILE.h beside FILE.c)\n"
    "      --name SYMBOL        the array's name (default: from FILE.c)\n"
    "      --height ROWS        rows of every glyph, 1..255 (required)\n"
    "      --range FIRST-LAST   character codes, e.g. 0x20-0x7E (the default)\n"
    "      --codepage NAME      1252 (Windows-1252, default) or latin1\n"
    "      --map CODE=U+XXXX    draw CODE with that Unicode character; repeatable,\n"
    "                           comma-separated lists allowed (e.g. 0x1C=U+2022)\n"
    "      --zero CODE,...      characters that get width 0 (e.g. 0x20,0x7F,0xA0)\n"
    "      --encoding rle|plain run-length (default) or plain glyph bits\n"
    "      --unit BYTES         run-length size unit, 1..255 (default 1)\n"
    "      --runs A,B,C         run lengths of run codes 1..3 (default: the table\n"
    "                           that makes the font smallest)\n"
    "      --size PIXELS        render at this pixel size instead of the largest\n"
    "                           whose characters fit the height\n"
    "  -v, --verbose            report the size chosen and characters the face lacks\n"
    "  -h, --help               this text\n"
    "\n"
    "Control codes, bytes the code page leaves undefined and characters the face\n"
    "lacks get width 0. Every glyph is one spacing column narrower than its advance.\n";

struct Options {
    fontconv::RasterRequest raster;
    std::string output, header, name;
    bool rle = true;
    uint8_t unit = 1;
    bool runsGiven = false;
    fontconv::RunTable runs{};
    bool verbose = false;
};

struct UsageError : std::invalid_argument {
    using std::invalid_argument::invalid_argument;
};

uint8_t parseCode(const std::string &text, const std::string &option) {
    return uint8_t(vrtools::parseNumber(text, 0, 255, option));
}

void parseMap(const std::string &value, Options &o) {
    for (const std::string &item : vrtools::splitList(value)) {
        size_t eq = item.find('=');
        if (eq == std::string::npos) throw UsageError("--map: '" + item + "' is not CODE=U+XXXX");
        std::string target = item.substr(eq + 1);
        if (target.size() > 2 && (target[0] == 'U' || target[0] == 'u') && target[1] == '+') {
            target = "0x" + target.substr(2);
        }
        o.raster.extra[parseCode(item.substr(0, eq), "--map")] =
            char32_t(vrtools::parseNumber(target, 1, 0x10FFFF, "--map"));
    }
}

Options parse(int argc, char **argv, bool &help) {
    Options o;
    bool heightGiven = false;
    std::string font;
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
            if (i + 1 >= argc) throw UsageError(arg + " needs a value");
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
        } else if (arg == "--height") {
            o.raster.height = int(vrtools::parseNumber(next(), 1, 255, "--height"));
            heightGiven = true;
        } else if (arg == "--range") {
            std::string v = next();
            size_t dash = v.find('-');
            if (dash == std::string::npos) throw UsageError("--range: '" + v + "' is not FIRST-LAST");
            o.raster.first = parseCode(v.substr(0, dash), "--range");
            o.raster.last = parseCode(v.substr(dash + 1), "--range");
            if (o.raster.first > o.raster.last) throw UsageError("--range: first character after last");
        } else if (arg == "--codepage") {
            std::string v = next();
            auto page = fontconv::codePageNamed(v);
            if (!page) throw UsageError("--codepage: unknown code page '" + v + "'");
            o.raster.codePage = *page;
        } else if (arg == "--map") {
            parseMap(next(), o);
        } else if (arg == "--zero") {
            for (const std::string &item : vrtools::splitList(next()))
                o.raster.zeroWidth.insert(parseCode(item, "--zero"));
        } else if (arg == "--encoding") {
            std::string v = next();
            if (v != "rle" && v != "plain")
                throw UsageError("--encoding: '" + v + "' is neither rle nor plain");
            o.rle = v == "rle";
        } else if (arg == "--unit") {
            o.unit = uint8_t(vrtools::parseNumber(next(), 1, 255, "--unit"));
        } else if (arg == "--runs") {
            auto items = vrtools::splitList(next());
            if (items.size() != 3) throw UsageError("--runs needs three run lengths A,B,C");
            for (int k = 0; k < 3; ++k) o.runs[k] = uint8_t(vrtools::parseNumber(items[k], 1, 255, "--runs"));
            o.runsGiven = true;
        } else if (arg == "--size") {
            o.raster.pixelSize = int(vrtools::parseNumber(next(), 1, 1000, "--size"));
        } else if (arg == "-v" || arg == "--verbose") {
            o.verbose = true;
        } else if (!arg.empty() && arg[0] == '-') {
            throw UsageError("unknown option " + arg);
        } else if (font.empty()) {
            font = arg;
        } else {
            throw UsageError("more than one font file given");
        }
    }
    if (font.empty()) throw UsageError("no font file given");
    if (o.output.empty()) throw UsageError("no output file given (-o FILE.c)");
    if (!heightGiven) throw UsageError("no glyph height given (--height ROWS)");
    if ((o.runsGiven || o.unit != 1) && !o.rle) throw UsageError("--runs and --unit need --encoding rle");
    o.raster.fontPath = font;
    if (o.header.empty()) o.header = vrtools::headerPathFor(o.output);
    if (o.name.empty()) {
        o.name = vrtools::symbolFromPath(o.output);
        vrtools::checkSymbolName(o.name, "the name from " + o.output + " (give --name)");
    }
    vrtools::checkSymbolName(o.name, "--name");
    return o;
}

int run(const Options &o) {
    fontconv::RasterResult raster = fontconv::rasterise(o.raster);
    fontconv::RunTable runs = o.runs;
    if (o.rle && !o.runsGiven) runs = fontconv::smallestRunTable(raster.glyphs, o.unit);
    std::vector<uint8_t> font =
        o.rle ? fontconv::encodeRunLength(raster.glyphs, o.unit, runs) : fontconv::encodePlain(raster.glyphs);
    fontconv::FontSourceInfo info{o.name, vrtools::baseName(o.header), o.raster.fontPath, raster.pixelSize,
                                  raster.baseline};
    vrtools::writeOutputs(
        {{o.output, fontconv::fontCSource(font, info)}, {o.header, fontconv::fontHeader(font, info)}});
    if (o.verbose) {
        std::printf("vr_fontconv: %s: %zu bytes, pixel size %d, baseline after row %d", o.output.c_str(),
                    font.size(), raster.pixelSize, raster.baseline);
        if (o.rle) std::printf(", run table %d, %d, %d", runs[0], runs[1], runs[2]);
        std::printf("\n");
        for (uint8_t c : raster.missing) std::printf("vr_fontconv: the face has no glyph for 0x%02X\n", c);
    }
    return 0;
}

}  // namespace

int main(int argc, char **argv) { return vrtools::toolMain("vr_fontconv", kUsage, argc, argv, parse, run); }
