// The font registry, font selection and the lookups seen through measuring.
#include <vector>

#include "font_format.h"
#include "lib_fixture.h"

namespace {

// Plain, height 5, 'a'..'c' of widths 3, 0, 2; the glyph bits are not
// looked at here.
const VR_Font kFive[] = {0, 15, 0, 5, 0x01, 'a', 'c', 3, 0, 2, 0, 0, 0, 0, 0};
// Run-length, height 7, 'x' only, width 4: three paper runs of 11.
const VR_Font kSeven[] = {0, 15, 0, 7, 0x81, 'x', 'x', 4, 1, 2, 5, 11, 2, 0xDB, 0x00};

const VR_Colour kColours[] = {rgb(0, 0, 0), rgb(255, 255, 255)};
const VR_ColourTable kTable{2, 0, kColours};

using FontTest = LibTest;

VR_Size measure(const char *text, VR_Status expected = VR_OK) {
    VR_Size s{0xEEEE, 0xEEEE};
    EXPECT_EQ(VR_GetStringDimension(text, &s), expected) << text;
    return s;
}

TEST_F(FontTest, RegistryFillsLowestFreeSlotAndRefusesAnEleventh) {
    EXPECT_EQ(VR_RegisterFont(nullptr), 0);
    for (uint16_t id = 1; id <= 10; ++id) EXPECT_EQ(VR_RegisterFont(kFive), id);
    EXPECT_EQ(VR_RegisterFont(kFive), 0);
    EXPECT_EQ(VR_UnregisterFont(3), VR_OK);
    EXPECT_EQ(VR_UnregisterFont(3), VR_ERR_NOT_REGISTERED);
    EXPECT_EQ(VR_RegisterFont(kSeven), 3);
    EXPECT_EQ(VR_UnregisterFont(0), VR_ERR_NOT_REGISTERED);
    EXPECT_EQ(VR_UnregisterFont(11), VR_ERR_NOT_REGISTERED);
    ASSERT_EQ(VR_InitVRLib(ignoreHardKey), VR_OK);
    EXPECT_EQ(VR_UnregisterFont(1), VR_ERR_NOT_REGISTERED);
    EXPECT_EQ(VR_UnregisterFont(0), VR_ERR_NOT_REGISTERED);
}

TEST_F(FontTest, SetFontLooksUpTheColourTableFirstAndChangesNothingOnFailure) {
    ASSERT_EQ(VR_RegisterFont(kFive), 1);
    ASSERT_EQ(VR_RegisterFont(kSeven), 2);
    ASSERT_EQ(VR_RegisterColourTable(&kTable), 1);
    ASSERT_EQ(VR_SetFont(1, 1), VR_OK);

    EXPECT_EQ(VR_SetFont(9, 9), VR_ERR_COLOUR_TABLE);
    EXPECT_EQ(VR_SetFont(2, 0), VR_ERR_COLOUR_TABLE);
    EXPECT_EQ(VR_SetFont(2, 11), VR_ERR_COLOUR_TABLE);
    EXPECT_EQ(VR_SetFont(9, 1), VR_ERR_FONT);
    EXPECT_EQ(VR_SetFont(0, 1), VR_ERR_FONT);

    uint16_t font = 0, table = 0;
    ASSERT_EQ(VR_GetFont(&font, &table), VR_OK);
    EXPECT_EQ(font, 1);
    EXPECT_EQ(table, 1);
    EXPECT_EQ(measure("a").height, 5);  // still the height-5 font

    ASSERT_EQ(VR_SetFont(2, 1), VR_OK);
    EXPECT_EQ(measure("xx").width, 10);
    EXPECT_EQ(measure("xx").height, 7);

    EXPECT_EQ(VR_GetFont(nullptr, &table), VR_ERR_PARAM);
    EXPECT_EQ(VR_GetFont(&font, nullptr), VR_ERR_PARAM);
}

TEST_F(FontTest, MeasuringSumsAdvancesAndStopsAtACharacterOutsideTheFont) {
    ASSERT_EQ(VR_RegisterFont(kFive), 1);
    ASSERT_EQ(VR_RegisterColourTable(&kTable), 1);
    ASSERT_EQ(VR_SetFont(1, 1), VR_OK);

    EXPECT_EQ(measure("abc").width, 4 + 1 + 3);
    EXPECT_EQ(measure("b").width, 1);  // a zero-width glyph still advances
    const VR_Size empty = measure("");
    EXPECT_EQ(empty.width, 0);
    EXPECT_EQ(empty.height, 5);
    // Stopped: the width of the characters before the offending one.
    EXPECT_EQ(measure("ab`c", VR_ERR_RANGE).width, 5);
    EXPECT_EQ(measure("c\xE1", VR_ERR_RANGE).width, 3);
    EXPECT_EQ(measure("d", VR_ERR_RANGE).height, 5);

    VR_Size s;
    EXPECT_EQ(VR_GetStringDimension(nullptr, &s), VR_ERR_PARAM);
    EXPECT_EQ(VR_GetStringDimension("a", nullptr), VR_ERR_PARAM);
}

TEST_F(FontTest, CurrentFontOutlivesUnregisteringAndReinitialising) {
    ASSERT_EQ(VR_RegisterFont(kFive), 1);
    ASSERT_EQ(VR_RegisterColourTable(&kTable), 1);
    ASSERT_EQ(VR_SetFont(1, 1), VR_OK);
    ASSERT_EQ(VR_UnregisterFont(1), VR_OK);
    ASSERT_EQ(VR_UnregisterColourTable(1), VR_OK);
    ASSERT_EQ(VR_InitVRLib(ignoreHardKey), VR_OK);

    uint16_t font = 0, table = 0;
    ASSERT_EQ(VR_GetFont(&font, &table), VR_OK);
    EXPECT_EQ(font, 1);
    EXPECT_EQ(table, 1);
    EXPECT_EQ(measure("ac").width, 7);
    // ... and drawing keeps the captured colours: 'b' is one paper column.
    const VR_Point at{4, 4};
    ASSERT_EQ(VR_DrawSymbol(&at, 'b'), VR_OK);
    EXPECT_EQ(fake::ascii(3, 3, 3, 7, {{word(kColours[0]), '-'}}),
              "...\n"
              ".-.\n"
              ".-.\n"
              ".-.\n"
              ".-.\n"
              ".-.\n"
              "...\n");
}

// Headers that cannot be true, each a small edit of a valid font. They are
// refused when selected, before any table is read, and the font in use
// stays current. The first is the font that used to crash VR_SetFont: its
// character count wrapped to about 4 G and the tables were looked for there.
struct Lie {
    const char *what;
    std::vector<uint8_t> font;
    vrfont::HeaderFault fault;
};
using F = vrfont::HeaderFault;
const Lie kLies[] = {
    {"run-length, last below first",
     {0, 15, 0, 7, 0x81, 'x', 'w', 4, 1, 2, 5, 11, 2, 0xDB, 0x00},
     F::LastBelowFirst},
    {"plain, last below first", {0, 9, 0, 3, 0x01, 'b', 'a', 2, 0x15}, F::LastBelowFirst},
    {"length inside the header", {0, 6, 0, 3, 0x01, 'a', 'a', 2, 0x15}, F::ShorterThanHeader},
    {"plain, widths beyond the length", {0, 9, 0, 3, 0x01, 'a', 'a', 9, 0x15}, F::GlyphsPastLength},
    {"plain, height beyond the length", {0, 9, 0, 200, 0x01, 'a', 'a', 2, 0x15}, F::GlyphsPastLength},
    {"plain, all 256 widths claimed by 9 bytes", {0, 9, 0, 3, 0x01, 0, 255, 2, 0x15}, F::TablesPastLength},
    {"run-length, tables beyond the length",
     {0, 12, 0, 4, 0x81, 'x', 'y', 1, 1, 1, 2, 5, 11},
     F::TablesPastLength},
    {"run-length, run of 0", {0, 14, 0, 4, 0x81, 'x', 'x', 1, 1, 2, 0, 11, 1, 0x2D}, F::ZeroRun},
    {"run-length, sizes beyond the length",
     {0, 14, 0, 4, 0x81, 'x', 'x', 1, 1, 2, 5, 11, 9, 0x2D},
     F::GlyphsPastLength},
    {"run-length, unit 200", {0, 14, 0, 4, 0x81, 'x', 'x', 1, 200, 2, 5, 11, 1, 0x2D}, F::GlyphsPastLength},
    {"run-length, inked glyph of size 0",
     {0, 14, 0, 4, 0x81, 'x', 'x', 1, 1, 2, 5, 11, 0, 0x2D},
     F::GlyphWithoutData},
    {"run-length, unit 0", {0, 14, 0, 4, 0x81, 'x', 'x', 1, 0, 2, 5, 11, 1, 0x2D}, F::GlyphWithoutData},
    // 28 pixels need at least 3 tokens of at most 11: 9 bits, 2 bytes.
    {"run-length, one byte for 28 pixels",
     {0, 15, 0, 7, 0x81, 'x', 'x', 4, 1, 2, 5, 11, 1, 0xDB, 0x00},
     F::GlyphWithoutData},
};

TEST_F(FontTest, HeadersThatCannotBeTrueAreRefusedWhenSelected) {
    ASSERT_EQ(vrfont::checkHeader(kFive, sizeof kFive), F::None);
    ASSERT_EQ(vrfont::checkHeader(kSeven, sizeof kSeven), F::None);
    ASSERT_EQ(VR_RegisterColourTable(&kTable), 1);
    ASSERT_EQ(VR_RegisterFont(kSeven), 1);
    ASSERT_EQ(VR_SetFont(1, 1), VR_OK);
    for (const Lie &lie : kLies) {
        SCOPED_TRACE(lie.what);
        EXPECT_EQ(vrfont::checkHeader(lie.font.data(), lie.font.size()), lie.fault)
            << vrfont::describe(vrfont::checkHeader(lie.font.data(), lie.font.size()));
        const uint16_t id = VR_RegisterFont(lie.font.data());  // registration takes any pointer
        ASSERT_EQ(id, 2);
        EXPECT_EQ(VR_SetFont(id, 9), VR_ERR_COLOUR_TABLE);  // the table is still looked up first
        EXPECT_EQ(VR_SetFont(id, 1), VR_ERR_FORMAT);
        uint16_t font = 0, table = 0;
        ASSERT_EQ(VR_GetFont(&font, &table), VR_OK);
        EXPECT_EQ(font, 1);
        EXPECT_EQ(measure("xx").width, 10);  // the height-7 font is still in use
        EXPECT_EQ(measure("xx").height, 7);
        ASSERT_EQ(VR_UnregisterFont(id), VR_OK);
    }
}

TEST_F(FontTest, TheLengthFieldMustNotClaimMoreThanTheData) {
    // A checker that knows the data's size (a tool, a fuzzer) also holds
    // the length field to it and reads nothing beyond.
    EXPECT_EQ(vrfont::checkHeader(kFive, sizeof kFive - 1), F::LongerThanData);
    EXPECT_EQ(vrfont::checkHeader(kFive, 6), F::ShorterThanHeader);
}

}  // namespace
