// Frame dumps of the window: each refresh writes the picture it shows.
#include <algorithm>
#include <cstdlib>

#include "window_fixture.h"

using namespace wintest;

namespace {

std::vector<fs::path> framesIn(const fs::path &folder) {
    std::vector<fs::path> frames;
    if (fs::exists(folder))
        for (const auto &entry : fs::directory_iterator(folder)) frames.push_back(entry.path());
    std::sort(frames.begin(), frames.end());
    return frames;
}

QImage readPng(const fs::path &file) {
    const QString name = QString::fromStdString(file.string());
    return onGui([name] { return QImage(name, "PNG").convertToFormat(QImage::Format_RGB32); });
}

class FrameDumpTest : public WindowTest {
  protected:
    void TearDown() override {
        WindowTest::TearDown();
        unsetenv("LUMISIM_DUMP");
    }
};

TEST_F(FrameDumpTest, EachRefreshWritesTheShownPictureAsNumberedPng) {
    const fs::path dumps = dir_ / "dumps";
    setenv("LUMISIM_DUMP", dumps.c_str(), 1);
    init();
    EXPECT_TRUE(framesIn(dumps).empty());  // starting shows the board but is no refresh
    for (uint16_t y = 0; y < 240; ++y)
        for (uint16_t x = 0; x < 320; ++x) setWord(x, y, word(uint32_t(x), 0, uint32_t(y)));
    ASSERT_EQ(DDrv_RefreshDisplay(), 0);
    const QImage first = grabWindow();
    setWord(0, 0, word(255, 255, 254));
    ASSERT_EQ(DDrv_RefreshDisplay(), 0);
    const QImage second = grabWindow();

    const auto frames = framesIn(dumps);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].filename().string().substr(0, 6), "frame_");
    EXPECT_EQ(frames[0].extension(), ".png");
    EXPECT_EQ(readPng(frames[0]), first);
    EXPECT_EQ(readPng(frames[1]), second);
    EXPECT_EQ(readPng(frames[1]).pixel(40, 40), qRgb(255, 255, 255));
    EXPECT_EQ(readPng(frames[1]).pixel(0, 0), qRgb(255, 255, 254));  // the board's see-through corner, as is
}

TEST_F(FrameDumpTest, NothingIsWrittenWithoutTheVariable) {
    unsetenv("LUMISIM_DUMP");
    init();
    ASSERT_EQ(DDrv_RefreshDisplay(), 0);
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(dir_)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Board_320_240.bmp", "Lumisim.ini"}));
}

}  // namespace
