// GIMP images and the text box through the simulating driver (headless),
// each beside the floor of the design measured in the same run: the same
// number of pixels written by a bare loop with one out-of-line call per
// pixel (a get and a set per pixel for the blended image).
//
// Update mode 1 throughout, so no refresh enters a figure. Each benchmark
// reports ns_per_px, the time per pixel written.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "VRLib.h"
#include "bench_session.h"
#include "floor.h"

namespace {

constexpr uint16_t kWidth = 320, kHeight = 240;
const VR_Colour kNoKey{0xFF, 0xFF, 0xFF, 0xFF};

struct Session {
    bool ok = false;
    Session() { ok = benchSession(); }
};

bool ready(benchmark::State &state) {
    static const Session s;
    if (!s.ok || VR_SetUpdateMode(VR_UPDATE_MANUAL) != VR_OK)
        state.SkipWithError("library or driver not ready");
    return s.ok;
}

void perPixel(benchmark::State &state, double pixels) {
    state.counters["ns_per_px"] = benchmark::Counter(
        pixels, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["px"] = pixels;
}

uint8_t noise(uint32_t i) { return uint8_t((i * 2654435761u) >> 24); }

// ------------------------------------------------------------- run-length

// 320 x 240, 3 bytes per pixel: literal packets of 60 pixels, each followed
// by a run of 20, so a quarter of the pixels lie in runs (which cross rows).
std::vector<uint8_t> runLengthData() {
    std::vector<uint8_t> d;
    uint32_t i = 0;
    for (uint32_t placed = 0; placed < uint32_t(kWidth) * kHeight; placed += 80) {
        d.push_back(60);
        for (int k = 0; k < 60 * 3; ++k) d.push_back(noise(i++));
        d.insert(d.end(), {0x80 + 20, noise(i), noise(i + 1), noise(i + 2)});
        i += 3;
    }
    return d;
}

void BM_GimpRunLength(benchmark::State &state) {
    if (!ready(state)) return;
    static const std::vector<uint8_t> data = runLengthData();
    const VR_GIMPBitmap img{{'G', 'M'}, 0, 1, kWidth, kHeight, 3, kNoKey, {}, data.data()};
    const VR_Point at{0, 0};
    VR_Status status = VR_OK;
    for (auto _ : state) status |= VR_DrawGIMPBitmap(&at, &img);
    if (status != VR_OK) state.SkipWithError("drawing failed");
    perPixel(state, double(kWidth) * kHeight);
}

void BM_GimpRunLengthFloor(benchmark::State &state) {
    const VR_Colour c{0, 10, 20, 30};
    for (auto _ : state)
        for (uint16_t y = 0; y < kHeight; ++y)
            for (uint16_t x = 0; x < kWidth; ++x)
                benchmark::DoNotOptimize(floor_set_pixel(VR_Point{x, y}, c));
    perPixel(state, double(kWidth) * kHeight);
}

// ------------------------------------------------------------ raw + alpha

constexpr uint16_t kAlphaSide = 100, kAlphaX = 110, kAlphaY = 70;

void BM_GimpRawAlpha(benchmark::State &state) {
    if (!ready(state)) return;
    static const std::vector<uint8_t> data = [] {
        std::vector<uint8_t> d(size_t(kAlphaSide) * kAlphaSide * 4);
        for (size_t i = 0; i < d.size(); ++i) d[i] = noise(uint32_t(i));
        return d;
    }();
    const VR_GIMPBitmap img{{'G', 'M'}, 0, 0, kAlphaSide, kAlphaSide, 4, kNoKey, {}, data.data()};
    const VR_Point at{kAlphaX, kAlphaY};
    VR_Status status = VR_OK;
    for (auto _ : state) status |= VR_DrawGIMPBitmap(&at, &img);
    if (status != VR_OK) state.SkipWithError("drawing failed");
    perPixel(state, double(kAlphaSide) * kAlphaSide);
}

void BM_GimpRawAlphaFloor(benchmark::State &state) {
    for (auto _ : state)
        for (uint16_t y = kAlphaY; y < kAlphaY + kAlphaSide; ++y)
            for (uint16_t x = kAlphaX; x < kAlphaX + kAlphaSide; ++x) {
                VR_Colour c;
                floor_get_pixel(VR_Point{x, y}, &c);
                benchmark::DoNotOptimize(floor_set_pixel(VR_Point{x, y}, c));
            }
    perPixel(state, double(kAlphaSide) * kAlphaSide);
}

// --------------------------------------------------------------- text box

// A plain font of height 16 over ' ' .. '~', glyphs 4 to 8 columns wide
// with a fixed scatter of ink.
std::vector<uint8_t> boxFont() {
    constexpr uint8_t kFirst = ' ', kLast = '~', kHeightPx = 16;
    std::vector<uint8_t> f{0, 0, 0, kHeightPx, 0x01, kFirst, kLast};
    uint32_t bits = 0;
    for (int c = kFirst; c <= kLast; ++c) {
        f.push_back(uint8_t(4 + (c * 7) % 5));
        bits += f.back() * kHeightPx;
    }
    for (uint32_t b = 0; b < (bits + 7) / 8; ++b) f.push_back(noise(b) & noise(b + 7));
    f[0] = uint8_t(f.size() >> 8);
    f[1] = uint8_t(f.size());
    return f;
}

const char kBoxText[] =
    "Der Textkasten legt einen langen Text in Zeilen aus: er bricht am letzten Leerzeichen um, "
    "das noch in die Breite passt, und teilt Woerter, die allein zu breit sind. Jede Zeile wird "
    "mit der Schrift und Farbtabelle des Kastens gezeichnet; der Rahmen entsteht als Rechteck "
    "mit Muster 5, das sein Inneres unberuehrt laesst. Der Zeilenabstand waechst mit der "
    "Einstellung in Zehnteln der Schrifthoehe. Zeilen, die unten nicht mehr ganz hineinpassen, "
    "entfallen, ebenso der Rest des Textes, der hier bewusst laenger ist als zehn Zeilen, damit "
    "der Kasten wirklich bis zum unteren Rand gefuellt wird und die Messung den vollen Umfang zeigt.";

uint32_t g_boxPixels = 0;  // written by the left-aligned box, for its floor

// Box 300 x 180, border 1, font height 16, spacing 1: the pitch is 17 and
// exactly ten lines fit.
void textBox(benchmark::State &state, uint32_t alignment) {
    if (!ready(state)) return;
    static const std::vector<uint8_t> font = boxFont();
    static const VR_Colour colours[2] = {{0, 0, 0, 40}, {0, 255, 255, 255}};
    static const VR_ColourTable table{2, 0, colours};
    const uint16_t fontId = VR_RegisterFont(font.data()), tableId = VR_RegisterColourTable(&table);
    const VR_Point at{10, 30};
    const VR_TextBoxParams box{300, 180, fontId, tableId, alignment, 1, {0, 255, 0, 0}, {}, 1, kBoxText};

    // Pixels written: those the box changes on a display cleared to a colour
    // it does not use (a pixel written twice counts once).
    VR_SetBkColor(VR_Colour{0, 255, 0, 255});
    VR_ClearScreen();
    VR_Status status = VR_DrawTextBox(&at, &box);
    uint32_t pixels = 0;
    for (uint16_t y = 0; y < kHeight; ++y)
        for (uint16_t x = 0; x < kWidth; ++x) {
            VR_Colour c{};
            VR_GetPixel(VR_Point{x, y}, &c);
            pixels += !(c.red == 255 && c.green == 0 && c.blue == 255);
        }

    for (auto _ : state) status |= VR_DrawTextBox(&at, &box);
    if (status != VR_OK || fontId == 0 || tableId == 0) state.SkipWithError("drawing failed");
    if (alignment == 0) g_boxPixels = pixels;
    VR_UnregisterFont(fontId);
    VR_UnregisterColourTable(tableId);
    perPixel(state, pixels);
}

void BM_TextBoxLeft(benchmark::State &state) { textBox(state, 0); }
void BM_TextBoxJustified(benchmark::State &state) { textBox(state, 3); }

// The floor for the text box: as many pixels as the left-aligned box wrote,
// row by row over its area.
void BM_TextBoxFloor(benchmark::State &state) {
    if (g_boxPixels == 0) return state.SkipWithError("run BM_TextBoxLeft first");
    const VR_Colour c{0, 0, 0, 40};
    for (auto _ : state) {
        uint32_t left = g_boxPixels;
        for (uint16_t y = 30; left > 0; ++y)
            for (uint16_t x = 10; x < 310 && left > 0; ++x, --left)
                benchmark::DoNotOptimize(floor_set_pixel(VR_Point{x, y}, c));
    }
    perPixel(state, g_boxPixels);
}

BENCHMARK(BM_GimpRunLengthFloor);
BENCHMARK(BM_GimpRunLength);
BENCHMARK(BM_GimpRawAlphaFloor);
BENCHMARK(BM_GimpRawAlpha);
BENCHMARK(BM_TextBoxLeft);
BENCHMARK(BM_TextBoxFloor);
BENCHMARK(BM_TextBoxJustified);

}  // namespace
