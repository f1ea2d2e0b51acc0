// The desktop side of the board tests.
//
//   vr_scene_tool checksum                 draws the scene, prints its checksum
//   vr_scene_tool header <out.h>           the same checksum as a C header for the board image
//   vr_scene_tool oled <qemu> <image> <folder>
//       runs the SSD0323 board image in the emulator, takes a screendump
//       after its full and after its partial refresh, and compares each,
//       pixel for pixel, with the golden picture drawn here: the scene
//       through the panel's grey mapping, magnified as the emulator shows it.
//       Then it presses the board's up and select keys, which the image
//       checks arrive at its hard-key callback. Leaves full.ppm, partial.ppm
//       and the golden_*.ppm in the folder.
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>

#include "memory_driver.h"
#include "ppm.h"
#include "qemu_session.h"
#include "scene.h"

namespace {

using namespace vr::scene;
namespace mem = vr::memdrv;

// The emulated display draws each panel pixel as a 4 x 4 block.
constexpr int kMagnify = 4;

void ignoreKey(uint32_t, uint32_t) {}

bool drawScene(mem::Mode mode) {
    mem::setMode(mode);
    if (VR_InitVRLib(ignoreKey) != VR_OK) {
        std::fprintf(stderr, "vr_scene_tool: VR_InitVRLib failed on the memory driver\n");
        return false;
    }
    const char *failed = "";
    if (VR_Status s = draw(&failed); s != VR_OK) {
        std::fprintf(stderr, "vr_scene_tool: the scene's step \"%s\" returned %u\n", failed, unsigned(s));
        return false;
    }
    return true;
}

Picture magnified() {
    Picture p;
    p.width = mem::kWidth * kMagnify;
    p.height = mem::kHeight * kMagnify;
    p.rgb.resize(size_t(p.width) * p.height * 3);
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            const VR_Colour c = mem::frame()[(y / kMagnify) * mem::kWidth + x / kMagnify];
            uint8_t *px = &p.rgb[(size_t(y) * p.width + x) * 3];
            px[0] = c.red;
            px[1] = c.green;
            px[2] = c.blue;
        }
    return p;
}

// The refreshed area widened to whole bytes of the controller's RAM (two
// pixels each), in emulator pixels.
bool inRefreshed(int x, int y) {
    const int x0 = kRefreshArea.x / 2 * 2, x1 = (kRefreshArea.x + kRefreshArea.width + 1) / 2 * 2;
    const int px = x / kMagnify, py = y / kMagnify;
    return px >= x0 && px < x1 && py >= kRefreshArea.y && py < kRefreshArea.y + kRefreshArea.height;
}

