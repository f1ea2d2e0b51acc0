// The demo's generated fonts and images against what the slide show needs:
// the fonts' headers, glyphs for every character of every text, texts that
// fit their boxes, and images that decode to exactly their source rasters.
#include <algorithm>
#include <fstream>
#include <sstream>

#include "demo_assets.h"
#include "font_format.h"
#include "gimp_pixels.h"
#include "lib_fixture.h"
#include "pages.h"
#include "png_reader.h"
#include "texts.h"
#include "version_fields.h"

using namespace demoria::test;
namespace texts = demoria::texts;

namespace {

int widthOf(const VR_Font *f, int c) {
    const vrfont::Reader r(f);
    return r.widths()[c - r.first()];
}

int textWidth(const VR_Font *f, const char *text) {
    int w = 0;
    for (const char *p = text; *p; ++p) w += widthOf(f, uint8_t(*p)) + 1;
    return w;
}

std::string readFile(const std::string &path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Which font draws which text (font ids as the pages use them).
struct FontText {
    int font;
    const char *text;
};

const FontText kUses[] = {
    {10, texts::kTitleFeatures.c_str()},
    {10, texts::kTitleStructure.c_str()},
    {10, texts::kTitleGraphics.c_str()},
    {10, texts::kTitleBitmaps.c_str()},
    {10, texts::kTitleTexts.c_str()},
    {10, texts::kTitleUi.c_str()},
    {10, texts::kTitleDrivers.c_str()},
    {10, texts::kTitleProjects.c_str()},
    {3, texts::kFeatureList.c_str()},
    {3, texts::kShapeList.c_str()},
    {3, texts::kBitmapList.c_str()},
    {3, texts::kFontTool.c_str()},
    {3, texts::kOr.c_str()},
    {3, texts::kUiElements.c_str()},
    {3, texts::kAlignments.c_str()},
    {3, texts::kDriverList.c_str()},
    {3, texts::kProject1.c_str()},
    {3, texts::kProject2.c_str()},
    {3, texts::kProject3.c_str()},
    {3, "Anzahl: 0123456789-"},
    {4, "0123456789."},
    {6, texts::kSample.c_str()},
    {7, texts::kSample.c_str()},
    {8, texts::kSample.c_str()},
    {9, texts::kSample.c_str()},
};

}  // namespace

TEST(DemoFonts, HeadersMatchTheFontRecipe) {
    for (const FontRecipe &row : kFontRecipes) {
        const int id = row.id;
        SCOPED_TRACE("font " + std::to_string(id));
        const VR_Font *f = kFonts[id - 1];
        const vrfont::Reader r(f);
        EXPECT_EQ(f[vrfont::kSpareAt], 0);
        EXPECT_EQ(r.height(), row.height);
        EXPECT_EQ(r.flags(), row.runLength ? 0x81 : 0x01);
        EXPECT_EQ(r.first(), row.first);
        EXPECT_EQ(r.last(), row.last);
        if (row.runLength) {
            EXPECT_EQ(r.unit(), 1);
            EXPECT_EQ(r.runs()[0], row.runs[0]);
            EXPECT_EQ(r.runs()[1], row.runs[1]);
            EXPECT_EQ(r.runs()[2], row.runs[2]);
        }
        // The header passes the library's checks, and the length field is
        // exactly what the tables add up to: one byte less fails them.
        EXPECT_EQ(vrfont::checkHeader(f, r.length()), vrfont::HeaderFault::None);
        EXPECT_EQ(vrfont::checkHeader(f, r.length() - 1), vrfont::HeaderFault::LongerThanData);
        std::vector<uint8_t> shorter(f, f + r.length());
        vrfont::putLength(shorter.data(), r.length() - 1);
        EXPECT_EQ(vrfont::checkHeader(shorter.data(), shorter.size()), vrfont::HeaderFault::GlyphsPastLength);
        RecordProperty("font" + std::to_string(id) + "_length", int(r.length()));
        if (row.last >= 0xA0) {
            EXPECT_EQ(widthOf(f, 0x7F), 0);
            EXPECT_EQ(widthOf(f, 0xA0), 0);
        }
    }
    // Font 1 has no space: width 0 and no glyph data.
    EXPECT_EQ(widthOf(Demoria_Font1, 0x20), 0);
    EXPECT_EQ(vrfont::Reader(Demoria_Font1).sizes()[0x20 - 0x1F], 0);
    EXPECT_GT(widthOf(Demoria_Font2, 0x20), 0);
}

class DemoFontGlyphs : public LibTest {};

TEST_F(DemoFontGlyphs, EveryCharacterOfEveryTextHasAGlyphInItsFont) {
    uint16_t table = VR_RegisterColourTable(&kTextColours);
    for (const VR_Font *f : kFonts) ASSERT_NE(VR_RegisterFont(f), 0);
    for (const FontText &use : kUses) {
        const VR_Font *f = kFonts[use.font - 1];
        ASSERT_EQ(VR_SetFont(uint16_t(use.font), table), VR_OK);
        for (const char *p = use.text; *p; ++p) {
            const uint8_t c = uint8_t(*p);
            if (c == '\n') continue;  // the text box breaks the line
            SCOPED_TRACE("font " + std::to_string(use.font) + ", character " + std::to_string(c) + " of \"" +
                         use.text + "\"");
            ASSERT_GE(c, vrfont::Reader(f).first());
            ASSERT_LE(c, vrfont::Reader(f).last());
            EXPECT_GT(widthOf(f, c), 0);
            if (c == ' ') continue;
            fake::reset(320, 240);
            VR_Point at = {0, 0};
            ASSERT_EQ(VR_DrawSymbol(&at, c), VR_OK);
            int ink = 0;
            for (int x = 0; x < widthOf(f, c); ++x) {
                for (int y = 0; y < vrfont::Reader(f).height(); ++y)
                    ink += fake::pixel(uint16_t(x), uint16_t(y)) == word(rgb(255, 255, 255));
            }
            EXPECT_GT(ink, 0);
        }
    }
}

TEST(DemoFonts, TextsFitTheirBoxes) {
    // Text boxes lay out lines inside their width less a pixel each side.
    for (const char *title : {"Vantrel Grafikbibliothek", "2-D-Grafikelemente", "UI-Standard-Elemente",
                              "Treiberunterstuetzung", "Bisherige Projekte"}) {
        EXPECT_LE(textWidth(Demoria_Font10, title), 250 - 2) << title;
    }
    for (int id : {6, 7, 8, 9}) EXPECT_LE(textWidth(kFonts[id - 1], texts::kSample.c_str()), 120 - 2) << id;
    EXPECT_LE(textWidth(Demoria_Font3, texts::kOr.c_str()), 60 - 2);
    EXPECT_LE(textWidth(Demoria_Font3, texts::kAlignments.c_str()), 260 - 2);
    EXPECT_LE(textWidth(Demoria_Font4, kLibraryFields.c_str()), 34 - 2);
    // The project texts start far right; every line of them stays on the
    // 320-pixel display.
    const std::pair<int, const char *> projects[] = {
        {95, texts::kProject1.c_str()}, {100, texts::kProject2.c_str()}, {130, texts::kProject3.c_str()}};
    for (auto [x, text] : projects) {
        std::stringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            EXPECT_LE(x + 1 + textWidth(Demoria_Font3, line.c_str()), 320) << line;
        }
    }
}

