// Loading the board picture: both row orders, and every kind of bad file
// reported like a missing one. Runs without any window: no GUI thread is
// started in this program.
#include "board_picture.h"

#include "window_fixture.h"

using namespace wintest;
using lumisim::loadBoardPicture;

namespace {

QString qpath(const fs::path &p) { return QString::fromStdString(p.string()); }

class BoardPictureLoad : public ::testing::Test {
  protected:
    vrtest::TempFolder folder_{"lumisim-bmp"};
    const fs::path dir_ = folder_.path();
};

// 3 x 2:   R G B
//          K W k      K: key colour, W: white, k: black
QRgb tiny(int x, int y) {
    static const QRgb rows[2][3] = {{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)},
                                    {qRgb(255, 255, 254), qRgb(255, 255, 255), qRgb(0, 0, 0)}};
    return rows[y][x];
}

TEST_F(BoardPictureLoad, ReadsBottomUp24BitAndTopDown32BitAlike) {
    for (int bits : {24, 32}) {
        const fs::path file = dir_ / ("tiny" + std::to_string(bits) + ".bmp");
        writeBmp(file, 3, 2, bits, tiny);
        const QImage picture = loadBoardPicture(qpath(file));
        ASSERT_EQ(picture.size(), QSize(3, 2)) << bits;
        EXPECT_EQ(picture.format(), QImage::Format_RGB32);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                EXPECT_EQ(picture.pixel(x, y), tiny(x, y)) << bits << ": " << x << "," << y;
    }
}

TEST_F(BoardPictureLoad, MissingTruncatedOrGarbledFilesGiveNoPicture) {
    EXPECT_TRUE(loadBoardPicture(qpath(dir_ / "absent.bmp")).isNull());

    const fs::path cut = dir_ / "cut.bmp";
    writeBmp(cut, 3, 2, 24, tiny);
    fs::resize_file(cut, fs::file_size(cut) - 1);  // one byte short of the last row
    EXPECT_FALSE(lumisim::bmpComplete(qpath(cut)));
    EXPECT_TRUE(loadBoardPicture(qpath(cut)).isNull());

    const fs::path header = dir_ / "header.bmp";
    writeBmp(header, 3, 2, 24, tiny);
    fs::resize_file(header, 30);  // not even a whole header
    EXPECT_TRUE(loadBoardPicture(qpath(header)).isNull());

    const fs::path png = dir_ / "png.bmp";  // the wrong format under the right name
    std::ofstream(png, std::ios::binary) << "\x89PNG\r\n\x1a\n and so on";
    EXPECT_TRUE(loadBoardPicture(qpath(png)).isNull());

    const fs::path huge = dir_ / "huge.bmp";  // a header claiming far more rows than follow
    writeBmp(huge, 3, 2, 24, tiny);
    {
        std::fstream f(huge, std::ios::binary | std::ios::in | std::ios::out);
        f.seekp(22);
        const char rows[4] = {0, 0, 1, 0};  // 65536 rows
        f.write(rows, 4);
    }
    EXPECT_TRUE(loadBoardPicture(qpath(huge)).isNull());
}

TEST(BoardPictureName, CarriesThePanelSize) {
    EXPECT_EQ(lumisim::boardPictureName(320, 240), QStringLiteral("Board_320_240.bmp"));
    EXPECT_EQ(lumisim::boardPictureName(128, 64), QStringLiteral("Board_128_64.bmp"));
}

TEST(ShippedBoardPicture, FramesThePanelWithSeeThroughCornersAndNoStrayKeyPixelsOnIt) {
    const QImage board = loadBoardPicture(QStringLiteral(LUMISIM_DATA_DIR "/Board_320_240.bmp"));
    ASSERT_EQ(board.size(), QSize(400, 380));
    const QRgb key = qRgb(255, 255, 254);
    for (QPoint corner : {QPoint(0, 0), QPoint(399, 0), QPoint(0, 379), QPoint(399, 379)})
        EXPECT_EQ(board.pixel(corner), key) << corner.x() << "," << corner.y();
    // The panel (40, 40, 320 x 240, as Lumisim.ini says) and its bezel are solid.
    for (int y = 30; y < 290; ++y)
        for (int x = 30; x < 370; ++x) ASSERT_NE(board.pixel(x, y), key) << x << "," << y;
}

}  // namespace
