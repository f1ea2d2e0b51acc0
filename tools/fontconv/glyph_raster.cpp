#include "glyph_raster.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdio>
#include <memory>

namespace fontconv {

namespace {

std::string hexByte(unsigned c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%02X", c);
    return buf;
}

std::string codePoint(char32_t u) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", unsigned(u));
    return buf;
}

struct Library {
    FT_Library lib = nullptr;
    Library() {
        if (FT_Init_FreeType(&lib)) throw RasterError("cannot start FreeType");
    }
    ~Library() { FT_Done_FreeType(lib); }
};

struct Face {
    FT_Face face = nullptr;
    Face(FT_Library lib, std::span<const uint8_t> bytes) {
        if (FT_New_Memory_Face(lib, bytes.data(), FT_Long(bytes.size()), 0, &face))
            throw RasterError("the data is not a font FreeType can read");
    }
    Face(FT_Library lib, const std::string &path) {
        if (std::FILE *f = std::fopen(path.c_str(), "rb")) {
            std::fclose(f);
        } else {
            throw RasterError("cannot open " + path);
        }
        if (FT_New_Face(lib, path.c_str(), 0, &face))
            throw RasterError(path + " is not a font FreeType can read");
    }
    ~Face() { FT_Done_Face(face); }
};

// One rendered character, before it is placed in the glyph's rows.
struct Rendered {
    bool present = false;  // drawn from the face (false: width 0)
    int left = 0, top = 0, rows = 0, columns = 0, advance = 0;
    std::vector<uint8_t> bits;  // rows * columns, row-major
};

Rendered render(FT_Face face, FT_UInt index) {
    Rendered r;
    if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO) ||
        FT_Render_Glyph(face->glyph, FT_RENDER_MODE_MONO)) {
        return r;
    }
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap &bm = slot->bitmap;
    // A damaged face can leave a glyph without bits (a bitmap font's glyph
    // with a size but no rows of data) or in another pixel format: such a
    // glyph stays empty, like one the face lacks.
    const unsigned pitch = unsigned(bm.pitch < 0 ? -bm.pitch : bm.pitch);
    if (bm.rows > 0 && bm.width > 0 &&
        (bm.pixel_mode != FT_PIXEL_MODE_MONO || bm.buffer == nullptr || pitch < (bm.width + 7) / 8)) {
        return r;
    }
    r.present = true;
    r.left = slot->bitmap_left;
    r.top = slot->bitmap_top;
    r.rows = int(bm.rows);
    r.columns = int(bm.width);
    r.advance = int((slot->advance.x + 32) >> 6);
    r.bits.resize(size_t(r.rows) * r.columns);
    for (int y = 0; y < r.rows; ++y) {
        // A negative pitch runs upwards: the top row is stored last.
        const unsigned char *row = bm.buffer + size_t(bm.pitch < 0 ? int(bm.rows) - 1 - y : y) * pitch;
        for (int x = 0; x < r.columns; ++x) r.bits[y * r.columns + x] = (row[x >> 3] >> (7 - (x & 7))) & 1;
    }
    return r;
}

// Glyph indices of the range; 0 where the character stays empty.
std::vector<FT_UInt> glyphIndices(FT_Face face, const RasterRequest &rq, std::vector<uint8_t> &missing) {
    std::vector<FT_UInt> out;
    for (int c = rq.first; c <= rq.last; ++c) {
        FT_UInt index = 0;
        auto mapped = rq.extra.find(uint8_t(c));
        if (rq.zeroWidth.count(uint8_t(c))) {
            index = 0;
        } else if (mapped != rq.extra.end()) {
            index = FT_Get_Char_Index(face, mapped->second);
            if (index == 0) {
                throw RasterError("the face has no glyph for " + codePoint(mapped->second) + " (mapped to " +
                                  hexByte(c) + ")");
            }
        } else if (auto u = unicodeOf(rq.codePage, uint8_t(c))) {
            index = FT_Get_Char_Index(face, *u);
            if (index == 0) missing.push_back(uint8_t(c));
        }
        out.push_back(index);
    }
    return out;
}

struct Extent {
    int above = 0;  // rows of ink above the baseline
    int below = 0;  // rows of ink below it
};

