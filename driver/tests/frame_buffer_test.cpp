// The frame buffer of a huge panel: it costs neither time nor memory until
// it is drawn into, and a panel too large for memory is reported.
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "ini_dir_fixture.h"

namespace {

VR_Status drawNothing(uint32_t, const VR_Point *, const VR_Window *, void *) { return VR_OK; }

// Resident memory of this process in MiB.
long residentMiB() {
    long pages = 0, resident = 0;
    if (std::FILE *f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return resident * sysconf(_SC_PAGESIZE) / (1024 * 1024);
}

using FrameBufferTest = IniDirTest;

TEST_F(FrameBufferTest, HugePanelStartsAtOnceWithoutTouchingItsPixels) {
#if defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "ThreadSanitizer's allocator clears every calloc block itself";
#endif
    writeIni("[DisplayParams]\nXSize=20000\nYSize=20000\n");  // 1.6 GB of colour words
    const long before = residentMiB();
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(DDrv_InitDriver(drawNothing, hardKey<1>), VR_OK);
    const auto took = std::chrono::steady_clock::now() - start;
    const long grown = residentMiB() - before;
    EXPECT_LT(grown, 300) << "MiB resident after the start";
    EXPECT_LT(took, std::chrono::seconds(1));

    // Every pixel is there and reads black; drawing maps only what it touches.
    VR_Colour c = colourOf(0xFFFFFFFF);
    ASSERT_EQ(DDrv_GetPixel(pt(19999, 19999), &c), VR_OK);
    EXPECT_EQ(wordOf(c), 0u);
    ASSERT_EQ(DDrv_SetPixel(pt(19999, 19999), colourOf(0x00FF0000)), VR_OK);
    ASSERT_EQ(DDrv_GetPixel(pt(19999, 19999), &c), VR_OK);
    EXPECT_EQ(wordOf(c), 0x00FF0000u);
}

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
// The sanitizers reserve terabytes of shadow memory up front, so an address
// space limit cannot be set under them.
TEST_F(FrameBufferTest, DISABLED_PanelTooLargeForMemoryIsReported) {}
#else
// In a child process with 2 GiB of address space.
[[noreturn]] void initWithLittleMemory() {
    const rlim_t limit = rlim_t(2) << 30;
    const rlimit r{limit, limit};
    setrlimit(RLIMIT_AS, &r);
    std::_Exit(DDrv_InitDriver(drawNothing, hardKey<1>) == VR_ERR_DRIVER ? 0 : 1);
}

TEST_F(FrameBufferTest, PanelTooLargeForMemoryIsReported) {
    writeIni("[DisplayParams]\nXSize=65535\nYSize=65535\n");  // 17 GB
    EXPECT_EXIT(initWithLittleMemory(), ::testing::ExitedWithCode(0), "^DDrv_Lumisim: .*65535 x 65535.*\n$");
}
#endif

}  // namespace
