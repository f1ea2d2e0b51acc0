// Renders every font's full range and every image, through the library,
// into one PNG to look at (contact_sheet.png in the build folder).
#include <cstring>

#include "demo_assets.h"
#include "font_format.h"
#include "lib_fixture.h"
#include "png_reader.h"

using namespace demoria::test;

namespace {

constexpr uint16_t kSheetWidth = 960, kSheetHeight = 1400;

imgconv::Image grab(int height) {
    imgconv::Image sheet{kSheetWidth, height, 3, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < kSheetWidth; ++x) {
            uint32_t w = fake::pixel(uint16_t(x), uint16_t(y));
            VR_Colour c;
            std::memcpy(&c, &w, sizeof c);
            sheet.pixels.insert(sheet.pixels.end(), {c.red, c.green, c.blue});
        }
    }
    return sheet;
}

}  // namespace

class ContactSheet : public LibTest {};

TEST_F(ContactSheet, EveryFontAndImage) {
    fake::reset(kSheetWidth, kSheetHeight);
    ASSERT_EQ(VR_SetUpdateMode(VR_UPDATE_MANUAL), VR_OK);
    uint16_t table = VR_RegisterColourTable(&kTextColours);
    int y = 4;
    for (const VR_Font *f : kFonts) {
        ASSERT_EQ(VR_SetFont(VR_RegisterFont(f), table), VR_OK);
        const vrfont::Reader r(f);
        int x = 4;
        for (int c = r.first(); c <= r.last(); ++c) {
            const int advance = r.widths()[c - r.first()] + 1;
            if (x + advance > kSheetWidth - 4) {
                x = 4;
                y += r.height() + 2;
            }
            VR_Point at = {uint16_t(x), uint16_t(y)};
            ASSERT_EQ(VR_DrawSymbol(&at, uint8_t(c)), VR_OK);
            // A grey tick under each cell shows where zero-width glyphs sit.
            VR_Point tick = {uint16_t(x), uint16_t(y + r.height())};
            VR_SetPixel(tick, rgb(90, 90, 90));
            x += advance;
        }
        y += r.height() + 8;
    }
    // Images on mid grey, so that key-coloured pixels (left undrawn) show.
    VR_Point origin = {0, uint16_t(y)};
    VR_Size rest = {kSheetWidth, uint16_t(kSheetHeight - y)};
    VR_RectParams grey = {rest.width, rest.height, rgb(128, 128, 128), rgb(128, 128, 128), rgb(128, 128, 128),
                          0,          0,           VR_FILL_COLOUR1};
    ASSERT_EQ(VR_DrawRect(&origin, &grey), VR_OK);
    int x = 4, rowHeight = 0;
    y += 4;
    for (const VR_GIMPBitmap *img : kImages) {
        if (x + img->width > kSheetWidth - 4) {
            x = 4;
            y += rowHeight + 6;
            rowHeight = 0;
        }
        VR_Point at = {uint16_t(x), uint16_t(y)};
        ASSERT_EQ(VR_DrawGIMPBitmap(&at, img), VR_OK);
        x += img->width + 6;
        rowHeight = std::max(rowHeight, int(img->height));
    }
    y += rowHeight + 4;
    ASSERT_LE(y, kSheetHeight);
    imgconv::writePng(DEMORIA_SHEET, grab(y));
    RecordProperty("contact_sheet", DEMORIA_SHEET);
}
