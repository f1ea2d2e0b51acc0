#include "qemu_session.h"

#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

namespace vr::scene {
namespace {

using Clock = std::chrono::steady_clock;

int msLeft(Clock::time_point end) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
    return left > 0 ? int(left) : 0;
}

}  // namespace

QemuSession::QemuSession(const std::string &qemu, const std::string &image, const std::string &folder) {
    const std::string socketPath = folder + "/monitor.sock";
    ::unlink(socketPath.c_str());
    int in[2], out[2];
    if (::pipe(in) != 0 || ::pipe(out) != 0) {
        error_ = std::string("pipe: ") + std::strerror(errno);
        return;
    }
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(in[0], 0);
        ::dup2(out[1], 1);
        ::close(in[1]);
        ::close(out[0]);
        const std::string monitorArg = "unix:" + socketPath + ",server=on,wait=off";
        std::vector<std::string> args{qemu,
                                      "-M",
                                      "lm3s6965evb",
                                      "-display",
                                      "none",
                                      "-serial",
                                      "null",
                                      "-monitor",
                                      monitorArg,
                                      "-chardev",
                                      "stdio,id=semihosting,signal=off",
                                      "-semihosting-config",
                                      "enable=on,target=native,chardev=semihosting",
                                      "-kernel",
                                      image};
        std::vector<char *> argv;
        for (std::string &a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execvp(argv[0], argv.data());
        std::fprintf(stderr, "vr_scene_tool: cannot start %s: %s\n", qemu.c_str(), std::strerror(errno));
        ::_exit(127);
    }
    ::close(in[0]);
    ::close(out[1]);
    toImage_ = in[1];
    fromImage_ = out[0];
    if (pid_ < 0) {
        error_ = std::string("fork: ") + std::strerror(errno);
        return;
    }

    // The emulator creates the socket as it starts.
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strncpy(addr.sun_path, socketPath.c_str(), sizeof addr.sun_path - 1);
    const auto end = Clock::now() + std::chrono::seconds(10);
    while (monitor_ < 0 && Clock::now() < end) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (::connect(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) == 0) {
            monitor_ = fd;
        } else {
            ::close(fd);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    if (monitor_ < 0) {
        error_ = "no monitor at " + socketPath + " within 10 s";
        return;
    }
    if (!readUntil(monitor_, monitorText_, "(qemu) ", 10000)) error_ = "the monitor gave no prompt";
}

QemuSession::~QemuSession() {
    // An emulator still running here was abandoned after a failure.
    if (pid_ > 0 && wait(0) < 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    for (int fd : {toImage_, fromImage_, monitor_})
        if (fd >= 0) ::close(fd);
}

bool QemuSession::readUntil(int fd, std::string &buffer, const std::string &end, int timeoutMs) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (buffer.find(end) != std::string::npos) return true;
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, msLeft(deadline)) <= 0) return false;
        char chunk[4096];
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n <= 0) return false;
        buffer.append(chunk, size_t(n));
    }
}

bool QemuSession::readLine(std::string &line, int timeoutMs) {
    if (!readUntil(fromImage_, output_, "\n", timeoutMs)) return false;
    const size_t at = output_.find('\n');
    line = output_.substr(0, at);
    output_.erase(0, at + 1);
    return true;
}

bool QemuSession::monitor(const std::string &command) {
    monitorText_.clear();
    const std::string text = command + "\n";
    if (::write(monitor_, text.data(), text.size()) != ssize_t(text.size())) return false;
    // The command's echo ends its line; the next prompt ends its answer.
    return readUntil(monitor_, monitorText_, "\n", 10000) &&
           readUntil(monitor_, monitorText_, "(qemu) ", 10000);
}

bool QemuSession::proceed() { return ::write(toImage_, "\n", 1) == 1; }

int QemuSession::wait(int timeoutMs) {
    const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        int status = 0;
        const pid_t r = ::waitpid(pid_, &status, WNOHANG);
        if (r == pid_) {
            pid_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        if (r < 0 || Clock::now() >= end) return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

}  // namespace vr::scene
