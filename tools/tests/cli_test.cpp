// The command-line tools as a build or a user runs them: help, one-line
// errors with a non-zero exit, and no output at all (nor a damaged old one)
// when a conversion fails.
#include <gtest/gtest.h>

#include <filesystem>

#include "png_reader.h"
#include "test_files.h"

using vrtest::exists;
using vrtest::readText;
using vrtest::run;

namespace {

const std::string kFont = VRTOOLS_FONTCONV;
const std::string kImage = VRTOOLS_IMGCONV;
const std::string kFace = VRTOOLS_TEST_FACE;

int lines(const std::string &text) { return int(std::count(text.begin(), text.end(), '\n')); }

// Runs a failing conversion and checks the error and that neither output
// appeared.
void expectFailure(const std::string &command, const std::string &dir, int status, const std::string &words) {
    std::string errors;
    EXPECT_EQ(run(command, &errors), status) << command;
    EXPECT_EQ(lines(errors), 1) << errors;
    EXPECT_NE(errors.find(words), std::string::npos) << errors;
    EXPECT_FALSE(exists(dir + "/out.c"));
    EXPECT_FALSE(exists(dir + "/out.h"));
}

}  // namespace

TEST(FontTool, WritesTheFontAndItsHeader) {
    std::string dir = vrtest::scratchDir();
    ASSERT_EQ(run(kFont + " " + kFace + " -o " + dir +
                  "/out.c --name Body --height 16 --range 0x1A-0xFC"
                  " --encoding plain --map 0x1C=U+2022 --zero 0x7F,0xA0"),
              0);
    std::string c = readText(dir + "/out.c"), h = readText(dir + "/out.h");
    EXPECT_NE(c.find("#include \"out.h\""), std::string::npos);
    EXPECT_NE(c.find("const VR_Font Body["), std::string::npos);
    EXPECT_NE(c.find("height 16, flags 0x01 (plain), characters 0x1A-0xFC"), std::string::npos) << c;
    EXPECT_NE(h.find("extern const VR_Font Body[];"), std::string::npos);
    EXPECT_NE(h.find("#include \"VRLib.h\""), std::string::npos);
    // A run-length font with a given table says so in its comment.
    ASSERT_EQ(run(kFont + " " + kFace + " -o " + dir + "/rle.c --height 22 --runs 2,4,10"), 0);
    EXPECT_NE(readText(dir + "/rle.c").find("unit 1, run table 2, 4, 10"), std::string::npos);
}

TEST(FontTool, HelpAndBadOptions) {
    std::string dir = vrtest::scratchDir();
    EXPECT_EQ(run(kFont + " --help"), 0);
    const std::string base = kFont + " " + kFace + " -o " + dir + "/out.c";
    expectFailure(base + " --height 16 --bogus", dir, 2, "unknown option --bogus");
    expectFailure(base, dir, 2, "--height");
    expectFailure(base + " --height 300", dir, 2, "outside 1..255");
    expectFailure(base + " --height 16 --range 0x7E-0x20", dir, 2, "first character after last");
    expectFailure(base + " --height 16 --runs 2,5", dir, 2, "three run lengths");
    expectFailure(base + " --height 16 --encoding plain --runs 2,5,11", dir, 2, "need --encoding rle");
    expectFailure(base + " --height 16 --name 9lives", dir, 2, "not a C identifier");
    expectFailure(base + " --height 16 --codepage 437", dir, 2, "unknown code page");
}

TEST(FontTool, UnusableInputs) {
    std::string dir = vrtest::scratchDir();
    const std::string out = " -o " + dir + "/out.c";
    expectFailure(kFont + " " + dir + "/missing.ttf" + out + " --height 16", dir, 1, "cannot open");
    vrtest::writeText(dir + "/text.ttf", "no font");
    expectFailure(kFont + " " + dir + "/text.ttf" + out + " --height 16", dir, 1, "not a font");
    expectFailure(kFont + " " + kFace + out + " --height 10 --size 40", dir, 1, "do not fit");
    // With runs longer than most of its stretches, a 255-row 'g' takes
    // nearly one token per pixel: far more than 255 bytes.
    expectFailure(kFont + " " + kFace + out + " --height 255 --range 0x67-0x67 --runs 200,201,202", dir, 1,
                  "more than a size entry holds");
}

TEST(FontTool, AFailedRunLeavesTheOldOutputAlone) {
    std::string dir = vrtest::scratchDir();
    vrtest::writeText(dir + "/out.c", "old c");
    vrtest::writeText(dir + "/out.h", "old h");
    EXPECT_EQ(run(kFont + " " + kFace + " -o " + dir + "/out.c --height 10 --size 40"), 1);
    EXPECT_EQ(readText(dir + "/out.c"), "old c");
    EXPECT_EQ(readText(dir + "/out.h"), "old h");
    for (const auto &entry : std::filesystem::directory_iterator(dir)) {
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
    }
}

