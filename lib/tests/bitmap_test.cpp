// Native bitmaps: validated part by part, never drawn.
#include <vector>

#include "lib_fixture.h"

namespace {

VR_BitmapPart part(uint8_t enabled, uint8_t kind, uint8_t depth = 24) {
    VR_BitmapPart p{};
    p.enabled = enabled;
    p.kind = kind;
    p.depth = depth;
    return p;
}

VR_Status drawParts(const std::vector<VR_BitmapPart> &parts) {
    static const VR_BitmapPart none{};
    VR_Bitmap bmp{{'V', 'R'}, {}, uint8_t(parts.size()), {}, parts.empty() ? &none : parts.data()};
    const VR_Point at{5, 5};
    return VR_DrawBitmap(&at, &bmp);
}

using BitmapTest = LibTest;

TEST_F(BitmapTest, TheLastEnabledPartDecides) {
    EXPECT_EQ(drawParts({}), VR_OK);
    EXPECT_EQ(drawParts({part(0, 3), part(2, 11)}), VR_OK);  // only enabled = 1 counts
    EXPECT_EQ(drawParts({part(1, 2)}), VR_OK);
    EXPECT_EQ(drawParts({part(1, 2), part(1, 3)}), VR_ERR_UNSUPPORTED);
    EXPECT_EQ(drawParts({part(1, 9), part(1, 2)}), VR_OK);
    EXPECT_EQ(drawParts({part(1, 1), part(0, 2)}), VR_ERR_UNSUPPORTED);
    EXPECT_EQ(drawParts({part(1, 2, 16)}), VR_ERR_FORMAT);
    EXPECT_EQ(drawParts({part(1, 0)}), VR_ERR_FORMAT);
    EXPECT_EQ(drawParts({part(1, 10)}), VR_ERR_FORMAT);
    EXPECT_EQ(
        fake::count(fake::Fn::SetPixel) + fake::count(fake::Fn::RefreshArea) + fake::count(fake::Fn::Refresh),
        0u);
}

TEST_F(BitmapTest, RejectsAForeignContainer) {
    const VR_BitmapPart one = part(1, 2);
    const VR_Point at{0, 0};
    VR_Bitmap bmp{{'V', 'X'}, {}, 1, {}, &one};
    EXPECT_EQ(VR_DrawBitmap(&at, &bmp), VR_ERR_FORMAT);
    bmp = VR_Bitmap{{'V', 'R'}, {}, 1, {}, nullptr};
    EXPECT_EQ(VR_DrawBitmap(&at, &bmp), VR_ERR_FORMAT);
    EXPECT_EQ(VR_DrawBitmap(&at, nullptr), VR_ERR_PARAM);
}

}  // namespace
