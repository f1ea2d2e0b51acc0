/*
 * The smallest VRLib application: bind the display, clear it, draw
 * rectangles in all six fill patterns, lines and circles, show the picture,
 * wait a few seconds (VR_EXAMPLE_SECONDS, default 3) and shut the display
 * down.
 *
 * The whole picture is drawn in manual update mode and shown with one
 * VR_RefreshDisplay, the usual way to draw a batch.
 */
#define _POSIX_C_SOURCE 200809L

#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include "VRLib.h"

static void onHardKey(uint32_t key, uint32_t pressed) {
    (void)key;
    (void)pressed;
}

static VR_Colour rgb(uint8_t r, uint8_t g, uint8_t b) {
    VR_Colour c = {0, r, g, b};
    return c;
}

static void drawPatterns(void) {
    int32_t pattern;
    for (pattern = VR_FILL_COLOUR1; pattern <= VR_FILL_FRAME_ONLY; ++pattern) {
        VR_Point pos = {(uint16_t)(10 + (pattern % 3) * 100), (uint16_t)(10 + (pattern / 3) * 70)};
        VR_RectParams rect = {90, 60, rgb(255, 255, 255), rgb(255, 200, 0), rgb(0, 90, 180), 2, 0, pattern};
        VR_DrawRect(&pos, &rect);
    }
}

static void drawLines(void) {
    uint16_t i;
    for (i = 0; i <= 8; ++i) {
        VR_LineParams line = {10, 230, (uint16_t)(10 + i * 20), 150, rgb(0, 255, 0)};
        VR_DrawLine(&line);
    }
}

static void drawCircles(void) {
    uint16_t r;
    for (r = 5; r <= 40; r += 7) {
        VR_Point centre = {260, 190};
        VR_CircleParams circle = {r, rgb(255, 64, 64)};
        VR_DrawCircle(&centre, &circle);
    }
}

int main(void) {
    int32_t mode = VR_UPDATE_AUTO;
    VR_Status status = VR_InitVRLib(onHardKey);
    if (status != VR_OK) {
        fprintf(stderr, "Die Anzeige konnte nicht gestartet werden (Status %u).\n", (unsigned)status);
        return 1;
    }

    VR_GetUpdateMode(&mode);
    VR_SetUpdateMode(VR_UPDATE_MANUAL);
    VR_SetBkColor(rgb(0, 0, 48));
    VR_ClearScreen();
    drawPatterns();
    drawLines();
    drawCircles();
    VR_RefreshDisplay();
    VR_SetUpdateMode(mode);

    {
        const char *seconds = getenv("VR_EXAMPLE_SECONDS");
        sleep(seconds ? (unsigned)atoi(seconds) : 3u);
    }
    return VR_DeInitVRLib() == VR_OK ? 0 : 1;
}
