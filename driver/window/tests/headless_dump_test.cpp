// Frame dumps of the headless side: the bare panel, one PNG per refresh.
// No GUI thread in this program; QImage needs none.
#include <algorithm>
#include <cstdlib>

#include "window_fixture.h"

using namespace wintest;

namespace {

class HeadlessDump : public ::testing::Test {
  protected:
    void SetUp() override {
        std::ofstream("Lumisim.ini") << "[DisplayParams]\nXSize=4\nYSize=3\n";
        setenv("LUMISIM_HEADLESS", "1", 1);
    }
    void TearDown() override {
        DDrv_DeInitDriver();
        unsetenv("LUMISIM_DUMP");
        unsetenv("LUMISIM_HEADLESS");
    }
    std::vector<fs::path> frames() const {
        std::vector<fs::path> out;
        for (const auto &e : fs::recursive_directory_iterator(dir_))
            if (e.path().extension() == ".png") out.push_back(e.path());
        std::sort(out.begin(), out.end());
        return out;
    }
    vrtest::TempFolder folder_{"lumisim-headless", vrtest::TempFolder::Enter::Yes};
    const fs::path dir_ = folder_.path();
};

TEST_F(HeadlessDump, EachRefreshWritesTheBarePanel) {
    setenv("LUMISIM_DUMP", (dir_ / "frames").c_str(), 1);
    ASSERT_EQ(DDrv_InitDriver(fillSquare, noKey), 0);
    // 4 x 3:  R . . .     R red, K key colour (shows white), . black
    //         . K . .
    //         . . . B     B blue, with noise in byte 0
    setWord(0, 0, word(255, 0, 0));
    setWord(1, 1, word(255, 255, 254, 0x42));
    setWord(3, 2, word(0, 0, 255, 0x99));
    ASSERT_EQ(DDrv_RefreshDisplay(), 0);
    setWord(0, 0, word(0, 255, 0));
    ASSERT_EQ(DDrv_RefreshDisplay(), 0);

    const auto files = frames();
    ASSERT_EQ(files.size(), 2u);
    const QImage first(QString::fromStdString(files[0].string()));
    ASSERT_EQ(first.size(), QSize(4, 3));
    EXPECT_EQ(first.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(first.pixel(1, 1), qRgb(255, 255, 255));
    EXPECT_EQ(first.pixel(3, 2), qRgb(0, 0, 255));
    EXPECT_EQ(first.pixel(2, 0), qRgb(0, 0, 0));
    EXPECT_EQ(QImage(QString::fromStdString(files[1].string())).pixel(0, 0), qRgb(0, 255, 0));
}

TEST_F(HeadlessDump, NothingIsWrittenWithoutTheVariable) {
    unsetenv("LUMISIM_DUMP");
    ASSERT_EQ(DDrv_InitDriver(fillSquare, noKey), 0);
    ASSERT_EQ(DDrv_RefreshDisplay(), 0);
    EXPECT_TRUE(frames().empty());
}

}  // namespace
