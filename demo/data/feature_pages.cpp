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
constexpr ScreenElement titleElement(VR_TextBoxParams &title) { return {kTextBox, 50, 0, 1, &title}; }

// The body text of the pages: font 3, left, red border colour, no frame.
constexpr VR_TextBoxParams bodyBox(uint16_t w, uint16_t h, const char *text) {
    return textBox(w, h, 3, 0, 0, kRed, 0, text);
}

// A centred text sample without frame colour.
constexpr VR_TextBoxParams sampleBox(uint16_t w, uint16_t h, uint16_t font, const char *text) {
    return textBox(w, h, font, 1, 0, kNone, 0, text);
}
constexpr ScreenElement sampleElement(int32_t x, int32_t y, VR_TextBoxParams &sample) {
    return {kTextBox, x, y, 1, &sample};
}

constexpr void *image(const VR_GIMPBitmap &bitmap) { return const_cast<VR_GIMPBitmap *>(&bitmap); }

// ---------------------------------------------------------------- page 1
VR_TextBoxParams p1Title = titleBox(texts::kTitleFeatures.c_str());
VR_TextBoxParams p1Body = bodyBox(300, 180, texts::kFeatureList.c_str());
ScreenElement p1TitleElement = titleElement(p1Title);
ScreenElement p1BodyElement = {kTextBox, 40, 80, 1, &p1Body};
ScreenElement *const page1[] = {&sharedPageBar,  &sharedCycleBar, &sharedVersionBox,
                                &p1TitleElement, &p1BodyElement,  nullptr};

// ---------------------------------------------------------------- page 2
VR_TextBoxParams p2Title = titleBox(texts::kTitleStructure.c_str());
ScreenElement p2TitleElement = titleElement(p2Title);
ScreenElement p2ArchitectureImage = {kGimpImage, 10, 50, 1, image(Demoria_Image2)};
// The version box comes last here, over the architecture picture.
ScreenElement *const page2[] = {&sharedPageBar,       &sharedCycleBar,   &p2TitleElement,
                                &p2ArchitectureImage, &sharedVersionBox, nullptr};

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
                        .fillPattern = VR_FILL_CHECKER};
VR_CircleParams p3Circle = {32, kRed};
DemoLine p3Line = {{30, 215, 125, 130, kRed}, 5};
ScreenElement p3TitleElement = titleElement(p3Title);
ScreenElement p3BodyElement = {kTextBox, 20, 60, 1, &p3Body};
ScreenElement p3AreaElement = {kRandomArea, 160, 50, 1, &p3Area};
ScreenElement p3RectElement = {kRectangle, 35, 135, 1, &p3Rect};
ScreenElement p3CircleElement = {kCircle, 105, 195, 1, &p3Circle};
ScreenElement p3LineElement = {kLine, 100, 100, 1, &p3Line};
ScreenElement *const page3[] = {&sharedPageBar, &sharedCycleBar, &sharedVersionBox, &p3TitleElement,
                                &p3BodyElement, &p3AreaElement,  &p3RectElement,    &p3CircleElement,
                                &p3LineElement, nullptr};

