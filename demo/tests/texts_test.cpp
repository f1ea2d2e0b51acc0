// The slide texts come out as Windows-1252 bytes, converted while compiling.
#include "texts.h"

#include <gtest/gtest.h>

#include <string>

#include "VRCp1252.hpp"

namespace demoria {
namespace {

template <size_t N>
std::string bytes(const vr::Cp1252Text<N> &t) {
    return std::string(t.c_str());
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
