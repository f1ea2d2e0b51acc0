#include "child_run.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <stdexcept>

namespace drvcheck {

namespace {

void writeAll(int fd, const std::string &text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        done += size_t(n);
    }
}

[[noreturn]] void childMain(int out, const std::function<void()> &body) {
    // The verdict is written, not only the exit status, so that a driver
    // that calls exit(0) itself is not taken for a pass.
    int status = 0;
    try {
        body();
        writeAll(out, "P");
    } catch (const std::exception &e) {
        writeAll(out, std::string("F") + e.what());
        status = 1;
    } catch (...) {
        writeAll(out, "Fthe driver threw an exception");
        status = 1;
    }
    // _exit: no exit handlers of the driver or of a window system it started.
    _exit(status);
}

// Reads what the child reports until it closes the pipe or the time is up.
bool readUntilClosed(int in, std::string &text, double timeoutSeconds) {
    using clock = std::chrono::steady_clock;
    const auto deadline = clock::now() + std::chrono::duration<double>(timeoutSeconds);
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - clock::now()).count();
        if (left <= 0) return false;
        pollfd p{in, POLLIN, 0};
        const int ready = poll(&p, 1, int(left));
        if (ready < 0 && errno == EINTR) continue;
        // Time up, or the pipe cannot be watched: the child is killed.
        if (ready <= 0) return false;
        char buffer[512];
        const ssize_t n = read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return true;
        text.append(buffer, size_t(n));
    }
}

}  // namespace

Outcome runInChild(const std::function<void()> &body, double timeoutSeconds) {
    int fds[2];
    if (pipe(fds) != 0)
        throw std::runtime_error(std::string("cannot create a pipe: ") + std::strerror(errno));
    // Nothing buffered may be written twice by the child.
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t pid = fork();
    if (pid < 0) {
        close(fds[0]);
        close(fds[1]);
        throw std::runtime_error(std::string("cannot start a child process: ") + std::strerror(errno));
    }
    if (pid == 0) {
        close(fds[0]);
        childMain(fds[1], body);
    }
    close(fds[1]);
    std::string text;
    const bool ended = readUntilClosed(fds[0], text, timeoutSeconds);
    close(fds[0]);
    if (!ended) kill(pid, SIGKILL);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }

    char limit[32];
    std::snprintf(limit, sizeof limit, "%g", timeoutSeconds);
    if (!ended) return {false, std::string("no answer within ") + limit + " s (the driver hangs; killed)"};
    if (WIFSIGNALED(status)) {
        const int sig = WTERMSIG(status);
        return {false,
                std::string("crashed with signal ") + std::to_string(sig) + " (" + strsignal(sig) + ")"};
    }
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (code == 0 && text == "P") return {true, {}};
    if (code == 1 && text.size() > 1 && text[0] == 'F') return {false, text.substr(1)};
    return {false, "the driver ended the process with status " + std::to_string(code)};
}

}  // namespace drvcheck
