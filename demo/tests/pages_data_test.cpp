// The page lists: shared records, list orders and the values that are easy
// to get wrong.
#include <gtest/gtest.h>

#include <cstring>

#include "assets.h"
#include "pages.h"

namespace demoria {
namespace {

template <typename T>
const T &params(const ScreenElement *e) {
    return *static_cast<const T *>(e->params);
}

size_t length(PageList list) {
    size_t n = 0;
    while (list[n]) ++n;
    return n;
}

bool colourIs(VR_Colour c, uint8_t r, uint8_t g, uint8_t b) {
    return c.reserved == 0 && c.red == r && c.green == g && c.blue == b;
}

TEST(Pages, EveryFeaturePageSharesOneSetOfBarsAndVersionBox) {
    const size_t lengths[kFeaturePageCount] = {5, 5, 9, 6, 10, 7, 5, 12};
    for (int page = 1; page <= kFeaturePageCount; ++page) {
        PageList list = pageList(2, page);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(length(list), lengths[page - 1]) << "page " << page;
        EXPECT_EQ(list[0], &sharedPageBar) << "page " << page;
        EXPECT_EQ(list[1], &sharedCycleBar) << "page " << page;
        // Page 2 draws its version box last, over the picture.
        const ScreenElement *version = page == 2 ? list[4] : list[2];
        EXPECT_EQ(version, &sharedVersionBox) << "page " << page;

        const ScreenElement *title = list[page == 2 ? 2 : 3];
        const auto &box = params<VR_TextBoxParams>(title);
        EXPECT_EQ(title->x, 50);
        EXPECT_EQ(title->y, 0);
        EXPECT_EQ(box.width, 250);
        EXPECT_EQ(box.height, 52);
        EXPECT_EQ(box.fontId, 10);
        EXPECT_EQ(box.alignment, 1u);
        EXPECT_TRUE(colourIs(box.borderColour, 255, 0, 0));
        EXPECT_EQ(std::strncmp(box.text, "Vantrel Grafikbibliothek\n", 25), 0) << "page " << page;
    }
    EXPECT_EQ(pageList(2, 0), nullptr);
    EXPECT_EQ(pageList(2, 9), nullptr);
    EXPECT_EQ(pageList(1, 2), nullptr);
}

TEST(Pages, SharedRecordsHoldTheirSizesAndColours) {
    for (const ScreenElement *e : {&sharedPageBar, &sharedCycleBar}) {
        const auto &bar = params<VR_ProgressBarParams>(e);
        EXPECT_EQ(e->type, kProgressBar);
        EXPECT_EQ(bar.width, 33);
        EXPECT_EQ(bar.height, 8);
        EXPECT_EQ(bar.style, 2u);
        EXPECT_TRUE(colourIs(bar.frameColour, 143, 48, 120));
        EXPECT_TRUE(colourIs(bar.backgroundColour, 255, 255, 255));
        EXPECT_TRUE(colourIs(bar.barColour, 96, 93, 92));
    }
    EXPECT_NE(sharedPageBar.params, sharedCycleBar.params) << "two bars, two records";
    EXPECT_EQ(sharedVersionBox.type, kVersionBox);
    const auto &version = params<VR_TextBoxParams>(&sharedVersionBox);
    EXPECT_EQ(version.width, 34);
    EXPECT_EQ(version.height, 12);
    EXPECT_EQ(version.fontId, 4);
}

TEST(Pages, TitlePageIsTheLogoAndOneWideBar) {
    PageList title = pageList(1, 1);
    ASSERT_EQ(length(title), 2u);
    EXPECT_EQ(title[0]->params, &Demoria_Image1);
    EXPECT_EQ(title[0]->y, 93);
    const auto &bar = params<VR_ProgressBarParams>(title[1]);
    EXPECT_EQ(bar.width, 300);
    EXPECT_EQ(bar.height, 10);
    EXPECT_EQ(title[1]->y, 210);
}

TEST(Pages, GraphicsAndUiPagesCarryTheirShapes) {
    PageList p3 = pageList(2, 3);
    EXPECT_EQ(p3[5]->type, kRandomArea);
    EXPECT_EQ(params<AreaSize>(p3[5]).width, 140);
    EXPECT_EQ(params<AreaSize>(p3[5]).height, 150);
    const auto &rect = params<VR_RectParams>(p3[6]);
    EXPECT_EQ(rect.borderWidth, 3);
    EXPECT_EQ(rect.fillPattern, VR_FILL_CHECKER);
    EXPECT_TRUE(colourIs(rect.patternColour1, 0, 255, 0));
    EXPECT_TRUE(colourIs(rect.patternColour0, 0, 0, 255));
    EXPECT_EQ(params<VR_CircleParams>(p3[7]).radius, 32);
    // The line records carry the extra word 5.
    const auto &line = params<DemoLine>(p3[8]);
    EXPECT_EQ(line.line.x0, 30);
    EXPECT_EQ(line.line.y1, 130);
    EXPECT_EQ(line.extra, 5u);
    EXPECT_EQ(params<DemoLine>(pageList(2, 8)[11]).extra, 5u);

    PageList p6 = pageList(2, 6);
    EXPECT_EQ(p6[5]->type, kAnimatedBar);
    const auto &framed = params<VR_TextBoxParams>(p6[6]);
    EXPECT_EQ(framed.lineSpacing, 1);
    EXPECT_EQ(framed.borderWidth, 2u);
    EXPECT_TRUE(colourIs(framed.borderColour, 255, 0, 0));

    // The text samples on page 5: fonts 9, 8, 7, 6, then "oder" in font 3.
    PageList p5 = pageList(2, 5);
    const uint16_t fonts[] = {9, 8, 7, 6, 3};
    for (int i = 0; i < 5; ++i) {
        const auto &sample = params<VR_TextBoxParams>(p5[5 + i]);
        EXPECT_EQ(sample.fontId, fonts[i]);
        EXPECT_EQ(sample.alignment, 1u);
        EXPECT_TRUE(colourIs(sample.borderColour, 0, 0, 0));
    }
}

}  // namespace
}  // namespace demoria
