// Shared pieces of the window tests: a fresh folder per test holding the
// shipped board picture and INI, BMP writers for hand-made pictures, and
// calls onto the GUI thread.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <QImage>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "DDrv.h"
#include "display_dialog.h"
#include "gui_thread.h"
#include "temp_folder.h"

namespace wintest {

namespace fs = std::filesystem;

inline void noKey(uint32_t, uint32_t) {}

// The graphic callback of the tests: fills a 10 x 10 square at the given
// position with the colour word that params points to.
inline VR_Status fillSquare(uint32_t, const VR_Point *at, const VR_Window *, void *params) {
    const uint32_t colour = *static_cast<const uint32_t *>(params);
    VR_Colour c;
    std::memcpy(&c, &colour, sizeof c);
    for (uint16_t y = 0; y < 10; ++y)
        for (uint16_t x = 0; x < 10; ++x)
            DDrv_SetPixel(VR_Point{uint16_t(at->x + x), uint16_t(at->y + y)}, c);
    return 0;
}

inline VR_Status setWord(uint16_t x, uint16_t y, uint32_t word) {
    VR_Colour c;
    std::memcpy(&c, &word, sizeof c);
    return DDrv_SetPixel(VR_Point{x, y}, c);
}

// A frame-buffer word from red, green, blue and the reserved byte.
constexpr uint32_t word(uint32_t r, uint32_t g, uint32_t b, uint32_t reserved = 0) {
    return reserved | r << 8 | g << 16 | b << 24;
}

// Writes an uncompressed BMP: 24 bits bottom-up, or 32 bits top-down.
inline void writeBmp(const fs::path &path, int w, int h, int bits,
                     const std::function<QRgb(int, int)> &pixel) {
    const int rowBytes = (w * bits / 8 + 3) / 4 * 4;
    std::vector<uint8_t> file(54 + size_t(rowBytes) * h, 0);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) file[at + i] = uint8_t(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, uint32_t(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, uint32_t(w));
    put32(22, uint32_t(bits == 32 ? -h : h));
    file[26] = 1;
    file[28] = uint8_t(bits);
    for (int y = 0; y < h; ++y) {
        const int row = bits == 32 ? y : h - 1 - y;
        for (int x = 0; x < w; ++x) {
            uint8_t *p = &file[54 + size_t(row) * rowBytes + size_t(x) * (bits / 8)];
            const QRgb c = pixel(x, y);
            p[0] = uint8_t(qBlue(c));
            p[1] = uint8_t(qGreen(c));
            p[2] = uint8_t(qRed(c));
            if (bits == 32) p[3] = 0xFF;
        }
    }
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char *>(file.data()), std::streamsize(file.size()));
}

// Runs f on the GUI thread and hands back its result.
template <typename F>
auto onGui(F f) {
    using R = decltype(f());
    if constexpr (std::is_void_v<R>) {
        EXPECT_TRUE(lumisim::GuiThread::instance().call(f)) << "no window is up";
    } else {
        R result{};
        EXPECT_TRUE(lumisim::GuiThread::instance().call([&] { result = f(); })) << "no window is up";
        return result;
    }
}

// Polls a condition on the GUI thread for up to five seconds.
inline bool waitOnGui(const std::function<bool()> &condition) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < end) {
        if (onGui(condition)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

// What the window shows, rendered on the GUI thread.
inline QImage grabWindow() {
    return onGui([] {
        return lumisim::GuiThread::instance().display()->grab().toImage().convertToFormat(
            QImage::Format_RGB32);
    });
}

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::copy_file(fs::path(LUMISIM_DATA_DIR) / "Board_320_240.bmp", dir_ / "Board_320_240.bmp");
        fs::copy_file(fs::path(LUMISIM_DATA_DIR) / "Lumisim.ini", dir_ / "Lumisim.ini");
    }
    void TearDown() override { DDrv_DeInitDriver(); }  // before the folder goes

    // Initialises the driver and reads the board picture for reference.
    // Qt is touched first on the GUI thread: the thread that touches it
    // first becomes its main thread for good.
    void init() {
        ASSERT_EQ(DDrv_InitDriver(fillSquare, noKey), 0);
        board_ = onGui(
            [] { return QImage(QStringLiteral("Board_320_240.bmp")).convertToFormat(QImage::Format_RGB32); });
        ASSERT_FALSE(board_.isNull());
    }

    // The board picture with the panel's frame-buffer words composed in,
    // worked out pixel by pixel here, apart from the driver's code.
    QImage expectedPicture(const std::function<uint32_t(int, int)> &panelWord) const {
        QImage expected = board_.copy();
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 320; ++x) {
                const uint32_t w = panelWord(x, y);
                QRgb c = qRgb((w >> 8) & 0xFF, (w >> 16) & 0xFF, w >> 24);
                if (c == qRgb(255, 255, 254)) c = qRgb(255, 255, 255);
                if (40 + x < expected.width() && 40 + y < expected.height())
                    expected.setPixel(40 + x, 40 + y, c);
            }
        return expected;
    }

    vrtest::TempFolder folder_{"lumisim-window", vrtest::TempFolder::Enter::Yes};
    const fs::path dir_ = folder_.path();
    QImage board_;
};

}  // namespace wintest
