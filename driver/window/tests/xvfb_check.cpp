// The real window on a real X server (run by run_under_xvfb.sh): after a
// refresh, a screenshot of the screen shows the panel's colour where the
// panel lies, the board around it, and the screen behind the window's
// see-through corner.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "DDrv.h"

namespace {

struct Screenshot {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;
    unsigned pixel(int x, int y) const {
        const unsigned char *p = &rgb[(size_t(y) * width + x) * 3];
        return unsigned(p[0]) << 16 | p[1] << 8 | p[2];
    }
};

std::string run(const std::string &command) {
    std::string out;
    if (FILE *pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe)) out += buffer;
        pclose(pipe);
    }
    return out;
}

// The root window as binary PPM, through ImageMagick.
bool screenshot(Screenshot &shot) {
    if (std::system("import -window root -depth 8 ppm:shot.ppm") != 0) return false;
    FILE *f = std::fopen("shot.ppm", "rb");
    if (!f) return false;
    int maxValue = 0;
    const bool ok = std::fscanf(f, "P6 %d %d %d", &shot.width, &shot.height, &maxValue) == 3 &&
                    maxValue == 255 && std::fgetc(f) != EOF;
    if (ok) {
        shot.rgb.resize(size_t(shot.width) * shot.height * 3);
        const bool complete = std::fread(shot.rgb.data(), 1, shot.rgb.size(), f) == shot.rgb.size();
        std::fclose(f);
        return complete;
    }
    std::fclose(f);
    return false;
}

// The window's absolute position, from xwininfo.
bool windowPosition(int &x, int &y) {
    const std::string info = run("xwininfo -name 'Vantrel Simu'");
    const auto ax = info.find("Absolute upper-left X:");
    const auto ay = info.find("Absolute upper-left Y:");
    if (ax == std::string::npos || ay == std::string::npos) return false;
    x = std::atoi(info.c_str() + ax + 22);
    y = std::atoi(info.c_str() + ay + 22);
    return true;
}

VR_Status noGraphic(uint32_t, const VR_Point *, const VR_Window *, void *) { return 0; }
void noKey(uint32_t, uint32_t) {}

int failures = 0;
void check(bool ok, const char *what, unsigned got) {
    std::printf("%s %s (pixel %06X)\n", ok ? "ok  " : "FAIL", what, got);
    failures += !ok;
}

}  // namespace

int main() {
    Screenshot before;
    if (!screenshot(before)) {
        std::puts("FAIL cannot take a screenshot");
        return 1;
    }
    if (DDrv_InitDriver(noGraphic, noKey) != 0) {
        std::puts("FAIL DDrv_InitDriver");
        return 1;
    }
    int wx = 0, wy = 0;
    bool found = false;
    for (int tries = 0; tries < 30 && !(found = windowPosition(wx, wy)); ++tries) usleep(100000);
    if (!found) {
        std::puts("FAIL no window named \"Vantrel Simu\" on the screen");
        return 1;
    }
    std::printf("window at %d,%d\n", wx, wy);

    const unsigned panelColour = 0x1478DC;  // red 20, green 120, blue 220
    const VR_Colour c{0, 0x14, 0x78, 0xDC};
    for (uint16_t y = 0; y < 240; ++y)
        for (uint16_t x = 0; x < 320; ++x) DDrv_SetPixel(VR_Point{x, y}, c);
    DDrv_RefreshDisplay();

    // The server draws on its own time: look a few times.
    Screenshot after;
    const int px = wx + 40 + 160, py = wy + 40 + 120;
    for (int tries = 0; tries < 50; ++tries) {
        if (screenshot(after) && after.pixel(px, py) == panelColour) break;
        usleep(100000);
    }
    if (after.rgb.empty()) {
        std::puts("FAIL cannot take a screenshot");
        return 1;
    }
    check(after.pixel(px, py) == panelColour, "panel shows the refreshed colour", after.pixel(px, py));
    const unsigned corner = after.pixel(wx, wy);
    check(corner == before.pixel(wx, wy) && corner != 0xFFFFFE, "see-through corner shows the screen behind",
          corner);
    const unsigned hole = after.pixel(wx + 17, wy + 17);
    check(hole == before.pixel(wx + 17, wy + 17), "see-through mounting hole shows the screen behind", hole);
    const unsigned board = after.pixel(wx + 20, wy + 200);
    const unsigned r = board >> 16, g = (board >> 8) & 0xFF, b = board & 0xFF;
    check(g > r && g > b && board != before.pixel(wx + 20, wy + 200), "board shows around the panel", board);

    DDrv_DeInitDriver();
    return failures ? 1 : 0;
}
