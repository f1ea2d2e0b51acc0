// Demoria end to end, headless: started from its build folder (board
// picture and Lumisim.ini beside it), watched through its stdout, its
// signals, its exit status and, where the driver dumps frames, its display.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <png.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "version_fields.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

const std::string kBanner =
    "Demoria-Version: V01.00.02\n"
    "\n"
    "Mit dieser Demoapplikation sollen die Faehigkeiten\n"
    "der Grafikbibliothek Vantrel dargestellt werden!\n"
    "\n"
    "Das Demo laeuft in einer Endlosschleife und kann\n"
    "durch schliessen des Konsolenfensters beendet werden!\n"
    "\n"
    "\n"
    "\n";
const std::string kVersions = "Vantrel-Version: V" + demoria::test::kLibraryFields +
                              "\nTreiber-Version:    V" + demoria::test::kDriverFields + "\n";

// What the program gets as its standard streams.
enum class Stdio {
    Pipe,       // stdout a pipe the test reads, stderr a file
    Closed,     // stdin and stdout closed, stderr a file
    AllClosed,  // all three closed
    Unread,     // stdout a pipe filled to the brim that nobody reads
};

// Fills a pipe until it takes no more.
void fillPipe(int writeEnd) {
    const int flags = fcntl(writeEnd, F_GETFL);
    fcntl(writeEnd, F_SETFL, flags | O_NONBLOCK);
    const std::string block(4096, 'x');
    while (write(writeEnd, block.data(), block.size()) > 0) {
    }
    while (write(writeEnd, "x", 1) > 0) {
    }
    fcntl(writeEnd, F_SETFL, flags);
}

