// Glyphs written as ASCII art for the font tests: one string per row,
// 'X' ink, '.' paper.
#pragma once

#include <string>
#include <vector>

#include "glyph_set.h"

namespace vrtest {

inline fontconv::Glyph glyph(const std::vector<std::string> &rows) {
    fontconv::Glyph g;
    g.width = rows.empty() ? 0 : int(rows[0].size());
    for (int x = 0; x < g.width; ++x) {
        for (const std::string &row : rows) g.ink.push_back(row[x] == 'X');
    }
    return g;
}

inline fontconv::GlyphSet glyphSet(int height, uint8_t first, std::vector<fontconv::Glyph> glyphs) {
    fontconv::GlyphSet s;
    s.height = height;
    s.first = first;
    s.last = uint8_t(first + glyphs.size() - 1);
    s.glyphs = std::move(glyphs);
    return s;
}

}  // namespace vrtest
