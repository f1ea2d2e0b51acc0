// The reference for the frame-buffer driver's figures: the same clear
// through the template driver, whose pixel function is the floor's bounds
// test and 32-bit store, so the gap to the floor is the library's own loop.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "VRLib.h"
#include "floor.h"

namespace {

constexpr uint16_t kWidth = 320, kHeight = 240;

void noKey(uint32_t, uint32_t) {}

const bool g_session =
    (VR_InitVRLib(noKey) == VR_OK && VR_SetUpdateMode(VR_UPDATE_MANUAL) == VR_OK) || (std::abort(), false);

void perPixel(benchmark::State &state) {
    state.counters["per_px"] = benchmark::Counter(double(kWidth) * kHeight * double(state.iterations()),
                                                  benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_TemplateClear(benchmark::State &state) {
    VR_SetBkColor(VR_Colour{0, 1, 2, 3});
    for (auto _ : state) benchmark::DoNotOptimize(VR_ClearScreen());
    perPixel(state);
}
BENCHMARK(BM_TemplateClear);

VR_Status floorFill(VR_Colour c) {
    for (uint32_t y = 0; y < kHeight; ++y)
        for (uint32_t x = 0; x < kWidth; ++x)
            if (const VR_Status s = floor_set_pixel(VR_Point{uint16_t(x), uint16_t(y)}, c)) return s;
    return VR_OK;
}

void BM_Floor(benchmark::State &state) {
    floor_init(kWidth, kHeight);
    for (auto _ : state) benchmark::DoNotOptimize(floorFill(VR_Colour{0, 1, 2, 3}));
    perPixel(state);
}
BENCHMARK(BM_Floor);

}  // namespace
