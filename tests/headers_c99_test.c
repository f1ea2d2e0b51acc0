/* The public headers compile as C99; records are usable from C. */
#include "DDrv.h"
#include "DDrv_Lumisim.h"
#include "DDrv_SSD0323.h"
#include "VRLib.h"
#include "ssd0323_grey.h"

static void ignoreKey(uint32_t key, uint32_t pressed) {
    (void)key;
    (void)pressed;
}

int main(void) {
    VR_RectParams rect = {10, 6, {0, 255, 0, 0}, {0, 0, 255, 0}, {0, 0, 0, 255}, 3, 0, VR_FILL_CHECKER};
    VR_TextBoxParams box = {0};
    DDrv_GraphicCallback graphic = StdGraphicFunctions;
    DDrv_HardKeyCallback key = ignoreKey;
    box.text = "x";
    /* Field values land where a C reader expects them. */
    if (rect.borderColour.red != 255 || rect.fillPattern != VR_FILL_CHECKER || rect.borderWidth != 3)
        return 1;
    if (graphic == 0 || key == 0 || box.text[0] != 'x') return 1;
    if (DDrv_SSD0323_GreyLevel(rect.borderColour) != 4 || DDRV_SSD0323_WIDTH != 128) return 1;
    return 0;
}