namespace {

imgconv::Image sourceRaster(int number) {
    const uint8_t white[3] = {255, 255, 255};
    return imgconv::readPng(
        std::string(DEMORIA_ASSET_DIR) + "/Demoria_Image" + std::to_string(number) + ".png", 3, white);
}

}  // namespace

TEST(DemoImages, RecordsMatchTheImageRecipe) {
    for (size_t i = 0; i < std::size(kImages); ++i) {
        SCOPED_TRACE("image " + std::to_string(kImageRecipes[i].number));
        const VR_GIMPBitmap &img = *kImages[i];
        EXPECT_EQ(img.magic[0], 'G');
        EXPECT_EQ(img.magic[1], 'M');
        EXPECT_EQ(img.unused, 0);
        EXPECT_EQ(img.encoding, 1);
        EXPECT_EQ(img.bytesPerPixel, 3);
        const ImageRecipe &recipe = kImageRecipes[i];
        EXPECT_EQ(img.width, recipe.width);
        EXPECT_EQ(img.height, recipe.height);
        const uint32_t key =
            recipe.hasKey ? word(rgb(recipe.key[0], recipe.key[1], recipe.key[2])) : 0xFFFFFFFFu;
        EXPECT_EQ(word(img.keyColour), key);
    }
}

TEST(DemoImages, PacketsCoverExactlyTheSourceRaster) {
    for (size_t i = 0; i < std::size(kImages); ++i) {
        SCOPED_TRACE("image " + std::to_string(kImageRecipes[i].number));
        const VR_GIMPBitmap &img = *kImages[i];
        const size_t count = size_t(img.width) * img.height;
        const size_t bytes = imgconv::runLengthBytes(img.data, count, 3);
        // The array holds these packets and nothing after them.
        std::string source = readFile(std::string(DEMORIA_ASSET_DIR) + "/Demoria_Image" +
                                      std::to_string(kImageRecipes[i].number) + ".c");
        EXPECT_NE(source.find("_pixels[" + std::to_string(bytes) + "] = {"), std::string::npos);
        EXPECT_EQ(imgconv::decodeRunLength(img.data, bytes, count, 3),
                  sourceRaster(kImageRecipes[i].number).pixels);
    }
}

