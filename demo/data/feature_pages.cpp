// The eight feature pages (group 2): black, a centred title, the shared bars
// and version box, and a few elements showing one group of features each.
#include "assets.h"
#include "pages.h"
#include "texts.h"

namespace demoria {

namespace {

constexpr VR_Colour kNone = {0, 0, 0, 0};
constexpr VR_Colour kRed = {0, 255, 0, 0};

constexpr VR_TextBoxParams textBox(uint16_t w, uint16_t h, uint16_t font, uint32_t alignment,
                                   uint8_t lineSpacing, VR_Colour border, uint32_t borderWidth,
                                   const char *text) {
    return VR_TextBoxParams{.width = w,
                            .height = h,
                            .fontId = font,
                            .colourTableId = 1,
                            .alignment = alignment,
                            .lineSpacing = lineSpacing,
                            .borderColour = border,
                            .padding = {},
                            .borderWidth = borderWidth,
                            .text = text};
}

// "Vantrel Grafikbibliothek" and the page's title, centred at the top.
constexpr VR_TextBoxParams titleBox(const char *text) { return textBox(250, 52, 10, 1, 0, kRed, 0, text); }

// The body text of the pages: font 3, left, red border colour, no frame.
constexpr VR_TextBoxParams bodyBox(uint16_t w, uint16_t h, const char *text) {
    return textBox(w, h, 3, 0, 0, kRed, 0, text);
}

// A centred text sample without frame colour.
constexpr VR_TextBoxParams sampleBox(uint16_t w, uint16_t h, uint16_t font, const char *text) {
    return textBox(w, h, font, 1, 0, kNone, 0, text);
}

constexpr void *image(const VR_GIMPBitmap &bitmap) { return const_cast<VR_GIMPBitmap *>(&bitmap); }

// ---------------------------------------------------------------- page 1
VR_TextBoxParams p1Title = titleBox(texts::kTitleFeatures.c_str());
VR_TextBoxParams p1Body = bodyBox(300, 180, texts::kFeatureList.c_str());
ScreenElement p1e4 = {kTextBox, 50, 0, 1, &p1Title};
ScreenElement p1e5 = {kTextBox, 40, 80, 1, &p1Body};
ScreenElement *const page1[] = {&sharedPageBar, &sharedCycleBar, &sharedVersionBox, &p1e4, &p1e5, nullptr};

// ---------------------------------------------------------------- page 2
VR_TextBoxParams p2Title = titleBox(texts::kTitleStructure.c_str());
ScreenElement p2e3 = {kTextBox, 50, 0, 1, &p2Title};
ScreenElement p2e4 = {kGimpImage, 10, 50, 1, image(Demoria_Image2)};
// The version box comes last here, over the architecture picture.
ScreenElement *const page2[] = {&sharedPageBar, &sharedCycleBar, &p2e3, &p2e4, &sharedVersionBox, nullptr};

// ---------------------------------------------------------------- page 3
VR_TextBoxParams p3Title = titleBox(texts::kTitleGraphics.c_str());
VR_TextBoxParams p3Body = bodyBox(120, 60, texts::kShapeList.c_str());
AreaSize p3Area = {140, 150};
VR_RectParams p3Rect = {.width = 85,
                        .height = 40,
                        .borderColour = kRed,
                        .patternColour1 = {0, 0, 255, 0},
                        .patternColour0 = {0, 0, 0, 255},
                        .borderWidth = 3,
                        .reserved = 0,
                        .fillPattern = 2};
VR_CircleParams p3Circle = {32, kRed};
DemoLine p3Line = {{30, 215, 125, 130, kRed}, 5};
ScreenElement p3e4 = {kTextBox, 50, 0, 1, &p3Title};
ScreenElement p3e5 = {kTextBox, 20, 60, 1, &p3Body};
ScreenElement p3e6 = {kRandomArea, 160, 50, 1, &p3Area};
ScreenElement p3e7 = {kRectangle, 35, 135, 1, &p3Rect};
ScreenElement p3e8 = {kCircle, 105, 195, 1, &p3Circle};
ScreenElement p3e9 = {kLine, 100, 100, 1, &p3Line};
ScreenElement *const page3[] = {
    &sharedPageBar, &sharedCycleBar, &sharedVersionBox, &p3e4, &p3e5, &p3e6, &p3e7, &p3e8, &p3e9, nullptr};

// ---------------------------------------------------------------- page 4
VR_TextBoxParams p4Title = titleBox(texts::kTitleBitmaps.c_str());
VR_TextBoxParams p4Body = bodyBox(280, 100, texts::kBitmapList.c_str());
ScreenElement p4e4 = {kTextBox, 50, 0, 1, &p4Title};
ScreenElement p4e5 = {kTextBox, 20, 60, 1, &p4Body};
ScreenElement p4e6 = {kGimpImage, 50, 130, 1, image(Demoria_Image3)};
ScreenElement *const page4[] = {&sharedPageBar, &sharedCycleBar, &sharedVersionBox, &p4e4, &p4e5,
                                &p4e6,          nullptr};

// ---------------------------------------------------------------- page 5
// The four typeface samples are 34 to 38 pixels high; a box of 30 would
// leave no room for a single line and show nothing, so the boxes are made
// high enough for the tallest (one pixel of margin above and below).
constexpr uint16_t kSampleHeight = 40;
VR_TextBoxParams p5Title = titleBox(texts::kTitleTexts.c_str());
VR_TextBoxParams p5Body = bodyBox(300, 180, texts::kFontTool.c_str());
VR_TextBoxParams p5Sample9 = sampleBox(120, kSampleHeight, 9, texts::kSample.c_str());
VR_TextBoxParams p5Sample8 = sampleBox(120, kSampleHeight, 8, texts::kSample.c_str());
VR_TextBoxParams p5Sample7 = sampleBox(120, kSampleHeight, 7, texts::kSample.c_str());
VR_TextBoxParams p5Sample6 = sampleBox(120, kSampleHeight, 6, texts::kSample.c_str());
VR_TextBoxParams p5Or = sampleBox(60, 30, 3, texts::kOr.c_str());
ScreenElement p5e4 = {kTextBox, 50, 0, 1, &p5Title};
ScreenElement p5e5 = {kTextBox, 10, 50, 1, &p5Body};
ScreenElement p5e6 = {kTextBox, 20, 120, 1, &p5Sample9};
ScreenElement p5e7 = {kTextBox, 170, 120, 1, &p5Sample8};
ScreenElement p5e8 = {kTextBox, 20, 180, 1, &p5Sample7};
ScreenElement p5e9 = {kTextBox, 170, 180, 1, &p5Sample6};
ScreenElement p5e10 = {kTextBox, 120, 170, 1, &p5Or};
ScreenElement *const page5[] = {
    &sharedPageBar, &sharedCycleBar, &sharedVersionBox, &p5e4, &p5e5, &p5e6, &p5e7, &p5e8, &p5e9,
    &p5e10,         nullptr};

// ---------------------------------------------------------------- page 6
VR_TextBoxParams p6Title = titleBox(texts::kTitleUi.c_str());
VR_TextBoxParams p6Body = bodyBox(280, 100, texts::kUiElements.c_str());
// Starts at 20 percent; the animation keeps its value from one showing to
// the next.
VR_ProgressBarParams p6Bar = {.width = 260,
                              .height = 22,
                              .style = 2,
                              .frameColour = {0, 202, 51, 0},
                              .backgroundColour = kNone,
                              .barColour = {0, 255, 255, 0},
                              .percent = 20,
                              .padding = {}};
// A red frame two pixels wide.
VR_TextBoxParams p6Aligned = textBox(260, 25, 3, 1, 1, kRed, 2, texts::kAlignments.c_str());
ScreenElement p6e4 = {kTextBox, 50, 0, 1, &p6Title};
ScreenElement p6e5 = {kTextBox, 20, 60, 1, &p6Body};
ScreenElement p6e6 = {kAnimatedBar, 30, 170, 1, &p6Bar};
ScreenElement p6e7 = {kTextBox, 30, 130, 1, &p6Aligned};
ScreenElement *const page6[] = {&sharedPageBar, &sharedCycleBar, &sharedVersionBox, &p6e4, &p6e5, &p6e6,
                                &p6e7,          nullptr};

// ---------------------------------------------------------------- page 7
VR_TextBoxParams p7Title = titleBox(texts::kTitleDrivers.c_str());
VR_TextBoxParams p7Body = textBox(280, 185, 3, 1, 0, kRed, 0, texts::kDriverList.c_str());
ScreenElement p7e4 = {kTextBox, 50, 0, 1, &p7Title};
ScreenElement p7e5 = {kTextBox, 10, 50, 1, &p7Body};
ScreenElement *const page7[] = {&sharedPageBar, &sharedCycleBar, &sharedVersionBox, &p7e4, &p7e5, nullptr};

// ---------------------------------------------------------------- page 8
constexpr VR_Colour kSeparator = {0, 230, 243, 0};
VR_TextBoxParams p8Title = titleBox(texts::kTitleProjects.c_str());
VR_TextBoxParams p8Text1 = bodyBox(240, 45, texts::kProject1.c_str());
VR_TextBoxParams p8Text2 = bodyBox(250, 45, texts::kProject2.c_str());
VR_TextBoxParams p8Text3 = bodyBox(230, 50, texts::kProject3.c_str());
DemoLine p8Line1 = {{5, 110, 315, 110, kSeparator}, 5};
DemoLine p8Line2 = {{5, 175, 315, 175, kSeparator}, 5};
ScreenElement p8e4 = {kTextBox, 50, 0, 1, &p8Title};
ScreenElement p8e5 = {kGimpImage, 10, 50, 1, image(Demoria_Image4)};
ScreenElement p8e6 = {kTextBox, 95, 55, 1, &p8Text1};
ScreenElement p8e7 = {kGimpImage, 20, 115, 1, image(Demoria_Image5)};
ScreenElement p8e8 = {kTextBox, 100, 115, 1, &p8Text2};
ScreenElement p8e9 = {kGimpImage, 30, 180, 1, image(Demoria_Image6)};
ScreenElement p8e10 = {kTextBox, 130, 180, 1, &p8Text3};
ScreenElement p8e11 = {kLine, 5, 110, 1, &p8Line1};
ScreenElement p8e12 = {kLine, 5, 175, 1, &p8Line2};
ScreenElement *const page8[] = {&sharedPageBar, &sharedCycleBar, &sharedVersionBox,
                                &p8e4,          &p8e5,           &p8e6,
                                &p8e7,          &p8e8,           &p8e9,
                                &p8e10,         &p8e11,          &p8e12,
                                nullptr};

}  // namespace

const PageList featurePages[kFeaturePageCount] = {page1, page2, page3, page4, page5, page6, page7, page8};

}  // namespace demoria
