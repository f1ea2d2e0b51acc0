#include "code_page.h"

#include <gtest/gtest.h>

using fontconv::CodePage;
using fontconv::unicodeOf;

TEST(CodePage, Windows1252HighHalfHoldsTheGermanLettersAndPunctuation) {
    EXPECT_EQ(unicodeOf(CodePage::Windows1252, 0x80), U'€');
    EXPECT_EQ(unicodeOf(CodePage::Windows1252, 0x84), U'„');
    EXPECT_EQ(unicodeOf(CodePage::Windows1252, 0x95), U'•');
    EXPECT_EQ(unicodeOf(CodePage::Windows1252, 0x9F), U'Ÿ');
    EXPECT_EQ(unicodeOf(CodePage::Windows1252, 0xE4), U'ä');
    EXPECT_EQ(unicodeOf(CodePage::Windows1252, 0xDF), U'ß');
    EXPECT_EQ(unicodeOf(CodePage::Windows1252, 0xFC), U'ü');
    EXPECT_EQ(unicodeOf(CodePage::Windows1252, 'A'), U'A');
}

TEST(CodePage, ControlCodesAndUndefinedBytesHaveNoCharacter) {
    for (int b : {0x00, 0x0A, 0x1C, 0x1F, 0x7F, 0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_FALSE(unicodeOf(CodePage::Windows1252, uint8_t(b))) << b;
    }
    EXPECT_FALSE(unicodeOf(CodePage::Latin1, 0x80));
    EXPECT_EQ(unicodeOf(CodePage::Latin1, 0xA0), U'\u00A0');
}

TEST(CodePage, NamesAreRecognisedInAnyCase) {
    EXPECT_EQ(fontconv::codePageNamed("Windows-1252"), CodePage::Windows1252);
    EXPECT_EQ(fontconv::codePageNamed("LATIN1"), CodePage::Latin1);
    EXPECT_FALSE(fontconv::codePageNamed("437"));
}