// One run of the program with its stdout on a pipe and its stderr (where
// the sanitizers report) in a file.
class Demo {
  public:
    // `env` entries "NAME=value" are added, "NAME" alone is removed.
    explicit Demo(std::vector<std::string> env = {}, rlim_t fileLimit = 0, Stdio stdio = Stdio::Pipe) {
        errPath_ = fs::temp_directory_path() / ("demoria_e2e_err_" + std::to_string(getpid()) + ".txt");
        int out[2];
        if (pipe2(out, O_CLOEXEC) != 0) return;
        if (stdio == Stdio::Unread) fillPipe(out[1]);
        started_ = Clock::now();
        pid_ = fork();
        if (pid_ == 0) {
            dup2(out[1], 1);
            int err = open(errPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (err >= 0) dup2(err, 2);
            if (stdio == Stdio::Closed || stdio == Stdio::AllClosed) {
                close(0);
                close(1);
            }
            if (stdio == Stdio::AllClosed) close(2);
            fs::path exe = DEMORIA_EXE;
            if (chdir(exe.parent_path().c_str()) != 0) _exit(120);
            setenv("LUMISIM_HEADLESS", "1", 1);
            // ThreadSanitizer waits a second at exit by default, which would
            // hide how fast the program ends.
            std::string tsan = getenv("TSAN_OPTIONS") ? getenv("TSAN_OPTIONS") : "";
            setenv("TSAN_OPTIONS", (tsan + (tsan.empty() ? "" : ":") + "atexit_sleep_ms=0").c_str(), 1);
            for (const std::string &e : env)
                if (e.find('=') == std::string::npos)
                    unsetenv(e.c_str());
                else
                    putenv(const_cast<char *>(e.c_str()));
            // Only stdin, stdout and stderr go along: descriptors the test
            // runner left open would count against the file limit below.
            close_range(3, ~0u, 0);
            if (fileLimit) {
                rlimit r{fileLimit, fileLimit};
                setrlimit(RLIMIT_NOFILE, &r);
            }
            execl(DEMORIA_EXE, "Demoria", static_cast<char *>(nullptr));
            _exit(121);
        }
        close(out[1]);
        out_ = out[0];
    }
    ~Demo() {
        if (pid_ > 0 && !exited_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (out_ >= 0) close(out_);
        std::error_code ec;
        fs::remove(errPath_, ec);
    }

    // Collects stdout until it holds `text` or the time is up.
    bool waitForOutput(const std::string &text, std::chrono::milliseconds limit) {
        auto end = Clock::now() + limit;
        while (output_.find(text) == std::string::npos) {
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
            if (left <= 0) return false;
            pollfd p{out_, POLLIN, 0};
            if (poll(&p, 1, int(left)) <= 0) continue;
            char buf[512];
            ssize_t n = read(out_, buf, sizeof buf);
            if (n <= 0) return output_.find(text) != std::string::npos;
            output_.append(buf, size_t(n));
        }
        return true;
    }

    // Waits for the end of the process; -1 while it still runs at the limit.
    int waitForExit(std::chrono::milliseconds limit) {
        auto end = Clock::now() + limit;
        do {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                exited_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(5ms);
        } while (Clock::now() < end);
        return -1;
    }

    bool running() {
        int status;
        return waitpid(pid_, &status, WNOHANG) == 0;
    }
    void signal(int sig) { kill(pid_, sig); }
    const std::string &output() const { return output_; }
    std::string errors() const {
        std::ifstream in(errPath_);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    Clock::duration age() const { return Clock::now() - started_; }

  private:
    pid_t pid_ = -1;
    int out_ = -1;
    bool exited_ = false;
    std::string output_;
    fs::path errPath_;
    Clock::time_point started_;
};

TEST(DemoriaEndToEnd, PrintsBannerThenVersionsByteForByteAndEndsOnTerm) {
    Demo demo;
    ASSERT_TRUE(demo.waitForOutput(kVersions, 10s)) << demo.output() << demo.errors();
    EXPECT_EQ(demo.output(), kBanner + kVersions);
    demo.signal(SIGTERM);
    EXPECT_EQ(demo.waitForExit(1s), 0) << demo.errors();
}

TEST(DemoriaEndToEnd, InterruptAndQuitAreIgnoredAndHangUpEndsWithStatusZero) {
    Demo demo;
    ASSERT_TRUE(demo.waitForOutput(kVersions, 10s)) << demo.errors();
    demo.signal(SIGINT);
    demo.signal(SIGQUIT);
    std::this_thread::sleep_for(700ms);
    EXPECT_TRUE(demo.running()) << "Ctrl+C and Ctrl+\\ must not end the show";
    demo.signal(SIGHUP);
    EXPECT_EQ(demo.waitForExit(1s), 0) << demo.errors();
}

TEST(DemoriaEndToEnd, CloseRightAfterStartStillShutsDownInOrder) {
    Demo demo;
    ASSERT_TRUE(demo.waitForOutput("Demoria-Version", 5s));
    demo.signal(SIGTERM);  // stops queue behind the start messages
    EXPECT_EQ(demo.waitForExit(3s), 0) << demo.errors();
}

TEST(DemoriaEndToEnd, ClosedStandardStreamsAreNoHarm) {
    for (const Stdio stdio : {Stdio::Closed, Stdio::AllClosed}) {
        SCOPED_TRACE(stdio == Stdio::Closed ? "stdin and stdout closed" : "all three closed");
        Demo demo({}, 0, stdio);
        // Long enough for the first page and its progress messages.
        std::this_thread::sleep_for(2500ms);
        ASSERT_TRUE(demo.running()) << demo.errors();
        demo.signal(SIGTERM);
        EXPECT_EQ(demo.waitForExit(3s), 0) << demo.errors();
    }
}

TEST(DemoriaEndToEnd, StdoutThatTakesNothingDoesNotStopTheEnd) {
    for (const int sig : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(strsignal(sig));
        Demo demo({}, 0, Stdio::Unread);
        std::this_thread::sleep_for(1s);  // stuck in the banner by now
        ASSERT_TRUE(demo.running()) << demo.errors();
        demo.signal(sig);
        EXPECT_EQ(demo.waitForExit(3s), 0) << demo.errors();
    }
}

TEST(DemoriaEndToEnd, SetUpFailureExitsWithMinusOne) {
    // Room for loading the libraries one by one, none for a pipe.
    Demo demo({}, 4);
    EXPECT_EQ(demo.waitForExit(10s), 255) << demo.errors();
    demo.waitForOutput("\n\n\n\n", 1s);
    EXPECT_EQ(demo.output(), kBanner) << "the banner comes before the set-up";
}

// A long run: under AddressSanitizer a leak, under ThreadSanitizer a race
// turns the exit status non-zero and writes a report to stderr.
TEST(DemoriaEndToEnd, RunsTwentySecondsThroughTitleAndFeaturePagesCleanly) {
    Demo demo;
    ASSERT_TRUE(demo.waitForOutput(kVersions, 10s)) << demo.errors();
    std::this_thread::sleep_for(21s);
    ASSERT_TRUE(demo.running()) << demo.errors();
    demo.signal(SIGTERM);
    EXPECT_EQ(demo.waitForExit(1s), 0) << demo.errors();
    EXPECT_EQ(demo.errors(), "");
}

// ------------------------------------------------------------ frame dumps

struct Png {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
    const uint8_t *at(int x, int y) const { return &rgb[(size_t(y) * width + x) * 3]; }
};

bool readPng(const fs::path &path, Png &out) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_RGB;
    out.rgb.resize(PNG_IMAGE_SIZE(image));
    out.width = int(image.width);
    out.height = int(image.height);
    bool ok = png_image_finish_read(&image, nullptr, out.rgb.data(), 0, nullptr);
    png_image_free(&image);
    return ok;
}

bool near(const uint8_t *px, int r, int g, int b) {
    return std::abs(px[0] - r) <= 8 && std::abs(px[1] - g) <= 8 && std::abs(px[2] - b) <= 8;
}

// Where the panel lies in a dumped picture: at 0, 0 in a bare panel, else
// where Lumisim.ini puts it in the board picture.
struct PanelOrigin {
    int x = 0, y = 0;
};

PanelOrigin boardOrigin() {
    PanelOrigin o;
    std::ifstream ini(fs::path(DEMORIA_EXE).parent_path() / "Lumisim.ini");
    std::string line;
    while (std::getline(ini, line)) {
        if (line.rfind("XPosDisplay=", 0) == 0) o.x = std::atoi(line.c_str() + 12);
        if (line.rfind("YPosDisplay=", 0) == 0) o.y = std::atoi(line.c_str() + 12);
    }
    return o;
}

// The title page: white paper, and the bar's frame at (10, 210) in its
// purple; with the bar still empty its inside is the white background.
bool isTitlePage(const Png &p) {
    PanelOrigin o = p.width == 320 && p.height == 240 ? PanelOrigin{} : boardOrigin();
    if (p.width < o.x + 320 || p.height < o.y + 240) return false;
    auto at = [&](int x, int y) { return p.at(o.x + x, o.y + y); };
    return near(at(0, 0), 255, 255, 255) && near(at(319, 239), 255, 255, 255) &&
           near(at(10, 210), 143, 48, 120) && near(at(309, 219), 143, 48, 120) &&
           near(at(150, 215), 255, 255, 255);
}

TEST(DemoriaEndToEnd, TitlePageAppearsAfterAboutFourTenthsOfASecond) {
    fs::path folder = fs::temp_directory_path() / ("demoria_dump_" + std::to_string(getpid()));
    fs::remove_all(folder);
    // The window side on Qt's offscreen platform: no display needed, and it
    // dumps the board picture of every refresh.
    Demo demo({"LUMISIM_HEADLESS", "QT_QPA_PLATFORM=offscreen", "LUMISIM_DUMP=" + folder.string()});
    ASSERT_TRUE(demo.waitForOutput(kVersions, 10s)) << demo.errors();

    // Frames are numbered in refresh order; look at each as it comes.
    Clock::duration seenAfter{};
    std::vector<fs::path> checked;
    bool seen = false;
    while (!seen && demo.age() < 5s) {
        std::vector<fs::path> frames;
        std::error_code ec;
        for (const auto &e : fs::directory_iterator(folder, ec)) frames.push_back(e.path());
        std::sort(frames.begin(), frames.end());
        for (const fs::path &f : frames) {
            if (std::find(checked.begin(), checked.end(), f) != checked.end()) continue;
            Png png;
            if (!readPng(f, png)) break;  // still being written: look again
            checked.push_back(f);
            if (isTitlePage(png)) {
                seen = true;
                seenAfter = demo.age();
                break;
            }
        }
        std::this_thread::sleep_for(10ms);
    }
    demo.signal(SIGTERM);
    EXPECT_EQ(demo.waitForExit(2s), 0) << demo.errors();
    fs::remove_all(folder);

    if (checked.empty()) GTEST_SKIP() << "this driver build writes no frame dumps (LUMISIM_DUMP)";
    ASSERT_TRUE(seen) << checked.size() << " frames, none of them the title page";
    // Tick 2 of the 200 ms timer, plus the start-up.
    double seconds = std::chrono::duration<double>(seenAfter).count();
    std::printf("title page after %.2f s, in frame %zu\n", seconds, checked.size());
    EXPECT_GE(seconds, 0.38);
    EXPECT_LE(seconds, 1.5);
}

}  // namespace
