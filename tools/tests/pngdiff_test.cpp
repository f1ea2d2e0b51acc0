// The picture comparison of golden-image tests: which pixels count as
// different, what the diff picture shows, and the tool's exit statuses.
#include <gtest/gtest.h>

#include "image_diff.h"
#include "png_reader.h"
#include "test_files.h"

namespace {

using imgconv::Image;

// A w x h RGBA picture of one colour.
Image filled(int w, int h, uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255) {
    Image img{w, h, 4, {}};
    for (int i = 0; i < w * h; ++i) img.pixels.insert(img.pixels.end(), {r, g, b, a});
    return img;
}

void setPixel(Image &img, int x, int y, uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255) {
    uint8_t *p = &img.pixels[(size_t(y) * img.width + x) * 4];
    p[0] = r, p[1] = g, p[2] = b, p[3] = a;
}

bool red(const Image &pic, int x, int y) {
    const uint8_t *p = &pic.pixels[(size_t(y) * pic.width + x) * 3];
    return p[0] == 255 && p[1] == 0 && p[2] == 0;
}

TEST(PngDiff, CountsEveryChannelAndMarksTheDifferencesInRed) {
    const Image expected = filled(4, 3, 10, 20, 30);
    EXPECT_EQ(pngdiff::compare(expected, expected).pixels, 0u);

    // One step in one channel, alpha included, is a difference.
    Image actual = expected;
    setPixel(actual, 2, 1, 10, 21, 30);
    setPixel(actual, 0, 2, 10, 20, 30, 254);
    const pngdiff::Difference d = pngdiff::compare(expected, actual);
    EXPECT_EQ(d.pixels, 2u);
    EXPECT_EQ(d.total, 12u);
    EXPECT_EQ(d.firstX, 2);
    EXPECT_EQ(d.firstY, 1);
    ASSERT_EQ(d.picture.width, 4);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(red(d.picture, x, y), (x == 2 && y == 1) || (x == 0 && y == 2)) << x << ", " << y;
    // Equal pixels fade to a light grey, never to the marker's red.
    EXPECT_EQ(d.picture.pixels[0], d.picture.pixels[1]);
    EXPECT_GE(d.picture.pixels[0], 192);
}

TEST(PngDiff, PicturesOfDifferentSizesDifferWhereOnlyOneHasPixels) {
    const pngdiff::Difference d = pngdiff::compare(filled(3, 2, 0, 0, 0), filled(2, 3, 0, 0, 0));
    // The union is 3 x 3; (2, 0), (2, 1) only in the first, (0, 2), (1, 2)
    // only in the second, (2, 2) in neither.
    EXPECT_EQ(d.total, 9u);
    EXPECT_EQ(d.pixels, 5u);
    EXPECT_EQ(d.firstX, 2);
    EXPECT_EQ(d.firstY, 0);
}

TEST(PngDiffTool, ExitStatusOutputAndDiffPicture) {
    const std::string dir = vrtest::scratchDir();
    const std::string tool = VRTOOLS_PNGDIFF;
    const Image a = filled(5, 5, 200, 200, 200);
    Image b = a;
    setPixel(b, 4, 3, 0, 0, 0);
    imgconv::writePng(dir + "/a.png", a);
    imgconv::writePng(dir + "/b.png", b);

    EXPECT_EQ(vrtest::run(tool + " " + dir + "/a.png " + dir + "/a.png"), 0);
    EXPECT_FALSE(vrtest::exists(dir + "/d.png"));
    // The report goes to standard output, which run() discards: a shell
    // group sends it to a file.
    EXPECT_EQ(vrtest::run("{ " + tool + " --diff " + dir + "/d.png " + dir + "/a.png " + dir + "/b.png > " +
                          dir + "/out.txt; }"),
              1);
    const std::string report = vrtest::readText(dir + "/out.txt");
    EXPECT_EQ(report.rfind("1 of 25 pixels differ, the first at (4, 3)", 0), 0u) << report;
    const uint8_t black[3] = {0, 0, 0};
    const Image diff = imgconv::readPng(dir + "/d.png", 3, black);
    EXPECT_TRUE(red(diff, 4, 3));
    EXPECT_FALSE(red(diff, 3, 3));

    std::string errors;
    EXPECT_EQ(vrtest::run(tool + " " + dir + "/a.png " + dir + "/missing.png", &errors), 1);
    EXPECT_NE(errors.find("missing.png"), std::string::npos) << errors;
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    EXPECT_EQ(vrtest::run(tool + " " + dir + "/a.png", &errors), 2);
}

}  // namespace
