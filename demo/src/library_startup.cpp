#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

#include "assets.h"
#include "colour_tables.h"
#include "console.h"
#include "display.h"

namespace demoria {

namespace {

// The simulating driver never reports keys; the demo has no use for them.
void ignoreHardKey(uint32_t, uint32_t) {}

// Where DispCtlr's library start stands, as the close handler sees it.
enum StartPhase : uint32_t {
    kIdle,        // no start under way
    kStarting,    // DispCtlr is inside VR_InitVRLib
    kCancelling,  // the close handler is making that start give up
    kCancelled,   // it has; DispCtlr goes on without a display
    kClosing,     // the program is ending: no start any more
};
std::atomic<uint32_t> g_phase{kIdle};
std::atomic<bool> g_initReturned{false};

// How long the close handler lets a start run before it makes it give up:
// a driver that comes up at once never sees a call from that thread.
constexpr auto kCancelAfter = std::chrono::milliseconds(500);
// How often it then repeats its shutdown while the start has not returned.
constexpr auto kCancelRepeat = std::chrono::milliseconds(20);

// VR_InitVRLib, unless the program is already ending; false then.
bool initLibrary() {
    g_initReturned.store(false);
    uint32_t phase = kIdle;
    if (!g_phase.compare_exchange_strong(phase, kStarting)) return false;
    VR_InitVRLib(ignoreHardKey);
    g_initReturned.store(true);
    phase = kStarting;
    if (!g_phase.compare_exchange_strong(phase, kIdle)) {
        // The close handler is still calling into the library: wait for it.
        while (g_phase.load() != kCancelled) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        g_phase.store(kIdle);
    }
    return true;
}

// In registration order: the library hands out ids 1 to 10 in this order.
const VR_Font *const kFonts[10] = {Demoria_Font1, Demoria_Font2, Demoria_Font3, Demoria_Font4,
                                   Demoria_Font5, Demoria_Font6, Demoria_Font7, Demoria_Font8,
                                   Demoria_Font9, Demoria_Font10};

}  // namespace

void cancelLibraryStart() {
    uint32_t phase = kIdle;
    if (g_phase.compare_exchange_strong(phase, kClosing)) return;
    const auto giveUpAt = std::chrono::steady_clock::now() + kCancelAfter;
    while (phase == kStarting && !g_initReturned.load() && std::chrono::steady_clock::now() < giveUpAt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        phase = g_phase.load();
    }
    if (phase != kStarting || g_initReturned.load()) return;
    if (!g_phase.compare_exchange_strong(phase, kCancelling)) return;
    // The one library call made off DispCtlr: a driver shutdown while the
    // start waits for its window makes that start give up (with 258, its
    // message box closed). Repeated, as the start may not have reached the
    // driver yet; DispCtlr makes no other call until kCancelled.
    while (!g_initReturned.load()) {
        VR_DeInitVRLib();
        std::this_thread::sleep_for(kCancelRepeat);
    }
    g_phase.store(kCancelled);
}

void startLibrary(DisplayState &s) {
    s.currentGroup = 0;
    // Statuses are not looked at: without a driver the show draws nothing
    // but runs and ends normally.
    if (!initLibrary()) return;
    uint16_t firstFont = 0;
    for (const VR_Font *font : kFonts) {
        uint16_t id = VR_RegisterFont(font);
        if (font == kFonts[0]) firstFont = id;
    }
    VR_RegisterColourTable(&kWhiteOnBlack);
    VR_RegisterColourTable(&kBlackOnWhite);

    VR_Version library = {}, driver = {};
    VR_GetVersions(&library, &driver);
    char versions[80];
    std::snprintf(versions, sizeof versions,
                  "Vantrel-Version: V%02i.%02i.%02i\nTreiber-Version:    V%02i.%02i.%02i\n", library.major,
                  library.minor, library.patch, driver.major, driver.minor, driver.patch);
    writeConsole(versions);

    VR_SetFont(firstFont, 1);
    VR_ClearScreen();
}

}  // namespace demoria
