#include "console.h"

#include <fcntl.h>
#include <limits.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>

namespace demoria {

namespace {

std::atomic<bool> g_abandoned{false};

// How long a waiting write sleeps before it looks at g_abandoned again.
constexpr int kPollMs = 50;

}  // namespace

void openStandardStreams() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        const int opened = open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        // open takes the lowest free descriptor, which is fd itself unless
        // a lower one is closed as well; it has been opened by now.
        if (opened > fd) {
            dup2(opened, fd);
            close(opened);
        }
    }
}

bool writeConsole(std::string_view text) {
    while (!text.empty()) {
        if (g_abandoned.load(std::memory_order_acquire)) return false;
        // A write waits only after poll has said there is room, so it is
        // never stuck where a close request cannot reach it: a pipe with
        // room takes up to PIPE_BUF bytes without blocking.
        pollfd out{STDOUT_FILENO, POLLOUT, 0};
        const int ready = poll(&out, 1, kPollMs);
        if (ready < 0 && errno != EINTR) return false;
        if (ready <= 0) continue;
        // POLLERR: a pipe whose reader has gone; writing would raise SIGPIPE.
        if (out.revents & (POLLERR | POLLNVAL)) return false;
        const ssize_t n = write(STDOUT_FILENO, text.data(), std::min(text.size(), size_t(PIPE_BUF)));
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n <= 0) return false;
        text.remove_prefix(size_t(n));
    }
    return true;
}

void abandonConsole() { g_abandoned.store(true, std::memory_order_release); }

}  // namespace demoria
