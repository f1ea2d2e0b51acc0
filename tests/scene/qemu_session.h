// One run of a board image in QEMU with its monitor on a local socket:
// the image's semihosting output is read line by line, bytes go back to it
// through semihosting input, and monitor commands (screendump) run between.
#pragma once

#include <string>
#include <vector>

namespace vr::scene {

class QemuSession {
  public:
    // Starts `qemu` with the board image; the socket lives in `folder`.
    QemuSession(const std::string &qemu, const std::string &image, const std::string &folder);
    ~QemuSession();
    QemuSession(const QemuSession &) = delete;
    QemuSession &operator=(const QemuSession &) = delete;

    // Empty when the session is up; else the cause.
    const std::string &error() const { return error_; }
    // The next line of the image's output (without its line feed); false at
    // its end or after timeoutMs.
    bool readLine(std::string &line, int timeoutMs);
    // Runs a monitor command and waits for the monitor's next prompt.
    bool monitor(const std::string &command);
    // Hands the image one byte (it waits for it after "ready").
    bool proceed();
    // Waits for the emulator's end; its exit status, or -1.
    int wait(int timeoutMs);

  private:
    bool readUntil(int fd, std::string &buffer, const std::string &end, int timeoutMs);

    int pid_ = -1;
    int toImage_ = -1, fromImage_ = -1, monitor_ = -1;
    std::string output_, monitorText_, error_;
};

}  // namespace vr::scene
