#include "font_encoder.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "font_format.h"

namespace fontconv {

namespace {

class BitWriter {
  public:
    explicit BitWriter(std::vector<uint8_t> &out) : out_(out) {}
    void put(bool bit) {
        if (used_ == 0) out_.push_back(0);
        if (bit) out_.back() |= static_cast<uint8_t>(1u << used_);
        used_ = (used_ + 1) % 8;
    }

  private:
    std::vector<uint8_t> &out_;
    int used_ = 0;
};

// Maximal stretches of one colour in a glyph's column-major pixels; runs go
// on from the bottom of a column into the top of the next.
struct Stretch {
    bool ink;
    int length;
};

std::vector<Stretch> stretchesOf(const Glyph &glyph) {
    std::vector<Stretch> out;
    for (uint8_t p : glyph.ink) {
        bool ink = p != 0;
        if (!out.empty() && out.back().ink == ink) {
            ++out.back().length;
        } else {
            out.push_back({ink, 1});
        }
    }
    return out;
}

// Fewest tokens that cover a stretch of each length exactly, with the run
// code that starts such a cover (lengths 1 and the table's three entries).
class RunCover {
  public:
    RunCover(const RunTable &runs, int longest) : tokens_(longest + 1, 0), code_(longest + 1, 0) {
        const int lengths[4] = {1, runs[0], runs[1], runs[2]};
        for (int n = 1; n <= longest; ++n) {
            int best = n;  // n single-pixel runs always fit
            uint8_t bestCode = 0;
            for (uint8_t code = 1; code < 4; ++code) {
                int len = lengths[code];
                if (len >= 1 && len <= n && tokens_[n - len] + 1 < best) {
                    best = tokens_[n - len] + 1;
                    bestCode = code;
                }
            }
            tokens_[n] = best;
            code_[n] = bestCode;
        }
        std::copy(lengths, lengths + 4, lengths_);
    }
    int tokens(int n) const { return tokens_[n]; }
    uint8_t code(int n) const { return code_[n]; }
    int length(uint8_t code) const { return lengths_[code]; }

