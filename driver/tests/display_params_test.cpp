// The INI reader on its own: read order, defaults, cutting to the field
// widths, and the tolerance of the platform's INI reading.
#include "display_params.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "ini_dir_fixture.h"
#include "ini_section.h"

using lumisim::DisplayParams;
using lumisim::readDisplayParams;

namespace {

class DisplayParamsTest : public IniDirTest {
  protected:
    static DisplayParams read(std::string_view ini) {
        writeIni(ini);
        return readDisplayParams();
    }
};

void expectDefaults(const DisplayParams &p) {
    EXPECT_EQ(p.xPosDisplay, 0);
    EXPECT_EQ(p.yPosDisplay, 0);
    EXPECT_EQ(p.info.xSize, 320);
    EXPECT_EQ(p.info.ySize, 240);
    EXPECT_EQ(p.info.displayWidth, 320);
    EXPECT_EQ(p.info.displayHeight, 240);
    EXPECT_EQ(p.info.crRed, 8);
    EXPECT_EQ(p.info.crGreen, 8);
    EXPECT_EQ(p.info.crBlue, 8);
    EXPECT_EQ(p.info.reserved, 0);
    EXPECT_EQ(p.info.orientation, 0);
    EXPECT_EQ(p.info.colourMode, 2);
}

TEST_F(DisplayParamsTest, NoUsableFileGivesDefaults) {
    {
        SCOPED_TRACE("no file");
        expectDefaults(readDisplayParams());
    }
    {
        SCOPED_TRACE("empty file");
        expectDefaults(read(""));
    }
    {
        SCOPED_TRACE("keys of another section only");
        expectDefaults(read("[Other]\nXSize=100\nYSize=50\nOrientation=1\n"));
    }
    {
        SCOPED_TRACE("keys before any section");
        expectDefaults(read("XSize=100\n[DisplayParams]\n"));
    }
    {
        SCOPED_TRACE("a directory in the file's place");
        std::filesystem::remove("Lumisim.ini");
        std::filesystem::create_directory("Lumisim.ini");
        expectDefaults(readDisplayParams());
    }
}

TEST_F(DisplayParamsTest, EveryKeyLandsInItsField) {
    const DisplayParams p = read(
        "[DisplayParams]\nXSize=128\nYSize=64\nOrientation=2\nColourMode=2\n"
        "CRRed=5\nCRGreen=6\nCRBlue=7\nXPosDisplay=30\nYPosDisplay=40\n");
    EXPECT_EQ(p.info.xSize, 128);
    EXPECT_EQ(p.info.ySize, 64);
    EXPECT_EQ(p.info.displayWidth, 128);
    EXPECT_EQ(p.info.displayHeight, 64);
    EXPECT_EQ(p.info.orientation, 2);
    EXPECT_EQ(p.info.colourMode, 2);
    EXPECT_EQ(p.info.crRed, 5);
    EXPECT_EQ(p.info.crGreen, 6);
    EXPECT_EQ(p.info.crBlue, 7);
    EXPECT_EQ(p.info.reserved, 0);
    EXPECT_EQ(p.xPosDisplay, 30);
    EXPECT_EQ(p.yPosDisplay, 40);
}

TEST_F(DisplayParamsTest, OrientationDecidesTheLogicalSize) {
    struct Case {
        const char *value;
        int32_t orientation;
        bool swapped;
    };
    for (const Case c : {Case{"0", 0, false}, Case{"1", 1, true}, Case{"2", 2, false}, Case{"3", 3, true},
                         Case{"4", 4, false}, Case{"6", 6, false}, Case{"7", 7, true}, Case{"8", 8, true},
                         Case{"100", 0, false}, Case{"4294967295", -1, true}}) {
        SCOPED_TRACE(c.value);
        const DisplayParams p =
            read(std::string("[DisplayParams]\nXSize=320\nYSize=240\nOrientation=") + c.value + "\n");
        EXPECT_EQ(p.info.orientation, c.orientation);
        EXPECT_EQ(p.info.xSize, 320);
        EXPECT_EQ(p.info.ySize, 240);
        EXPECT_EQ(p.info.displayWidth, c.swapped ? 240 : 320);
        EXPECT_EQ(p.info.displayHeight, c.swapped ? 320 : 240);
    }
}

TEST_F(DisplayParamsTest, ValuesAreCutToTheFieldWidth) {
    DisplayParams p = read("[DisplayParams]\nXSize=65536\nYSize=65537\nCRRed=256\nCRGreen=257\nCRBlue=511\n");
    EXPECT_EQ(p.info.xSize, 320);  // low 16 bits 0: the default
    EXPECT_EQ(p.info.ySize, 1);
    EXPECT_EQ(p.info.crRed, 8);  // low 8 bits 0: the default
    EXPECT_EQ(p.info.crGreen, 1);
    EXPECT_EQ(p.info.crBlue, 255);

    // More digits than 32 bits hold: the low bits of the whole number.
    p = read("[DisplayParams]\nXSize=4294967301\nYSize=99999999999999999999\n");
    EXPECT_EQ(p.info.xSize, 5);      // 2^32 + 5
    EXPECT_EQ(p.info.ySize, 65535);  // 10^20 - 1, and 2^16 divides 10^20
}

TEST_F(DisplayParamsTest, ColourModeDecidesWhetherResolutionsAreRead) {
    DisplayParams p = read("[DisplayParams]\nColourMode=1\nCRRed=5\nCRGreen=6\nCRBlue=7\n");
    EXPECT_EQ(p.info.colourMode, 1);
    EXPECT_EQ(p.info.crRed, 0);
    EXPECT_EQ(p.info.crGreen, 0);
    EXPECT_EQ(p.info.crBlue, 0);

    p = read("[DisplayParams]\nColourMode=3\nCRRed=5\n");
    EXPECT_EQ(p.info.colourMode, 3);
    EXPECT_EQ(p.info.crRed, 0);

    p = read("[DisplayParams]\nColourMode=0\nCRRed=5\n");
    EXPECT_EQ(p.info.colourMode, 2);
    EXPECT_EQ(p.info.crRed, 5);
    EXPECT_EQ(p.info.crGreen, 8);
}

TEST_F(DisplayParamsTest, ZeroXPosDisplayStopsBeforeYPosDisplay) {
    DisplayParams p = read("[DisplayParams]\nXPosDisplay=0\nYPosDisplay=50\n");
    EXPECT_EQ(p.xPosDisplay, 0);
    EXPECT_EQ(p.yPosDisplay, 0);

    p = read("[DisplayParams]\nYPosDisplay=50\n");
    EXPECT_EQ(p.yPosDisplay, 0);

    p = read("[DisplayParams]\nXPosDisplay=65536\nYPosDisplay=50\n");  // cut to 0 first
    EXPECT_EQ(p.yPosDisplay, 0);

    p = read("[DisplayParams]\nXPosDisplay=1\nYPosDisplay=50\n");
    EXPECT_EQ(p.xPosDisplay, 1);
    EXPECT_EQ(p.yPosDisplay, 50);
}

TEST_F(DisplayParamsTest, ValueIsItsLeadingDigits) {
    struct Case {
        const char *value;
        uint16_t xSize;
    };
    for (const Case c :
         {Case{"12abc", 12}, Case{"  12  ", 12}, Case{"12 34", 12}, Case{"12;note", 12}, Case{"0x20", 320},
          Case{"-5", 320}, Case{"+7", 320}, Case{"abc", 320}, Case{"", 320}, Case{"007", 7}}) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(read(std::string("[DisplayParams]\nXSize=") + c.value + "\n").info.xSize, c.xSize);
    }
}