// Waits until the emulator has written the whole picture.
bool dumpComplete(const std::string &path, const Picture &like, int timeoutMs) {
    const size_t header =
        ("P6\n" + std::to_string(like.width) + " " + std::to_string(like.height) + "\n255\n").size();
    for (int waited = 0; waited <= timeoutMs; waited += 20) {
        std::ifstream f(path, std::ios::binary | std::ios::ate);
        if (f && size_t(f.tellg()) >= header + like.rgb.size()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

bool compare(const std::string &dumpPath, const Picture &golden) {
    Picture dump;
    std::string error;
    if (!readPpm(dumpPath, dump, &error)) {
        std::fprintf(stderr, "vr_scene_tool: %s\n", error.c_str());
        return false;
    }
    if (dump.width != golden.width || dump.height != golden.height) {
        std::fprintf(stderr, "vr_scene_tool: %s is %d x %d, the golden picture %d x %d\n", dumpPath.c_str(),
                     dump.width, dump.height, golden.width, golden.height);
        return false;
    }
    long differ = 0;
    int firstX = -1, firstY = -1;
    for (int y = 0; y < dump.height; ++y)
        for (int x = 0; x < dump.width; ++x) {
            const size_t i = (size_t(y) * dump.width + x) * 3;
            if (std::equal(&dump.rgb[i], &dump.rgb[i] + 3, &golden.rgb[i])) continue;
            if (differ++ == 0) firstX = x, firstY = y;
        }
    if (differ) {
        const size_t i = (size_t(firstY) * dump.width + firstX) * 3;
        std::fprintf(stderr,
                     "vr_scene_tool: %s differs from the golden picture in %ld pixels, first at (%d, %d): "
                     "%u %u %u instead of %u %u %u\n",
                     dumpPath.c_str(), differ, firstX, firstY, dump.rgb[i], dump.rgb[i + 1], dump.rgb[i + 2],
                     golden.rgb[i], golden.rgb[i + 1], golden.rgb[i + 2]);
        return false;
    }
    std::printf("%s equals the golden picture (%d x %d)\n", dumpPath.c_str(), dump.width, dump.height);
    return true;
}

// Reads the image's output up to "ready <what>", echoing it.
bool awaitReady(QemuSession &qemu, const std::string &what) {
    std::string line;
    while (qemu.readLine(line, 20000)) {
        std::printf("board: %s\n", line.c_str());
        if (line == "ready " + what) return true;
    }
    std::fprintf(stderr, "vr_scene_tool: the board image never said \"ready %s\"\n", what.c_str());
    return false;
}

bool screendump(QemuSession &qemu, const std::string &path, const Picture &like) {
    ::unlink(path.c_str());
    if (!qemu.monitor("screendump " + path) || !dumpComplete(path, like, 5000)) {
        std::fprintf(stderr, "vr_scene_tool: screendump to %s failed\n", path.c_str());
        return false;
    }
    return true;
}

int oled(const std::string &qemuPath, const std::string &image, const std::string &folder) {
    // The goldens: the scene in grey, then the change inside the refreshed area only.
    if (!drawScene(mem::Mode::Grey)) return 1;
    const Picture goldenFull = magnified();
    if (drawChange() != VR_OK) {
        std::fprintf(stderr, "vr_scene_tool: the change could not be drawn\n");
        return 1;
    }
    const Picture changed = magnified();
    Picture goldenPartial = goldenFull;
    for (int y = 0; y < goldenPartial.height; ++y)
        for (int x = 0; x < goldenPartial.width; ++x)
            if (inRefreshed(x, y))
                for (int k = 0; k < 3; ++k) {
                    const size_t i = (size_t(y) * goldenPartial.width + x) * 3 + k;
                    goldenPartial.rgb[i] = changed.rgb[i];
                }
    writePpm(folder + "/golden_full.ppm", goldenFull);
    writePpm(folder + "/golden_partial.ppm", goldenPartial);

    QemuSession qemu(qemuPath, image, folder);
    if (!qemu.error().empty()) {
        std::fprintf(stderr, "vr_scene_tool: %s\n", qemu.error().c_str());
        return 1;
    }
    bool ok = awaitReady(qemu, "full") && screendump(qemu, folder + "/full.ppm", goldenFull);
    ok = ok && qemu.proceed() && awaitReady(qemu, "partial") &&
         screendump(qemu, folder + "/partial.ppm", goldenPartial) && qemu.proceed();
    // The board's gamepad: each sendkey presses and, 100 ms later, releases.
    ok = ok && awaitReady(qemu, "keys") && qemu.monitor("sendkey up") && qemu.monitor("sendkey ctrl");
    if (!ok) return 1;
    std::string line;
    while (qemu.readLine(line, 5000)) std::printf("board: %s\n", line.c_str());
    const int status = qemu.wait(10000);
    if (status != 0) {
        std::fprintf(stderr, "vr_scene_tool: the board image ended with status %d\n", status);
        return 1;
    }
    const bool full = compare(folder + "/full.ppm", goldenFull);
    const bool partial = compare(folder + "/partial.ppm", goldenPartial);
    return full && partial ? 0 : 1;
}

}  // namespace

int main(int argc, char **argv) {
    // An emulator that dies early closes its input; say so rather than die.
    ::signal(SIGPIPE, SIG_IGN);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "checksum" && argc == 2) {
        if (!drawScene(mem::Mode::Colour)) return 1;
        std::printf("0x%08x\n", unsigned(mem::checksum()));
        return 0;
    }
    if (mode == "header" && argc == 3) {
        if (!drawScene(mem::Mode::Colour)) return 1;
        std::ofstream out(argv[2]);
        out << "/* The test scene's checksum on the desktop; generated by vr_scene_tool. */\n"
            << "#define VR_SCENE_DESKTOP_CHECKSUM 0x" << std::hex << mem::checksum() << "u\n";
        if (!out) {
            std::fprintf(stderr, "vr_scene_tool: cannot write %s\n", argv[2]);
            return 1;
        }
        return 0;
    }
    if (mode == "oled" && argc == 5) return oled(argv[2], argv[3], argv[4]);
    std::fprintf(stderr,
                 "usage: vr_scene_tool checksum | header <out.h> | oled <qemu> <board image> <folder>\n");
    return 2;
}
