// Composition alone, and whole synchronous refreshes through the driver.
//   QT_QPA_PLATFORM=offscreen bin/window_bench      (no screen)
//   xvfb-run -a bin/window_bench                    (a real X server)
// Run from the folder holding Board_320_240.bmp and Lumisim.ini (bin/).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

#include "DDrv.h"
#include "compose.h"

namespace {

constexpr int kPanelW = 320, kPanelH = 240, kPixels = kPanelW * kPanelH;

void BM_Compose(benchmark::State &state) {
    std::vector<uint32_t> panel(kPixels);
    for (size_t i = 0; i < panel.size(); ++i) panel[i] = uint32_t(i * 2654435761u);
    std::vector<uint32_t> picture(400 * 380, 0xFF102030u);
    for (auto _ : state) {
        lumisim::composePanel({picture.data(), 400, 380, 400}, {panel.data(), kPanelW, kPanelH, 40, 40});
        benchmark::DoNotOptimize(picture.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kPixels);
    state.counters["ns_per_pixel"] = benchmark::Counter(
        double(kPixels), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Compose);

VR_Status noGraphic(uint32_t, const VR_Point *, const VR_Window *, void *) { return 0; }
void noKey(uint32_t, uint32_t) {}

void BM_SynchronousRefresh(benchmark::State &state) {
    if (DDrv_InitDriver(noGraphic, noKey) != 0) {
        state.SkipWithError("DDrv_InitDriver failed (run from the folder with Board_320_240.bmp)");
        return;
    }
    uint16_t n = 0;
    for (auto _ : state) {
        // A changing panel, as between the refreshes of a real program.
        DDrv_SetPixel(VR_Point{uint16_t(n % kPanelW), uint16_t(n / kPanelW % kPanelH)},
                      VR_Colour{0, uint8_t(n), uint8_t(n >> 8), 0});
        ++n;
        DDrv_RefreshDisplay();
    }
    state.counters["refreshes_per_s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    DDrv_DeInitDriver();
}
BENCHMARK(BM_SynchronousRefresh)->UseRealTime()->MinTime(2.0);

// The same at zoom 3: the panel's part of the window is painted scaled up
// nearest-neighbour, nine times the pixels.
void BM_SynchronousRefreshZoom3(benchmark::State &state) {
    setenv("LUMISIM_ZOOM", "3", 1);
    BM_SynchronousRefresh(state);
    unsetenv("LUMISIM_ZOOM");
}
BENCHMARK(BM_SynchronousRefreshZoom3)->UseRealTime()->MinTime(2.0);

}  // namespace