TEST_F(DisplayParamsTest, ReadsLikeThePlatformsIniFiles) {
    {
        SCOPED_TRACE("CRLF and a byte-order mark");
        const DisplayParams p = read("\xEF\xBB\xBF[DisplayParams]\r\nXSize=100\r\nYSize=50\r\n");
        EXPECT_EQ(p.info.xSize, 100);
        EXPECT_EQ(p.info.ySize, 50);
    }
    {
        SCOPED_TRACE("case of section and key names");
        const DisplayParams p = read("[displayPARAMS]\nxsize=100\nYSIZE=50\n");
        EXPECT_EQ(p.info.xSize, 100);
        EXPECT_EQ(p.info.ySize, 50);
    }
    {
        SCOPED_TRACE("blanks around names, values and inside the brackets");
        const DisplayParams p = read("  [ DisplayParams ]  \n\t XSize \t=\t 100 \t\n   YSize   =   50\n");
        EXPECT_EQ(p.info.xSize, 100);
        EXPECT_EQ(p.info.ySize, 50);  // indented: a key of its own, not a continuation
    }
    {
        SCOPED_TRACE("comment lines");
        const DisplayParams p = read("; XSize=1\n[DisplayParams]\n;XSize=2\n  ; YSize=3\nXSize=100\n");
        EXPECT_EQ(p.info.xSize, 100);
        EXPECT_EQ(p.info.ySize, 240);
    }
    {
        SCOPED_TRACE("the first occurrence of a key wins, also across repeated sections");
        const DisplayParams p = read(
            "[DisplayParams]\nXSize=100\nXSize=200\nxsize=300\n[Other]\nYSize=7\n"
            "[DisplayParams]\nXSize=400\nYSize=50\n");
        EXPECT_EQ(p.info.xSize, 100);
        EXPECT_EQ(p.info.ySize, 50);
    }
    {
        SCOPED_TRACE("last line without a line end");
        EXPECT_EQ(read("[DisplayParams]\nXSize=100").info.xSize, 100);
    }
}