class DemoImageDrawing : public LibTest {};

TEST_F(DemoImageDrawing, TheLibraryDrawsEachImageAsItsSource) {
    for (size_t i = 0; i < std::size(kImages); ++i) {
        SCOPED_TRACE("image " + std::to_string(kImageRecipes[i].number));
        const VR_GIMPBitmap &img = *kImages[i];
        imgconv::Image src = sourceRaster(kImageRecipes[i].number);
        fake::reset(320, 240);
        VR_Point at = {7, 3};
        ASSERT_EQ(VR_DrawGIMPBitmap(&at, &img), VR_OK);
        int wrong = 0, keyed = 0;
        for (int y = 0; y < 240; ++y) {
            for (int x = 0; x < 320; ++x) {
                const bool inside = x >= 7 && x < 7 + img.width && y >= 3 && y < 3 + img.height;
                if (!inside) {
                    wrong += fake::written(uint16_t(x), uint16_t(y));
                    continue;
                }
                const uint8_t *p = &src.pixels[(size_t(y - 3) * img.width + (x - 7)) * 3];
                const ImageRecipe &recipe = kImageRecipes[i];
                const bool hidden = recipe.hasKey && std::equal(p, p + 3, recipe.key);
                keyed += hidden;
                if (hidden) {
                    wrong += fake::written(uint16_t(x), uint16_t(y));
                } else {
                    wrong += fake::pixel(uint16_t(x), uint16_t(y)) != word(rgb(p[0], p[1], p[2]));
                }
            }
        }
        EXPECT_EQ(wrong, 0);
        if (kImageRecipes[i].hasKey) {
            EXPECT_GT(keyed, 0);
        }
    }
}

// A text box shows no line unless its height leaves room for one line of
// its font inside the frame and its one-pixel margins.
TEST(DemoPages, EveryTextBoxHasRoomForALine) {
    std::vector<demoria::PageList> lists{demoria::titlePage};
    for (demoria::PageList page : demoria::featurePages) lists.push_back(page);
    int boxes = 0;
    for (demoria::PageList list : lists) {
        for (size_t i = 0; list[i]; ++i) {
            const demoria::ScreenElement &e = *list[i];
            if (e.type != demoria::kTextBox && e.type != demoria::kVersionBox) continue;
            const auto *box = static_cast<const VR_TextBoxParams *>(e.params);
            ASSERT_GE(box->fontId, 1);
            ASSERT_LE(box->fontId, std::size(kFonts));
            const int height = vrfont::Reader(kFonts[box->fontId - 1]).height();
            EXPECT_GE(int(box->height), 2 * int(box->borderWidth) + 2 + height)
                << "box at (" << e.x << ", " << e.y << ") with font " << box->fontId;
            ++boxes;
        }
    }
    EXPECT_GT(boxes, 20);
}