// ---------------------------------------------------------------- page 4
VR_TextBoxParams p4Title = titleBox(texts::kTitleBitmaps.c_str());
VR_TextBoxParams p4Body = bodyBox(280, 100, texts::kBitmapList.c_str());
ScreenElement p4TitleElement = titleElement(p4Title);
ScreenElement p4BodyElement = {kTextBox, 20, 60, 1, &p4Body};
ScreenElement p4BitmapsImage = {kGimpImage, 50, 130, 1, image(Demoria_Image3)};
ScreenElement *const page4[] = {&sharedPageBar,  &sharedCycleBar, &sharedVersionBox,
                                &p4TitleElement, &p4BodyElement,  &p4BitmapsImage,
                                nullptr};

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
ScreenElement p5TitleElement = titleElement(p5Title);
ScreenElement p5BodyElement = {kTextBox, 10, 50, 1, &p5Body};
ScreenElement p5Sample9Element = sampleElement(20, 120, p5Sample9);
ScreenElement p5Sample8Element = sampleElement(170, 120, p5Sample8);
ScreenElement p5Sample7Element = sampleElement(20, 180, p5Sample7);
ScreenElement p5Sample6Element = sampleElement(170, 180, p5Sample6);
ScreenElement p5OrElement = sampleElement(120, 170, p5Or);
ScreenElement *const page5[] = {&sharedPageBar,
                                &sharedCycleBar,
                                &sharedVersionBox,
                                &p5TitleElement,
                                &p5BodyElement,
                                &p5Sample9Element,
                                &p5Sample8Element,
                                &p5Sample7Element,
                                &p5Sample6Element,
                                &p5OrElement,
                                nullptr};

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
ScreenElement p6TitleElement = titleElement(p6Title);
ScreenElement p6BodyElement = {kTextBox, 20, 60, 1, &p6Body};
ScreenElement p6BarElement = {kAnimatedBar, 30, 170, 1, &p6Bar};
ScreenElement p6AlignedElement = {kTextBox, 30, 130, 1, &p6Aligned};
ScreenElement *const page6[] = {&sharedPageBar, &sharedCycleBar, &sharedVersionBox, &p6TitleElement,
                                &p6BodyElement, &p6BarElement,   &p6AlignedElement, nullptr};

// ---------------------------------------------------------------- page 7
VR_TextBoxParams p7Title = titleBox(texts::kTitleDrivers.c_str());
VR_TextBoxParams p7Body = textBox(280, 185, 3, 1, 0, kRed, 0, texts::kDriverList.c_str());
ScreenElement p7TitleElement = titleElement(p7Title);
ScreenElement p7BodyElement = {kTextBox, 10, 50, 1, &p7Body};
ScreenElement *const page7[] = {&sharedPageBar,  &sharedCycleBar, &sharedVersionBox,
                                &p7TitleElement, &p7BodyElement,  nullptr};

// ---------------------------------------------------------------- page 8
constexpr VR_Colour kSeparator = {0, 230, 243, 0};
VR_TextBoxParams p8Title = titleBox(texts::kTitleProjects.c_str());
VR_TextBoxParams p8Text1 = bodyBox(240, 45, texts::kProject1.c_str());
VR_TextBoxParams p8Text2 = bodyBox(250, 45, texts::kProject2.c_str());
VR_TextBoxParams p8Text3 = bodyBox(230, 50, texts::kProject3.c_str());
DemoLine p8Line1 = {{5, 110, 315, 110, kSeparator}, 5};
DemoLine p8Line2 = {{5, 175, 315, 175, kSeparator}, 5};
ScreenElement p8TitleElement = titleElement(p8Title);
ScreenElement p8Project1Image = {kGimpImage, 10, 50, 1, image(Demoria_Image4)};
ScreenElement p8Text1Element = {kTextBox, 95, 55, 1, &p8Text1};
ScreenElement p8Project2Image = {kGimpImage, 20, 115, 1, image(Demoria_Image5)};
ScreenElement p8Text2Element = {kTextBox, 100, 115, 1, &p8Text2};
ScreenElement p8Project3Image = {kGimpImage, 30, 180, 1, image(Demoria_Image6)};
ScreenElement p8Text3Element = {kTextBox, 130, 180, 1, &p8Text3};
ScreenElement p8Line1Element = {kLine, 5, 110, 1, &p8Line1};
ScreenElement p8Line2Element = {kLine, 5, 175, 1, &p8Line2};
ScreenElement *const page8[] = {&sharedPageBar,   &sharedCycleBar, &sharedVersionBox, &p8TitleElement,
                                &p8Project1Image, &p8Text1Element, &p8Project2Image,  &p8Text2Element,
                                &p8Project3Image, &p8Text3Element, &p8Line1Element,   &p8Line2Element,
                                nullptr};

}  // namespace

const PageList featurePages[kFeaturePageCount] = {page1, page2, page3, page4, page5, page6, page7, page8};

}  // namespace demoria
