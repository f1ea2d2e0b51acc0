// The console's close event on Linux: SIGHUP (terminal closed) and SIGTERM
// end the show in order; SIGINT and SIGQUIT are taken and ignored. Signals
// are blocked everywhere and taken by sigwait on a thread of their own, so
// nothing runs in an asynchronous signal handler.
#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "console.h"
#include "display.h"
#include "process.h"

namespace demoria {

namespace {

sigset_t handledSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGHUP);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGQUIT);
    return set;
}

[[noreturn]] void closeDemo() {
    // Nothing may keep the ordered end waiting: not a console that takes
    // no output (main may be inside the banner, DispCtlr inside the version
    // lines), not a window start held up by the driver's message box.
    abandonConsole();
    while (!process.setUp.load(std::memory_order_acquire))
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    sendMessage(process.display, MSG_STOP);
    sendMessage(process.action, MSG_STOP);
    cancelLibraryStart();
    if (process.dispStarted) pthread_join(process.dispCtlr, nullptr);  // VR_DeInitVRLib done
    if (process.actStarted) pthread_join(process.actCtlr, nullptr);    // TimeCtlr joined
    // Nobody writes the pipes any more: free the payloads still queued
    // behind the stop messages.
    drainPipe(process.display);
    drainPipe(process.action);
    std::exit(0);
}

void *signalThreadMain(void *) {
    const sigset_t set = handledSignals();
    for (;;) {
        int sig = 0;
        if (sigwait(&set, &sig) != 0) continue;
        if (sig == SIGHUP || sig == SIGTERM) closeDemo();
        // SIGINT, SIGQUIT: handled, the show goes on.
    }
}

}  // namespace

bool blockCloseSignals() {
    const sigset_t set = handledSignals();
    return pthread_sigmask(SIG_BLOCK, &set, nullptr) == 0;
}

bool startCloseHandler() {
    pthread_t thread;
    static char name[] = "CloseHandler";
    if (pthread_create(&thread, nullptr, signalThreadMain, name) != 0) return false;
    pthread_detach(thread);
    return true;
}

}  // namespace demoria
