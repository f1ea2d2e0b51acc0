// The composition rule on tiny pictures whose pixels can be checked by eye.
#include "compose.h"

#include <gtest/gtest.h>

#include <vector>

using lumisim::composePanel;
using lumisim::panelPixel;

namespace {

// A frame-buffer word from its four bytes: reserved, red, green, blue.
constexpr uint32_t word(uint32_t reserved, uint32_t r, uint32_t g, uint32_t b) {
    return reserved | r << 8 | g << 16 | b << 24;
}
constexpr uint32_t rgb(uint32_t r, uint32_t g, uint32_t b) { return 0xFF000000u | r << 16 | g << 8 | b; }

constexpr uint32_t kBoard = rgb(0, 100, 0);  // what the picture holds before

struct Picture {
    int width, height;
    std::vector<uint32_t> pixels;
    Picture(int w, int h) : width(w), height(h), pixels(size_t(w) * h, kBoard) {}
    lumisim::PictureView view() { return {pixels.data(), width, height, width}; }
    uint32_t at(int x, int y) const { return pixels[size_t(y) * width + x]; }
};

TEST(PanelPixel, ReadsRedGreenBlueFromBytesOneToThreeAndIgnoresByteZero) {
    EXPECT_EQ(panelPixel(word(0x00, 0x12, 0x34, 0x56)), rgb(0x12, 0x34, 0x56));
    EXPECT_EQ(panelPixel(word(0xA5, 0x12, 0x34, 0x56)), rgb(0x12, 0x34, 0x56));
    EXPECT_EQ(panelPixel(word(0xFF, 0, 0, 0)), rgb(0, 0, 0));
}

TEST(PanelPixel, KeyColourBecomesWhiteWhateverByteZeroHolds) {
    for (uint32_t reserved : {0x00u, 0x01u, 0x7Fu, 0xFFu})
        EXPECT_EQ(panelPixel(word(reserved, 255, 255, 254)), rgb(255, 255, 255)) << reserved;
    // Near misses keep their colour: only red 255, green 255, blue 254 is the key.
    EXPECT_EQ(panelPixel(word(0, 254, 255, 255)), rgb(254, 255, 255));
    EXPECT_EQ(panelPixel(word(0, 255, 254, 255)), rgb(255, 254, 255));
    EXPECT_EQ(panelPixel(word(0, 255, 255, 253)), rgb(255, 255, 253));
    EXPECT_EQ(panelPixel(word(0, 255, 255, 255)), rgb(255, 255, 255));
}

TEST(ComposePanel, PlacesThePanelAtItsOffsetAndLeavesTheRestOfThePicture) {
    // 2 x 2 panel at (1, 2) of a 4 x 4 picture:
    //   . . . .
    //   . . . .
    //   . R G .
    //   . B W .      (W: the key colour, shown white)
    const uint32_t panel[] = {word(0, 255, 0, 0), word(9, 0, 255, 0),  //
                              word(0, 0, 0, 255), word(7, 255, 255, 254)};
    Picture picture(4, 4);
    composePanel(picture.view(), {panel, 2, 2, 1, 2});
    const uint32_t B = kBoard;
    const uint32_t expected[4][4] = {{B, B, B, B},
                                     {B, B, B, B},
                                     {B, rgb(255, 0, 0), rgb(0, 255, 0), B},
                                     {B, rgb(0, 0, 255), rgb(255, 255, 255), B}};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(picture.at(x, y), expected[y][x]) << x << "," << y;
}

TEST(ComposePanel, DropsColumnsAndRowsBeyondThePicture) {
    // A 3 x 3 panel at (2, 1) of a 4 x 3 picture: only its first two
    // columns and rows land; nothing is written outside the picture.
    std::vector<uint32_t> panel(9);
    for (uint32_t i = 0; i < 9; ++i) panel[i] = word(0, 10 * (i + 1), 0, 0);
    std::vector<uint32_t> storage(4 * 3 + 8, 0xDEADBEEF);  // guard words after the picture
    lumisim::PictureView view{storage.data(), 4, 3, 4};
    std::fill(storage.begin(), storage.begin() + 12, kBoard);
    composePanel(view, {panel.data(), 3, 3, 2, 1});
    EXPECT_EQ(storage[0 * 4 + 2], kBoard);
    EXPECT_EQ(storage[1 * 4 + 2], rgb(10, 0, 0));
    EXPECT_EQ(storage[1 * 4 + 3], rgb(20, 0, 0));
    EXPECT_EQ(storage[2 * 4 + 2], rgb(40, 0, 0));
    EXPECT_EQ(storage[2 * 4 + 3], rgb(50, 0, 0));
    EXPECT_EQ(storage[2 * 4 + 1], kBoard);
    for (size_t i = 12; i < storage.size(); ++i) EXPECT_EQ(storage[i], 0xDEADBEEFu) << i;
}

TEST(ComposePanel, PanelEntirelyOutsideThePictureWritesNothing) {
    const uint32_t panel[] = {word(0, 1, 2, 3)};
    Picture picture(2, 2);
    composePanel(picture.view(), {panel, 1, 1, 2, 0});
    composePanel(picture.view(), {panel, 1, 1, 0, 2});
    for (uint32_t p : picture.pixels) EXPECT_EQ(p, kBoard);
}

TEST(ComposePanel, HonoursThePictureStride) {
    // Rows of the picture are 5 words apart, only 3 of them in use.
    std::vector<uint32_t> storage(5 * 2, 0x11111111);
    const uint32_t panel[] = {word(0, 1, 1, 1), word(0, 2, 2, 2), word(0, 3, 3, 3), word(0, 4, 4, 4)};
    composePanel({storage.data(), 3, 2, 5}, {panel, 2, 2, 1, 0});
    EXPECT_EQ(storage[1], rgb(1, 1, 1));
    EXPECT_EQ(storage[2], rgb(2, 2, 2));
    EXPECT_EQ(storage[6], rgb(3, 3, 3));
    EXPECT_EQ(storage[7], rgb(4, 4, 4));
    EXPECT_EQ(storage[3], 0x11111111u);  // padding between rows untouched
    EXPECT_EQ(storage[8], 0x11111111u);
}

TEST(ComposePanel, LongRowsMatchThePixelRuleEverywhere) {
    // Long enough for the vector loop and its scalar tail.
    const int w = 37, h = 3;
    std::vector<uint32_t> panel(size_t(w) * h);
    for (size_t i = 0; i < panel.size(); ++i)
        panel[i] = i % 5 == 0 ? word(uint32_t(i), 255, 255, 254) : uint32_t(i * 2654435761u);
    Picture picture(w, h);
    composePanel(picture.view(), {panel.data(), w, h, 0, 0});
    for (size_t i = 0; i < panel.size(); ++i) ASSERT_EQ(picture.pixels[i], panelPixel(panel[i])) << i;
    EXPECT_EQ(picture.pixels[5], rgb(255, 255, 255));
}

}  // namespace
