// Blocking waits on a 32-bit atomic through the futex system call.
// std::atomic::wait would do the same, but its out-of-line helpers leave
// the shared library as exported symbols; the driver exports exactly its
// 19 functions.
#pragma once

#include <linux/futex.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <climits>
#include <cstdint>

namespace lumisim {

static_assert(sizeof(std::atomic<uint32_t>) == sizeof(uint32_t) &&
              std::atomic<uint32_t>::is_always_lock_free);

// Sleeps while word still holds old (may return early; callers re-check).
inline void futexWait(std::atomic<uint32_t> &word, uint32_t old) {
    syscall(SYS_futex, reinterpret_cast<uint32_t *>(&word), FUTEX_WAIT_PRIVATE, old, nullptr, nullptr, 0);
}

inline void futexWakeAll(std::atomic<uint32_t> &word) {
    syscall(SYS_futex, reinterpret_cast<uint32_t *>(&word), FUTEX_WAKE_PRIVATE, INT_MAX, nullptr, nullptr, 0);
}

// Returns the first value of word that differs from old (acquire).
inline uint32_t waitWhileEqual(std::atomic<uint32_t> &word, uint32_t old) {
    uint32_t now;
    while ((now = word.load(std::memory_order_acquire)) == old) futexWait(word, old);
    return now;
}

}  // namespace lumisim
