// Text drawing through the real driver (headless) beside the per-pixel
// floor: a 40-character string in a 16-pixel-high font of each encoding,
// in ns per pixel of the text cell. Update mode 1 (manual), so no refresh
// is part of the figure, as when a page is drawn in a batch.
//
//   <build>/bin/vr_bench --benchmark_filter='BM_Text(Floor|Plain|Run)' --benchmark_repetitions=15
//
// The fonts are generated here: characters 32..126 of widths 3..7 with
// letter-like strokes (stems and bars) on a 16-row body, so the
// run-length font has runs of the lengths real fonts give.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

#include "VRLib.h"
#include "bench_session.h"
#include "floor.h"

namespace {

constexpr uint8_t kFirst = 32, kLast = 126, kHeight = 16;
constexpr uint8_t kRuns[3] = {2, 5, 11};

uint8_t widthOf(int c) { return uint8_t(3 + (c * 7 + 3) % 5); }

// Pixel (col, row) of a plausible glyph: rows 3..12 are the body; some
// columns are stems, the others carry bars at the top, middle and bottom.
bool inkAt(int c, int col, int row) {
    if (c == ' ' || row < 3 || row > 12) return false;
    const uint32_t h = uint32_t(c) * 2654435761u;
    const bool stem = (h >> (col * 3)) & 1 || col == 0;
    if (stem) return row >= 3 + int((h >> 20) & 1) * 3;
    return row == 3 || row == 8 || (row == 12 && (h >> 24) & 1);
}

std::vector<uint8_t> header(uint8_t flags) {
    std::vector<uint8_t> f{0, 0, 0, kHeight, flags, kFirst, kLast};
    for (int c = kFirst; c <= kLast; ++c) f.push_back(widthOf(c));
    return f;
}

void setLength(std::vector<uint8_t> &f) {
    f[0] = uint8_t(f.size() >> 8);
    f[1] = uint8_t(f.size());
}

// Appends bits to a byte vector, least significant bit first.
struct BitWriter {
    std::vector<uint8_t> &out;
    unsigned used = 8;
    void put(bool bit) {
        if (used == 8) out.push_back(0), used = 0;
        out.back() |= uint8_t(bit << used++);
    }
};

std::vector<uint8_t> plainFont() {
    std::vector<uint8_t> f = header(0x01);
    BitWriter w{f};
    for (int c = kFirst; c <= kLast; ++c)
        for (int col = 0; col < widthOf(c); ++col)
            for (int row = 0; row < kHeight; ++row) w.put(inkAt(c, col, row));
    setLength(f);
    return f;
}

std::vector<uint8_t> runLengthFont() {
    std::vector<uint8_t> f = header(0x81);
    f.push_back(1);  // unit
    f.insert(f.end(), kRuns, kRuns + 3);
    const size_t sizes = f.size();
    f.resize(f.size() + (kLast - kFirst + 1));
    for (int c = kFirst; c <= kLast; ++c) {
        std::vector<uint8_t> glyph;
        BitWriter w{glyph};
        auto token = [&w](unsigned code, bool ink) { w.put(code & 1), w.put(code >> 1), w.put(ink); };
        const int n = widthOf(c) * kHeight;
        for (int i = 0; i < n;) {  // column-major runs, longest codes first
            const bool ink = inkAt(c, i / kHeight, i % kHeight);
            int len = 1;
            while (i + len < n && inkAt(c, (i + len) / kHeight, (i + len) % kHeight) == ink) ++len;
            i += len;
            for (int code = 3; code >= 1; --code)
                for (; len >= kRuns[code - 1]; len -= kRuns[code - 1]) token(unsigned(code), ink);
            for (; len > 0; --len) token(0, ink);
        }
        f[sizes + (c - kFirst)] = uint8_t(glyph.size());
        f.insert(f.end(), glyph.begin(), glyph.end());
    }
    setLength(f);
    return f;
}

const char kText[] = "Vantrel draws text, pixel by pixel: 40ch";
static_assert(sizeof kText - 1 == 40);

const VR_Colour kColours[] = {{0, 0, 0, 0}, {0, 255, 255, 255}};
const VR_ColourTable kTable{2, 0, kColours};

struct Setup {
    std::vector<uint8_t> plain = plainFont(), runLength = runLengthFont();
    uint16_t plainId = 0, runLengthId = 0, tableId = 0;
    bool ok = false;
    Setup() {
        if (!benchSession()) return;
        plainId = VR_RegisterFont(plain.data());
        runLengthId = VR_RegisterFont(runLength.data());
        tableId = VR_RegisterColourTable(&kTable);
        ok = plainId && runLengthId && tableId && sameCells();
    }
    // Both fonts must draw the same pixels, or the figures compare
    // different work.
    bool sameCells() {
        std::vector<uint32_t> cells[2];
        const uint16_t ids[2] = {plainId, runLengthId};
        for (int i = 0; i < 2; ++i) {
            VR_Size size{};
            VR_StringParams params{kText, 0};
            const VR_Point at{4, 100};
            if (VR_SetFont(ids[i], tableId) != VR_OK || VR_GetStringDimension(kText, &size) != VR_OK ||
                VR_DrawString(&at, &params) != VR_OK)
                return false;
            for (uint16_t y = 100; y < 100 + size.height; ++y)
                for (uint16_t x = 4; x < 4 + size.width; ++x) {
                    VR_Colour c{};
                    VR_GetPixel(VR_Point{x, y}, &c);
                    cells[i].push_back(uint32_t(c.red) << 16 | c.green << 8 | c.blue);
                }
        }
        return cells[0] == cells[1];
    }
};

Setup &setup() {
    static Setup s;
    return s;
}

VR_Size cell() {
    VR_Size size{};
    VR_GetStringDimension(kText, &size);
    return size;
}

// The floor over the same cell, column by column as text writes it; the
// TextFloor row is the figure the text rows are set beside.
void floorCell(VR_Size size) {
    for (uint16_t x = 4; x < 4 + size.width; ++x)
        for (uint16_t y = 100; y < 100 + size.height; ++y)
            benchmark::DoNotOptimize(floor_set_pixel(VR_Point{x, y}, kColours[(x ^ y) & 1]));
}

void perPixel(benchmark::State &state, double pixels) {
    state.counters["ns_per_px"] = benchmark::Counter(
        pixels, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["px"] = pixels;
}

void drawText(benchmark::State &state, uint16_t fontId) {
    Setup &s = setup();
    if (!s.ok || VR_SetFont(fontId, s.tableId) != VR_OK) {
        state.SkipWithError("library, driver or fonts not ready");
        return;
    }
    const VR_Size size = cell();
    const VR_Point at{4, 100};
    VR_Status status = VR_OK;
    for (auto _ : state) {
        VR_StringParams params{kText, 0};
        status |= VR_DrawString(&at, &params);
    }
    if (status != VR_OK) state.SkipWithError("drawing failed");
    perPixel(state, double(size.width) * size.height);
}

void BM_TextPlain(benchmark::State &state) { drawText(state, setup().plainId); }
void BM_TextRunLength(benchmark::State &state) { drawText(state, setup().runLengthId); }

void BM_TextFloor(benchmark::State &state) {
    Setup &s = setup();
    if (!s.ok || VR_SetFont(s.plainId, s.tableId) != VR_OK) {
        state.SkipWithError("library, driver or fonts not ready");
        return;
    }
    const VR_Size size = cell();
    for (auto _ : state) floorCell(size);
    perPixel(state, double(size.width) * size.height);
}

BENCHMARK(BM_TextFloor);
BENCHMARK(BM_TextPlain);
BENCHMARK(BM_TextRunLength);

}  // namespace
