// Set-up shared by the driver's own threads (key delivery, scenario
// replay): a name to find them by in a debugger, and no signals, which
// belong to the application's threads (a program that takes SIGTERM with
// sigwait must not lose it to a driver thread).
#pragma once

#include <pthread.h>
#include <signal.h>

namespace lumisim {

// Called first thing on the new thread.
inline void becomeDriverThread(const char *name) {
    pthread_setname_np(pthread_self(), name);
    sigset_t all;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, nullptr);
}

}  // namespace lumisim
