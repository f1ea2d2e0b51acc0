// Page drawing through the real library and driver: the time from a page
// request to the end of its refresh, and random rectangles per second on the
// graphics page. Runs from its own folder, where Lumisim.ini and the board
// picture lie; headless with LUMISIM_HEADLESS=1, else in the window. Wall
// time throughout: a refresh waits for the window thread.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "display.h"

namespace demoria {
namespace {

DisplayState display;

// The loops' next steps are not wanted here: each benchmark drives them.
bool discard(void *, const CtlrMessage &) { return true; }

void ShowPage(benchmark::State &st) {
    const PageRequest request{int32_t(st.range(0)), int32_t(st.range(1))};
    for (auto _ : st) showPage(display, request);
}
BENCHMARK(ShowPage)
    ->ArgNames({"group", "page"})
    ->Args({1, 1})
    ->Args({2, 1})
    ->Args({2, 2})
    ->Args({2, 3})
    ->Args({2, 4})
    ->Args({2, 5})
    ->Args({2, 6})
    ->Args({2, 7})
    ->Args({2, 8})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// One step: the count, one clipped rectangle, one refresh.
void RandomRectangles(benchmark::State &st) {
    showPage(display, PageRequest{2, 3});
    for (auto _ : st) randomRectStep(display);
    st.SetItemsProcessed(st.iterations());  // shown as rectangles per second
}
BENCHMARK(RandomRectangles)->Unit(benchmark::kMicrosecond)->UseRealTime();

void AnimationSteps(benchmark::State &st) {
    showPage(display, PageRequest{2, 6});
    for (auto _ : st) animationStep(display);
    st.SetItemsProcessed(st.iterations());
}
BENCHMARK(AnimationSteps)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
}  // namespace demoria

int main(int argc, char **argv) {
    std::error_code ec;
    std::filesystem::current_path(std::filesystem::read_symlink("/proc/self/exe", ec).parent_path(), ec);
    benchmark::Initialize(&argc, argv);
    demoria::display.self = demoria::Poster{demoria::discard, nullptr};
    demoria::startLibrary(demoria::display);
    benchmark::RunSpecifiedBenchmarks();
    VR_DeInitVRLib();
    benchmark::Shutdown();
    return 0;
}
