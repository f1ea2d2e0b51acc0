// The slide texts come out as Windows-1252 bytes, converted while compiling.
#include "texts.h"

#include <gtest/gtest.h>

#include <string>

#include "cp1252.h"

namespace demoria {
namespace {

template <size_t N>
std::string bytes(const Cp1252Text<N> &t) {
    return std::string(t.c_str());
}

TEST(Cp1252, GermanLettersAndBulletBecomeSingleBytes) {
    EXPECT_EQ(bytes(cp1252(u8"äöüßÄÖÜ")), "\xE4\xF6\xFC\xDF\xC4\xD6\xDC");
    EXPECT_EQ(bytes(cp1252(u8"\x1c x")), "\x1C x");
    // Characters of the code page outside Latin-1, and a three-byte one.
    EXPECT_EQ(bytes(cp1252(u8"€•–")), "\x80\x95\x96");
    // Plain ASCII passes unchanged; the output is zero-padded behind.
    constexpr auto plain = cp1252(u8"Dieser");
    EXPECT_EQ(bytes(plain), "Dieser");
    static_assert(sizeof(plain.bytes) == 7 && plain.bytes[6] == 0);
    // Done by the compiler: usable where only constants are.
    static_assert(cp1252(u8"läßt").bytes[1] == char(0xE4) && cp1252(u8"läßt").bytes[2] == char(0xDF));
}

TEST(SlideTexts, UmlautsBulletsAndLineBreaksAreTheRightBytes) {
    EXPECT_EQ(bytes(texts::kFeatureList),
              "\x1C Implementierung in ANSI-C\n"
              "  \x1C Geringe Codegr\xF6\xDF"
              "e\n"
              "    \x1C Hohe Performance\n"
              "      \x1C Einfache API\n"
              "        \x1C Schnell einsatzbereit\n"
              "          \x1C Plattformunabh\xE4ngig\n"
              "            \x1C Gro\xDF"
              "er Funktionsumfang");
    EXPECT_EQ(bytes(texts::kFontTool).substr(bytes(texts::kFontTool).size() - 5), "l\xE4\xDFt.");
    EXPECT_EQ(bytes(texts::kDriverList),
              " F\xFCr Vantrel verf\xFC"
              "gbare Treiber:\n\n\x1C HX5051\n\x1C S6B1713\n\x1C S6E63D6\n\x1C SSD0323\n\x1C SSD1325\n"
              "\x1C SSD1339\n\x1C ST7565R\n\x1C Framebuffered Devices\n\x1C Memory Mapped Devices");
    EXPECT_EQ(bytes(texts::kProject1), "\x1C Steuerung f\xFCr ein\nIntraoralr\xF6ntgenger\xE4t");
    EXPECT_EQ(bytes(texts::kProject2), "\x1C R\xF6ntgenstrahlersteuerung");
    EXPECT_EQ(bytes(texts::kShapeList), "    \x1C Rechtecke\n  \x1C Kreise\n\x1C Linien");
}

TEST(SlideTexts, BlanksThatBelongToTheTextsAreKept) {
    EXPECT_EQ(bytes(texts::kAlignments), "LINKS     ZENTRIERT     RECHTS");
    EXPECT_EQ(bytes(texts::kUiElements).back(), ' ');
    EXPECT_EQ(bytes(texts::kTitleDrivers), "Vantrel Grafikbibliothek\nTreiberunterstuetzung");
}

}  // namespace
}  // namespace demoria
