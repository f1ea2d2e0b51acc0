// The 2-D primitives through the simulating driver (headless), each beside
// the floor of the design: the same pixels, in the same order, written by
// a bare loop with one out-of-line call per pixel into a separate library.
//
// Update mode 1 throughout, so that no refresh is counted; only the circle
// requests its full refresh in every mode, and that stays in its figure.
// Every benchmark reports "per_px", the time per pixel drawn.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <random>
#include <vector>

#include "VRLib.h"
#include "bench_session.h"
#include "floor.h"

namespace {

constexpr uint16_t kWidth = 320, kHeight = 240;
constexpr int kShapes = 1000;
constexpr uint16_t kRadius = 32;

// The library and the floor come up once per process, before any benchmark.
const bool g_session = benchSession() || (std::abort(), false);

void perPixel(benchmark::State &state, size_t pixelsPerIteration) {
    state.counters["per_px"] = benchmark::Counter(double(pixelsPerIteration) * double(state.iterations()),
                                                  benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The floor of a full-screen fill: rows, then columns, one call each,
// stopping at the first refusal.
VR_Status floorFill(VR_Colour c) {
    for (uint32_t y = 0; y < kHeight; ++y)
        for (uint32_t x = 0; x < kWidth; ++x)
            if (const VR_Status s = floor_set_pixel(VR_Point{uint16_t(x), uint16_t(y)}, c)) return s;
    return VR_OK;
}

// ------------------------------------------------------------------ clear

void BM_Clear(benchmark::State &state) {
    VR_SetBkColor(VR_Colour{0, 1, 2, 3});
    for (auto _ : state) benchmark::DoNotOptimize(VR_ClearScreen());
    perPixel(state, size_t(kWidth) * kHeight);
}
BENCHMARK(BM_Clear);

void BM_ClearFloor(benchmark::State &state) {
    const VR_Colour c{0, 1, 2, 3};
    for (auto _ : state) benchmark::DoNotOptimize(floorFill(c));
    perPixel(state, size_t(kWidth) * kHeight);
}
BENCHMARK(BM_ClearFloor);

// -------------------------------------------------------------- rectangle

void BM_RectPattern2(benchmark::State &state) {
    const VR_Point origin{0, 0};
    const VR_RectParams rect{kWidth, kHeight, {0, 255, 0, 0}, {0, 0, 0, 255}, {0, 255, 255, 255},
                             2,      0,       VR_FILL_CHECKER};
    for (auto _ : state) benchmark::DoNotOptimize(VR_DrawRect(&origin, &rect));
    perPixel(state, size_t(kWidth) * kHeight);
}
BENCHMARK(BM_RectPattern2);

void BM_RectFloor(benchmark::State &state) {
    const VR_Colour c{0, 0, 0, 255};
    for (auto _ : state) benchmark::DoNotOptimize(floorFill(c));
    perPixel(state, size_t(kWidth) * kHeight);
}
BENCHMARK(BM_RectFloor);

// ------------------------------------------------------------------ lines

std::vector<VR_LineParams> makeLines() {
    std::mt19937 rng(42);
    std::uniform_int_distribution<int> x(0, kWidth - 1), y(0, kHeight - 1);
    std::vector<VR_LineParams> lines;
    for (int i = 0; i < kShapes; ++i)
        lines.push_back(VR_LineParams{uint16_t(x(rng)), uint16_t(y(rng)), uint16_t(x(rng)), uint16_t(y(rng)),
                                      VR_Colour{0, 10, 20, 30}});
    return lines;
}

// Every pixel of the lines, in drawing order: a textbook Bresenham that
// only feeds the floor (its count is the lines' pixel count).
std::vector<VR_Point> linePixels(const std::vector<VR_LineParams> &lines) {
    std::vector<VR_Point> out;
    for (const VR_LineParams &l : lines) {
        int x = l.x0, y = l.y0;
        const int dx = std::abs(l.x1 - l.x0), dy = std::abs(l.y1 - l.y0);
        const int sx = l.x1 > l.x0 ? 1 : -1, sy = l.y1 > l.y0 ? 1 : -1;
        const int n = std::max(dx, dy);
        int e = dx >= dy ? 2 * dy - dx : 2 * dx - dy;
        for (int i = 0; i <= n; ++i) {
            out.push_back(VR_Point{uint16_t(x), uint16_t(y)});
            if (dx >= dy) {
                x += sx;
                if (e >= 0) y += sy, e -= 2 * dx;
                e += 2 * dy;
            } else {
                y += sy;
                if (e >= 0) x += sx, e -= 2 * dy;
                e += 2 * dx;
            }
        }
    }
    return out;
}

void BM_Lines1000(benchmark::State &state) {
    const std::vector<VR_LineParams> lines = makeLines();
    for (auto _ : state)
        for (const VR_LineParams &l : lines) benchmark::DoNotOptimize(VR_DrawLine(&l));
    perPixel(state, linePixels(lines).size());
}
BENCHMARK(BM_Lines1000);

void BM_LinesFloor(benchmark::State &state) {
    const std::vector<VR_Point> pixels = linePixels(makeLines());
    const VR_Colour c{0, 10, 20, 30};
    for (auto _ : state)
        for (const VR_Point p : pixels) benchmark::DoNotOptimize(floor_set_pixel(p, c));
    perPixel(state, pixels.size());
}
BENCHMARK(BM_LinesFloor);

// ---------------------------------------------------------------- circles

std::vector<VR_Point> makeCentres() {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> x(kRadius, kWidth - 1 - kRadius), y(kRadius, kHeight - 1 - kRadius);
    std::vector<VR_Point> centres;
    for (int i = 0; i < kShapes; ++i) centres.push_back(VR_Point{uint16_t(x(rng)), uint16_t(y(rng))});
    return centres;
}

// The outline's pixels of each circle in drawing order (all on the
// display, as every centre keeps the radius clear of the edges).
std::vector<VR_Point> circlePixels(const std::vector<VR_Point> &centres) {
    std::vector<VR_Point> out;
    auto put = [&](int x, int y) { out.push_back(VR_Point{uint16_t(x), uint16_t(y)}); };
    for (const VR_Point c : centres) {
        const int cx = c.x, cy = c.y, r = kRadius;
        put(cx, cy + r), put(cx, cy - r), put(cx + r, cy), put(cx - r, cy);
        for (int d = 3 - 2 * r, x = 0, y = r; x < y;) {
            d += d < 0 ? 4 * x + 6 : 4 * (x - y--) + 10;
            ++x;
            put(cx + x, cy + y), put(cx - x, cy + y), put(cx + x, cy - y), put(cx - x, cy - y);
            put(cx + y, cy + x), put(cx - y, cy + x), put(cx + y, cy - x), put(cx - y, cy - x);
        }
    }
    return out;
}

void BM_Circles1000(benchmark::State &state) {
    const std::vector<VR_Point> centres = makeCentres();
    const VR_CircleParams circle{kRadius, VR_Colour{0, 200, 100, 0}};
    for (auto _ : state)
        for (const VR_Point &c : centres) benchmark::DoNotOptimize(VR_DrawCircle(&c, &circle));
    perPixel(state, circlePixels(centres).size());
}
BENCHMARK(BM_Circles1000);

void BM_CirclesFloor(benchmark::State &state) {
    const std::vector<VR_Point> pixels = circlePixels(makeCentres());
    const VR_Colour c{0, 200, 100, 0};
    for (auto _ : state)
        for (const VR_Point p : pixels) benchmark::DoNotOptimize(floor_set_pixel(p, c));
    perPixel(state, pixels.size());
}
BENCHMARK(BM_CirclesFloor);

}  // namespace
