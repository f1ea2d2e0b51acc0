// Demoria on a real X server without its board picture (run by
// driver/window/tests/run_under_xvfb.sh): the driver says so on standard
// error and in a message box, and a close request still ends the program
// promptly, with status 0, taking the box with it.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

bool fail(const std::string &why) {
    std::fprintf(stderr, "missing_board_check: %s\n", why.c_str());
    return false;
}

bool boxOnScreen() { return std::system("xwininfo -name DDrv_Lumisim >/dev/null 2>&1") == 0; }

bool check(int sig) {
    // A panel size no board picture is made for, wherever the driver looks.
    const std::filesystem::path dir = "no_board";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "Lumisim.ini") << "[DisplayParams]\nXSize=321\nYSize=241\n";

    int err[2];
    if (pipe(err) != 0) return fail("no pipe");
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(err[1], 2);
        if (chdir(dir.c_str()) != 0) _exit(120);
        execl(DEMORIA_EXE, "Demoria", static_cast<char *>(nullptr));
        _exit(121);
    }
    close(err[1]);

    // The message on standard error, then the box on the screen.
    std::string errors;
    const auto until = Clock::now() + 20s;
    while (errors.find("Bild nicht gefunden") == std::string::npos && Clock::now() < until) {
        pollfd p{err[0], POLLIN, 0};
        if (poll(&p, 1, 100) <= 0) continue;
        char buf[256];
        const ssize_t n = read(err[0], buf, sizeof buf);
        if (n <= 0) break;
        errors.append(buf, size_t(n));
    }
    bool ok = errors.find("DDrv_Lumisim: Bild nicht gefunden (Board_321_241.bmp") != std::string::npos ||
              fail("no message on standard error: " + errors);
    while (ok && !boxOnScreen() && Clock::now() < until) std::this_thread::sleep_for(100ms);
    ok = ok && (boxOnScreen() || fail("no message box on the screen"));

    kill(pid, sig);
    const auto asked = Clock::now();
    int status = 0;
    pid_t done = 0;
    while ((done = waitpid(pid, &status, WNOHANG)) == 0 && Clock::now() - asked < 3s)
        std::this_thread::sleep_for(10ms);
    if (done == 0) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        ok = fail("still running 3 s after the close request");
    } else if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        ok = fail("ended with status " + std::to_string(status));
    }
    ok = ok && (!boxOnScreen() || fail("the box stays after the end"));
    close(err[0]);
    return ok;
}

}  // namespace

int main() { return check(SIGTERM) && check(SIGHUP) ? 0 : 1; }