TEST_F(DisplayParamsTest, GarbageIsSkippedNotFatal) {
    {
        SCOPED_TRACE("garbage lines between keys");
        const DisplayParams p = read(
            "[DisplayParams]\nno equals sign here\n=5\n[unclosed\nXSize=100\n]]]\n\x01\x02\xFF\xFE\n"
            "YSize=50\n");
        EXPECT_EQ(p.info.xSize, 100);
        EXPECT_EQ(p.info.ySize, 50);
    }
    {
        SCOPED_TRACE("binary bytes with NULs");
        std::string junk;
        for (int i = 0; i < 4096; ++i) junk += char((i * 37 + 11) % 256);
        expectDefaults(read(std::string("[DisplayParams]\n") + junk));
    }
    {
        SCOPED_TRACE("the tail of an overlong line is no line of its own");
        for (size_t pad : {190u, 191u, 192u, 193u, 194u, 195u, 196u, 197u, 198u, 199u, 200u, 1000u}) {
            SCOPED_TRACE(pad);
            const DisplayParams p =
                read("[DisplayParams]\nNote=" + std::string(pad, 'a') + "YSize=77\nXSize=100\n");
            EXPECT_EQ(p.info.ySize, 240);
            EXPECT_EQ(p.info.xSize, 100);
        }
    }
}

TEST_F(DisplayParamsTest, LinesOfAnyLengthReadAsTheyWouldShort) {
    const std::string many(300, ' ');
    struct Case {
        std::string name, ini;
        uint16_t xSize, ySize;
    };
    for (const Case &c : {
             Case{"a value's digits reach past any line buffer",
                  "[DisplayParams]\nYSize=" + std::string(249, '0') + "7\nXSize=" + std::string(290, '0') +
                      "123\n",
                  123, 7},
             Case{"the value behind a long run of blanks", "[DisplayParams]\nXSize=" + many + "100\n", 100,
                  240},
             Case{"a long inline comment after the value",
                  "[DisplayParams]\nXSize=100 ;" + std::string(300, 'x') + "\nYSize=50\n", 100, 50},
             Case{"a long comment line before the keys",
                  ";" + std::string(300, '-') + "\n[DisplayParams]\nXSize=100\n", 100, 240},
             Case{"our section name padded with blanks", "[DisplayParams" + many + "]\nXSize=100\n", 100,
                  240},
             Case{"a long section name that is not ours",
                  "[DisplayParams]\n[DisplayParams" + std::string(300, 'X') + "]\nXSize=100\n", 320, 240},
             Case{"a long unterminated section line keeps the section",
                  "[DisplayParams]\n[Other" + std::string(300, 'X') + "\nXSize=100\n", 100, 240},
             Case{"a long key name is no key of ours",
                  "[DisplayParams]\nXSize" + std::string(300, 'e') + "=5\nXSize=100\n", 100, 240},
             Case{"CRLF after a long line",
                  "[DisplayParams]\r\nYSize=" + std::string(249, '0') + "7\r\nXSize=100\r\n", 100, 7},
         }) {
        SCOPED_TRACE(c.name);
        const DisplayParams p = read(c.ini);
        EXPECT_EQ(p.info.xSize, c.xSize);
        EXPECT_EQ(p.info.ySize, c.ySize);
    }
}