TEST(ImageTool, WritesTheRecordAndItsPixels) {
    std::string dir = vrtest::scratchDir();
    imgconv::Image img{3, 2, 3, {255, 255, 255, 255, 255, 255, 1, 2, 3, 9, 9, 9, 9, 9, 9, 9, 9, 9}};
    imgconv::writePng(dir + "/in.png", img);
    ASSERT_EQ(run(kImage + " " + dir + "/in.png -o " + dir + "/out.c --name Logo --key FFFFFF"), 0);
    std::string c = readText(dir + "/out.c");
    EXPECT_NE(c.find("static const uint8_t Logo_pixels[12] = {\n"
                     "    0x82, 0xFF, 0xFF, 0xFF, 0x01, 0x01, 0x02, 0x03, 0x83, 0x09, 0x09, 0x09\n};"),
              std::string::npos)
        << c;
    EXPECT_NE(c.find("{'G', 'M'}, 0, 1, 3, 2, 3, {0x00, 0xFF, 0xFF, 0xFF}, {0, 0, 0},\n    Logo_pixels};"),
              std::string::npos)
        << c;
    EXPECT_NE(readText(dir + "/out.h").find("extern const VR_GIMPBitmap Logo;"), std::string::npos);
    ASSERT_EQ(run(kImage + " " + dir + "/in.png -o " + dir + "/raw.c --encoding raw --bpp 4"), 0);
    EXPECT_NE(readText(dir + "/raw.c").find("{'G', 'M'}, 0, 0, 3, 2, 4, {0xFF, 0xFF, 0xFF, 0xFF}"),
              std::string::npos);
}

TEST(ImageTool, HelpBadOptionsAndUnusableInputs) {
    std::string dir = vrtest::scratchDir();
    EXPECT_EQ(run(kImage + " -h"), 0);
    imgconv::Image img{1, 1, 3, {1, 2, 3}};
    imgconv::writePng(dir + "/in.png", img);
    const std::string out = " -o " + dir + "/out.c";
    expectFailure(kImage + " " + dir + "/in.png" + out + " --bpp 2", dir, 2, "neither 3 nor 4");
    expectFailure(kImage + " " + dir + "/in.png" + out + " --key red", dir, 2, "not a colour");
    expectFailure(kImage + " " + dir + "/in.png", dir, 2, "no output file");
    expectFailure(kImage + " " + dir + "/missing.png" + out, dir, 1, "cannot open");
    vrtest::writeText(dir + "/text.png", "no picture");
    expectFailure(kImage + " " + dir + "/text.png" + out, dir, 1, "not a readable PNG");
    imgconv::Image tall{1, 66000, 3, std::vector<uint8_t>(66000 * 3, 5)};
    imgconv::writePng(dir + "/tall.png", tall);
    expectFailure(kImage + " " + dir + "/tall.png" + out, dir, 1, "limited to 65535");
}

TEST(BothTools, NamesThatCannotBeCSymbolsAreRefused) {
    const std::string dir = vrtest::scratchDir();
    imgconv::Image img{1, 1, 3, {1, 2, 3}};
    imgconv::writePng(dir + "/in.png", img);
    const std::string font = kFont + " " + kFace + " --height 8 -o ";
    const std::string image = kImage + " " + dir + "/in.png -o ";
    for (const std::string &tool : {font, image}) {
        for (const char *name : {"int", "class", "_Bool", "delete"}) {
            SCOPED_TRACE(tool + name);
            expectFailure(tool + dir + "/out.c --name " + name, dir, 2, "keyword");
        }
        // A name taken from the output file is checked too.
        std::string errors;
        EXPECT_EQ(run(tool + dir + "/int.c", &errors), 2);
        EXPECT_NE(errors.find("'int' is a C or C++ keyword"), std::string::npos) << errors;
        EXPECT_FALSE(exists(dir + "/int.c"));
    }
}

TEST(BothTools, OutputsThatCannotAllBeWrittenLeaveEveryFileAlone) {
    const std::string dir = vrtest::scratchDir();
    imgconv::Image img{1, 1, 3, {1, 2, 3}};
    imgconv::writePng(dir + "/in.png", img);
    std::filesystem::create_directory(dir + "/adir.h");
    vrtest::writeText(dir + "/out.c", "old c");
    const std::string font = kFont + " " + kFace + " --height 8 -o " + dir + "/out.c";
    const std::string image = kImage + " " + dir + "/in.png -o " + dir + "/out.c";
    for (const std::string &tool : {font, image}) {
        struct Case {
            std::string header, words;
        };
        for (const Case &c : {Case{dir + "/adir.h", "not a regular file"}, Case{dir + "/out.c", "twice"},
                              Case{dir + "/./out.c", "twice"}, Case{"/dev/null", "not a regular file"}}) {
            SCOPED_TRACE(tool + " --header " + c.header);
            std::string errors;
            EXPECT_EQ(run(tool + " --header " + c.header, &errors), 1);
            EXPECT_NE(errors.find(c.words), std::string::npos) << errors;
            EXPECT_EQ(readText(dir + "/out.c"), "old c");
            EXPECT_TRUE(std::filesystem::is_directory(dir + "/adir.h"));
        }
    }
    for (const auto &entry : std::filesystem::directory_iterator(dir))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
}
