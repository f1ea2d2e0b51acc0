#include "process.h"

#include <chrono>
#include <thread>

#include "banner.h"
#include "console.h"

namespace demoria {

Process process;

int runDemo() {
    static char dispName[] = "DispCtlr";
    static char actName[] = "ActCtlr";

    // Before anything opens a file, so that no pipe of ours becomes stdin
    // or stdout.
    openStandardStreams();
    // Blocked before anything else and taken from the start, so that a
    // close signal during the banner ends the program in order, even when
    // the banner cannot be written.
    const bool handled = blockCloseSignals() && startCloseHandler();
    printBanner();
    if (!handled) return -1;

    if (!createPipe(process.display)) return -1;
    if (pthread_create(&process.dispCtlr, nullptr, dispCtlrMain, dispName) != 0) return -1;
    process.dispStarted = true;

    // Without the action pipe or ActCtlr the show has no pages, but the
    // library starts and the program still ends normally.
    if (createPipe(process.action))
        process.actStarted = pthread_create(&process.actCtlr, nullptr, actCtlrMain, actName) == 0;

    // DispCtlr starts the library before any page request reaches it: its
    // pipe is read in order.
    sendMessage(process.display, MSG_START);
    sendMessage(process.action, MSG_START);
    process.setUp.store(true, std::memory_order_release);

    // The process ends in the close handler.
    for (;;) std::this_thread::sleep_for(std::chrono::seconds(1));
}

}  // namespace demoria