// Each in a child process that an alarm ends: a reader that blocks fails
// the test instead of hanging it.
TEST_F(DisplayParamsTest, OnlyRegularFilesAreReadAndNothingBlocks) {
    const auto readsDefaultsPromptly = [] {
        alarm(1);
        const DisplayParams p = readDisplayParams();
        std::_Exit(p.info.xSize == 320 && p.info.ySize == 240 ? 0 : 1);
    };
    {
        SCOPED_TRACE("a FIFO nobody writes");
        ASSERT_EQ(mkfifo("Lumisim.ini", 0600), 0);
        EXPECT_EXIT(readsDefaultsPromptly(), ::testing::ExitedWithCode(0), "");
        std::filesystem::remove("Lumisim.ini");
    }
    {
        SCOPED_TRACE("a link to an endless device");
        std::filesystem::create_symlink("/dev/zero", "Lumisim.ini");
        EXPECT_EXIT(readsDefaultsPromptly(), ::testing::ExitedWithCode(0), "");
        std::filesystem::remove("Lumisim.ini");
    }
    {
        SCOPED_TRACE("a huge file: its start counts, the rest past the size limit is not read");
        std::string ini = "[DisplayParams]\nXSize=100\n";
        ini += std::string(lumisim::kMaxIniBytes, '\n');
        ini += "YSize=50\n";
        const DisplayParams p = read(ini);
        EXPECT_EQ(p.info.xSize, 100);
        EXPECT_EQ(p.info.ySize, 240);
    }
}

// The other sections ([Window], [Keys]) are read with the same rules:
// byte-order mark, blanks and case around the section name, indented keys,
// first occurrence wins; an overlong line is cut, not split into two.
TEST_F(DisplayParamsTest, OtherSectionsReadByTheSameRules) {
    using Entries = lumisim::IniEntries;
    const std::string longValue(300, '7');
    const struct {
        const char *name;
        std::string ini;
        Entries entries;
    } cases[] = {
        {"mark, blanks and case",
         "\xEF\xBB\xBF[ keys ]\r\n  F1 = 1\r\nf1=2\nSpace=7\n",
         {{"F1", "1"}, {"Space", "7"}}},
        {"another section between", "[Keys]\nA=1\n[Window]\nA=2\n[KEYS]\nB=3\n", {{"A", "1"}, {"B", "3"}}},
        {"an overlong line",
         "[Keys]\nA=" + longValue + "\n" + longValue + "=x\nB=2\n",
         {{"A", longValue.substr(0, 196)}, {"B", "2"}}},
        {"no such section", "[Window]\nZoom=2\n", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        writeIni(c.ini);
        EXPECT_EQ(lumisim::readIniSection(lumisim::kIniFileName, "Keys"), c.entries);
    }
    std::filesystem::remove(lumisim::kIniFileName);
    ASSERT_EQ(mkfifo(lumisim::kIniFileName, 0600), 0);
    EXPECT_EXIT(
        (alarm(1), std::_Exit(lumisim::readIniSection(lumisim::kIniFileName, "Keys").empty() ? 0 : 1)),
        ::testing::ExitedWithCode(0), "")
        << "a FIFO nobody writes must read as no file, at once";
}

}  // namespace