Extent extentOf(const std::vector<Rendered> &glyphs) {
    Extent e;
    for (const Rendered &r : glyphs) {
        if (!r.present || r.rows == 0) continue;
        e.above = std::max(e.above, r.top);
        e.below = std::max(e.below, r.rows - r.top);
    }
    return e;
}

std::vector<Rendered> renderAll(FT_Face face, const std::vector<FT_UInt> &indices) {
    std::vector<Rendered> out;
    for (FT_UInt index : indices) out.push_back(index ? render(face, index) : Rendered{});
    return out;
}

bool setPixelSize(FT_Face face, int size) {
    if (FT_IS_SCALABLE(face)) return FT_Set_Pixel_Sizes(face, 0, FT_UInt(size)) == 0;
    for (int i = 0; i < face->num_fixed_sizes; ++i) {
        if (face->available_sizes[i].height == size) return FT_Select_Size(face, i) == 0;
    }
    return false;
}

// Pixel sizes worth trying, largest first.
std::vector<int> candidateSizes(FT_Face face, const RasterRequest &rq) {
    std::vector<int> sizes;
    if (rq.pixelSize > 0) {
        sizes.push_back(rq.pixelSize);
    } else if (FT_IS_SCALABLE(face)) {
        for (int s = 2 * rq.height; s >= 1; --s) sizes.push_back(s);
    } else {
        for (int i = 0; i < face->num_fixed_sizes; ++i) sizes.push_back(face->available_sizes[i].height);
        std::sort(sizes.rbegin(), sizes.rend());
    }
    return sizes;
}

Glyph place(const Rendered &r, int height, int baselineRow) {
    Glyph g;
    if (!r.present) return g;
    // Ink that starts left of the pen moves right into the glyph; the
    // width covers the advance (less the spacing column the library adds)
    // and every column of ink.
    int shift = std::max(0, -r.left);
    int inkLeft = r.left + shift;
    g.width = std::max({r.advance - 1, inkLeft + r.columns, 0});
    if (g.width > 255) throw RasterError("a glyph is wider than 255 columns; choose a smaller height");
    g.ink.assign(size_t(g.width) * height, 0);
    int topRow = baselineRow - r.top;
    for (int y = 0; y < r.rows; ++y) {
        for (int x = 0; x < r.columns; ++x) {
            if (r.bits[y * r.columns + x]) g.ink[size_t(inkLeft + x) * height + (topRow + y)] = 1;
        }
    }
    return g;
}

}  // namespace

RasterResult rasterise(const RasterRequest &rq) {
    if (rq.height < 1 || rq.height > 255) throw RasterError("glyph height must be 1..255");
    if (rq.first > rq.last) throw RasterError("first character after last");
    Library lib;
    Face face = rq.fontBytes.empty() ? Face(lib.lib, rq.fontPath) : Face(lib.lib, rq.fontBytes);
    RasterResult result;
    std::vector<FT_UInt> indices = glyphIndices(face.face, rq, result.missing);

    for (int size : candidateSizes(face.face, rq)) {
        if (!setPixelSize(face.face, size)) {
            if (rq.pixelSize > 0) throw RasterError("the face has no pixel size " + std::to_string(size));
            continue;
        }
        std::vector<Rendered> rendered = renderAll(face.face, indices);
        Extent e = extentOf(rendered);
        if (e.above + e.below > rq.height) continue;
        // Spare rows are shared out above and below the ink.
        int spare = rq.height - (e.above + e.below);
        result.baseline = spare / 2 + e.above;
        result.pixelSize = size;
        result.glyphs.height = rq.height;
        result.glyphs.first = rq.first;
        result.glyphs.last = rq.last;
        for (const Rendered &r : rendered)
            result.glyphs.glyphs.push_back(place(r, rq.height, result.baseline));
        return result;
    }
    if (rq.pixelSize > 0) {
        throw RasterError("at pixel size " + std::to_string(rq.pixelSize) +
                          " the characters do not fit into " + std::to_string(rq.height) + " rows");
    }
    throw RasterError("the face has no size whose characters fit into " + std::to_string(rq.height) +
                      " rows");
}

}  // namespace fontconv
