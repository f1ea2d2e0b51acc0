// Renders the glyphs of a character range with FreeType as one-bit bitmaps
// of a fixed height, all on one baseline.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "code_page.h"
#include "glyph_set.h"

namespace fontconv {

struct RasterError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct RasterRequest {
    std::string fontPath;
    std::span<const uint8_t> fontBytes;  // when not empty, the face comes from these bytes instead
    int height = 0;                      // rows of every glyph
    uint8_t first = 0x20;
    uint8_t last = 0x7E;
    CodePage codePage = CodePage::Windows1252;
    std::map<uint8_t, char32_t> extra;  // characters mapped outside the code page
    std::set<uint8_t> zeroWidth;        // characters forced to width 0
    int pixelSize = 0;                  // 0: the largest whose glyphs fit the height
};

struct RasterResult {
    GlyphSet glyphs;
    int pixelSize = 0;
    int baseline = 0;              // rows above the baseline
    std::vector<uint8_t> missing;  // characters the face has no glyph for
};

// Throws RasterError for an unreadable font, a face without a size that
// fits, a mapped character the face lacks, or a glyph wider than 255.
RasterResult rasterise(const RasterRequest &request);

}  // namespace fontconv