  private:
    std::vector<int> tokens_;
    std::vector<uint8_t> code_;
    int lengths_[4];
};

int longestStretch(const GlyphSet &set) {
    int longest = 1;
    for (const Glyph &g : set.glyphs) {
        for (const Stretch &s : stretchesOf(g)) longest = std::max(longest, s.length);
    }
    return longest;
}

void checkShape(const GlyphSet &set) {
    if (set.height < 1 || set.height > 255) throw EncodeError("glyph height must be 1..255");
    if (set.first > set.last || set.glyphs.size() != size_t(set.last - set.first + 1)) {
        throw EncodeError("glyph set does not match its character range");
    }
    for (const Glyph &g : set.glyphs) {
        if (g.width < 0 || g.width > 255) throw EncodeError("glyph width must be 0..255");
        if (g.ink.size() != size_t(g.width) * size_t(set.height)) throw EncodeError("glyph size mismatch");
    }
}

// Flags as the converter writes them; bit 0 is not interpreted by the
// library and set for compatibility with the fonts already in use.
constexpr uint8_t kPlainFlags = 0x01;
constexpr uint8_t kRunLengthFlags = vrfont::kRunLengthFlag | kPlainFlags;

std::vector<uint8_t> header(const GlyphSet &set, uint8_t flags) {
    std::vector<uint8_t> out(vrfont::kHeaderSize, 0);
    out[vrfont::kHeightAt] = static_cast<uint8_t>(set.height);
    out[vrfont::kFlagsAt] = flags;
    out[vrfont::kFirstAt] = set.first;
    out[vrfont::kLastAt] = set.last;
    for (const Glyph &g : set.glyphs) out.push_back(static_cast<uint8_t>(g.width));
    return out;
}

void finishLength(std::vector<uint8_t> &font) {
    if (font.size() > vrfont::kMaxLength) {
        throw EncodeError("font data of " + std::to_string(font.size()) +
                          " bytes exceeds the 16-bit length field");
    }
    vrfont::putLength(font.data(), font.size());
}

void appendTokens(const Glyph &glyph, const RunCover &cover, std::vector<uint8_t> &out) {
    BitWriter bits(out);
    for (const Stretch &s : stretchesOf(glyph)) {
        for (int left = s.length; left > 0;) {
            uint8_t code = cover.code(left);
            bits.put(code & 1);
            bits.put(code & 2);
            bits.put(s.ink);
            left -= cover.length(code);
        }
    }
}

size_t unitsFor(size_t bytes, uint8_t unit) { return (bytes + unit - 1) / unit; }

}  // namespace

std::vector<uint8_t> encodePlain(const GlyphSet &set) {
    checkShape(set);
    std::vector<uint8_t> font = header(set, kPlainFlags);
    std::vector<uint8_t> stream;
    BitWriter bits(stream);
    for (const Glyph &g : set.glyphs) {
        for (uint8_t p : g.ink) bits.put(p != 0);
    }
    font.insert(font.end(), stream.begin(), stream.end());
    finishLength(font);
    return font;
}

size_t runLengthBytes(const Glyph &glyph, const RunTable &runs) {
    int longest = 1;
    auto stretches = stretchesOf(glyph);
    for (const Stretch &s : stretches) longest = std::max(longest, s.length);
    RunCover cover(runs, longest);
    size_t tokens = 0;
    for (const Stretch &s : stretches) tokens += cover.tokens(s.length);
    return (tokens * 3 + 7) / 8;
}

std::vector<uint8_t> encodeRunLength(const GlyphSet &set, uint8_t unit, const RunTable &runs) {
    checkShape(set);
    if (unit == 0) throw EncodeError("unit must be 1..255");
    for (uint8_t r : runs) {
        if (r == 0) throw EncodeError("run table entries must be 1..255");
    }
    RunCover cover(runs, longestStretch(set));
    std::vector<uint8_t> font = header(set, kRunLengthFlags);
    font.push_back(unit);
    font.insert(font.end(), runs.begin(), runs.end());
    size_t sizeTable = font.size();
    font.resize(font.size() + set.glyphs.size(), 0);
    for (size_t i = 0; i < set.glyphs.size(); ++i) {
        std::vector<uint8_t> data;
        appendTokens(set.glyphs[i], cover, data);
        size_t units = unitsFor(data.size(), unit);
        if (units > 255) {
            char code[8];
            std::snprintf(code, sizeof code, "0x%02X", unsigned(set.first + i));
            throw EncodeError(std::string("glyph ") + code + " needs " + std::to_string(units) +
                              " units of " + std::to_string(unit) +
                              " byte(s), more than a size entry holds (255); " +
                              "use a larger unit or another run table");
        }
        data.resize(units * unit, 0);
        font[sizeTable + i] = static_cast<uint8_t>(units);
        font.insert(font.end(), data.begin(), data.end());
    }
    finishLength(font);
    return font;
}

RunTable smallestRunTable(const GlyphSet &set, uint8_t unit) {
    checkShape(set);
    if (unit == 0) throw EncodeError("unit must be 1..255");
    // Each glyph's cost depends only on its stretch lengths, so count them
    // once per glyph and price every candidate table from the counts.
    std::vector<std::vector<std::pair<int, int>>> perGlyph;  // (length, count)
    int longest = 1;
    for (const Glyph &g : set.glyphs) {
        std::vector<int> lengths;
        for (const Stretch &s : stretchesOf(g)) lengths.push_back(s.length);
        std::sort(lengths.begin(), lengths.end());
        std::vector<std::pair<int, int>> counted;
        for (int len : lengths) {
            if (!counted.empty() && counted.back().first == len) {
                ++counted.back().second;
            } else {
                counted.push_back({len, 1});
            }
            longest = std::max(longest, len);
        }
        perGlyph.push_back(std::move(counted));
    }
    const int top = std::min(255, std::max(4, longest));
    bool found = false;
    size_t bestSize = 0;
    RunTable best{};
    // Short first entries and long last ones win in practice; the bounds
    // keep the search to a fraction of a second.
    for (int a = 2; a <= std::min(top, 12); ++a) {
        for (int b = a + 1; b <= std::min(top, 40); ++b) {
            for (int c = b + 1; c <= std::min(top, 128); ++c) {
                RunTable runs{uint8_t(a), uint8_t(b), uint8_t(c)};
                RunCover cover(runs, longest);
                size_t total = 0;
                bool fits = true;
                for (const auto &counted : perGlyph) {
                    size_t tokens = 0;
                    for (auto [len, n] : counted) tokens += size_t(cover.tokens(len)) * n;
                    size_t units = unitsFor((tokens * 3 + 7) / 8, unit);
                    if (units > 255) {
                        fits = false;
                        break;
                    }
                    total += units;
                }
                if (fits && (!found || total < bestSize)) {
                    found = true;
                    bestSize = total;
                    best = runs;
                }
            }
        }
    }
    if (!found) throw EncodeError("no run table fits every glyph into 255 units; use a larger unit");
    return best;
}

}  // namespace fontconv
