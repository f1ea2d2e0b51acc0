/*
 * DDrv_Template: the smallest complete display driver for VRLib, written to
 * be copied. It keeps the panel in memory and, when the environment
 * variable DDRV_TEMPLATE_DUMP names a folder, writes every refresh there as
 * frame_NNNNNN.ppm, so the picture can be looked at without hardware.
 *
 * To port VRLib to your panel:
 *   1. Copy this folder and rename the file and the target (DDrv_MyPanel).
 *   2. Set PANEL_WIDTH / PANEL_HEIGHT and the colour resolution below.
 *   3. Replace frameBuffer with your panel's memory, or keep it and send it
 *      to the panel in showFrame() (SPI, I2C, a parallel bus ...).
 *   4. Build with vrlib_add_driver() and run vr_drvcheck on the result.
 *
 * Rules every driver keeps (docs/driver-guide.md has the full contract):
 *   - Statuses: 0 success, 11 no graphic callback, 258 null address or a
 *     point outside the panel or a refused initialisation, 260 not
 *     supported.
 *   - DDrv_SetPixel / DDrv_GetPixel are called once per pixel drawn: a
 *     bounds test and one memory access, nothing else.
 *   - Calls come from one thread at a time; the graphic callback runs on
 *     the caller's thread and may call DDrv_GraphicFunction again (nested).
 */
#define _POSIX_C_SOURCE 200809L

#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "DDrv.h"

/* ------------------------------------------------------------ your panel */

#define PANEL_WIDTH 320
#define PANEL_HEIGHT 240
/* Orientation code as the panel is mounted: 0, 2, 4, 6 keep width and
 * height; any other code swaps them in the display info. */
#define PANEL_ORIENTATION 0
/* Bits per colour channel the panel really shows; GetPixel must give back
 * at least these high bits of what SetPixel stored. */
#define PANEL_BITS_RED 8
#define PANEL_BITS_GREEN 8
#define PANEL_BITS_BLUE 8

/* ---------------------------------------------------------------- state */

/* One colour word per pixel, row after row, as VRLib hands them over:
 * byte 0 reserved, then red, green, blue. Static, so no allocation. */
static uint32_t frameBuffer[PANEL_WIDTH * PANEL_HEIGHT];

/* The pixel bounds. They are 0 x 0 while the driver is unbound, so the one
 * bounds test in SetPixel/GetPixel also refuses every call made before
 * initialisation or after shutdown. */
static uint32_t boundWidth, boundHeight;

static DDrv_GraphicCallback graphicCallback; /* the library's renderer */
static DDrv_HardKeyCallback hardKeyCallback; /* never called: no keys here */
static VR_Window activeWindow;               /* handed to every graphic call */
static uint8_t contrast, brightness;         /* kept so they read back */

static const char *dumpFolder; /* DDRV_TEMPLATE_DUMP, read at initialisation */
static unsigned frameNumber;

/* Width and height after orientation, as the display info reports them. */
static uint16_t displayWidth(void) {
    return (PANEL_ORIENTATION % 2 == 0 && PANEL_ORIENTATION <= 6) ? PANEL_WIDTH : PANEL_HEIGHT;
}
static uint16_t displayHeight(void) {
    return (PANEL_ORIENTATION % 2 == 0 && PANEL_ORIENTATION <= 6) ? PANEL_HEIGHT : PANEL_WIDTH;
}

/* Makes the frame buffer visible. On hardware: send it to the panel here.
 * This template writes a PPM picture when asked to. */
static void showFrame(void) {
    char path[4096];
    FILE *file;
    uint32_t i;
    if (dumpFolder == NULL) return;
    snprintf(path, sizeof path, "%s/frame_%06u.ppm", dumpFolder, frameNumber++);
    file = fopen(path, "wb");
    if (file == NULL) {
        fprintf(stderr, "DDrv_Template: cannot write %s: %s\n", path, strerror(errno));
        return;
    }
    fprintf(file, "P6\n%d %d\n255\n", PANEL_WIDTH, PANEL_HEIGHT);
    for (i = 0; i < (uint32_t)PANEL_WIDTH * PANEL_HEIGHT; ++i) {
        VR_Colour c;
        memcpy(&c, &frameBuffer[i], sizeof c);
        fputc(c.red, file);
        fputc(c.green, file);
        fputc(c.blue, file);
    }
    if (fclose(file) != 0) fprintf(stderr, "DDrv_Template: cannot write %s: %s\n", path, strerror(errno));
}

/* ------------------------------------------------------------ lifecycle */

DDRV_API VR_Status DDrv_DeInitDriver(void) {
    /* On hardware: switch the panel off. The graphic callback and the active
     * window stay; the next initialisation overwrites them. */
    boundWidth = boundHeight = 0;
    return VR_OK;
}

DDRV_API VR_Status DDrv_InitDriver(DDrv_GraphicCallback graphic, DDrv_HardKeyCallback hardKey) {
    /* A second initialisation first shuts the running display down; if it
     * is then refused, the driver stays unbound. */
    DDrv_DeInitDriver();
    graphicCallback = graphic;
    if (graphic == NULL || hardKey == NULL) return VR_ERR_DRIVER;
    hardKeyCallback = hardKey;

    /* On hardware: reset and configure the panel; return 258 with a message
     * on standard error when it does not answer. */
    dumpFolder = getenv("DDRV_TEMPLATE_DUMP");
    memset(frameBuffer, 0, sizeof frameBuffer);
    activeWindow.x = activeWindow.y = 0;
    activeWindow.width = displayWidth();
    activeWindow.height = displayHeight();
    boundWidth = PANEL_WIDTH;
    boundHeight = PANEL_HEIGHT;
    return VR_OK;
}

/* ---------------------------------------------------------------- pixels */

DDRV_API VR_Status DDrv_SetPixel(VR_Point point, VR_Colour colour) {
    if (point.x >= boundWidth || point.y >= boundHeight) return VR_ERR_DRIVER;
    memcpy(&frameBuffer[(uint32_t)point.y * PANEL_WIDTH + point.x], &colour, sizeof colour);
    return VR_OK;
}

DDRV_API VR_Status DDrv_GetPixel(VR_Point point, VR_Colour *colour) {
    if (colour == NULL || point.x >= boundWidth || point.y >= boundHeight) return VR_ERR_DRIVER;
    memcpy(colour, &frameBuffer[(uint32_t)point.y * PANEL_WIDTH + point.x], sizeof *colour);
    return VR_OK;
}

/* -------------------------------------------------------------- refresh */

DDRV_API VR_Status DDrv_RefreshDisplay(void) {
    if (boundWidth != 0) showFrame();
    return VR_OK;
}

/* The area is a hint: sending the whole panel is always correct. Do not
 * read more than width and height from size: the library may hand in a
 * larger record that starts with them. */
DDRV_API VR_Status DDrv_RefreshDisplayArea(const VR_Point *origin, const VR_Size *size) {
    (void)origin;
    (void)size;
    return DDrv_RefreshDisplay();
}

/* ------------------------------------------------ drawing and the window */

DDRV_API VR_Status DDrv_GraphicFunction(uint32_t code, const VR_Point *position, void *params) {
    /* A panel with a drawing engine could handle some codes itself here. */
    if (graphicCallback == NULL) return VR_ERR_NO_CALLBACK;
    return graphicCallback(code, position, &activeWindow, params);
}

DDRV_API VR_Status DDrv_SetActiveWindow(const VR_Point *origin, const VR_Size *size) {
    if (origin == NULL || size == NULL) return VR_ERR_DRIVER;
    /* Not compared with the panel size: clipping is the renderer's work. */
    activeWindow.x = origin->x;
    activeWindow.y = origin->y;
    activeWindow.width = size->width;
    activeWindow.height = size->height;
    return VR_OK;
}

DDRV_API VR_Status DDrv_GetActiveWindow(VR_Point *origin, VR_Size *size) {
    if (origin == NULL || size == NULL) return VR_ERR_DRIVER;
    origin->x = activeWindow.x;
    origin->y = activeWindow.y;
    size->width = activeWindow.width;
    size->height = activeWindow.height;
    return VR_OK;
}

/* ------------------------------------------------- description, controls */

DDRV_API VR_Status DDrv_GetDisplayInfo(VR_DisplayInfo *info) {
    if (info == NULL) return VR_ERR_DRIVER;
    memset(info, 0, sizeof *info);
    info->xSize = PANEL_WIDTH;
    info->ySize = PANEL_HEIGHT;
    info->displayWidth = displayWidth();
    info->displayHeight = displayHeight();
    info->crRed = PANEL_BITS_RED;
    info->crGreen = PANEL_BITS_GREEN;
    info->crBlue = PANEL_BITS_BLUE;
    info->orientation = PANEL_ORIENTATION;
    info->colourMode = 2; /* true colour */
    return VR_OK;
}

DDRV_API VR_Status DDrv_GetVersion(VR_Version *version) {
    if (version == NULL) return VR_ERR_DRIVER;
    version->major = 1;
    version->minor = 0;
    version->patch = 0;
    return VR_OK;
}

/* The orientation is fixed by how the panel is mounted. */
DDRV_API VR_Status DDrv_SetOrientation(int32_t orientation) {
    (void)orientation;
    return VR_OK;
}

/* The backlight word is laid out like a VR_Colour: byte 0 belongs to the
 * caller, bytes 1 to 3 are the red, green and blue levels. This panel has
 * no backlight control: setting is refused, reading gives levels 0. */
DDRV_API VR_Status DDrv_SetBL(uint32_t backlight) {
    (void)backlight;
    return VR_ERR_DRIVER_UNSUPPORTED;
}

DDRV_API VR_Status DDrv_GetBL(uint32_t *backlight) {
    unsigned char *bytes = (unsigned char *)backlight;
    if (backlight == NULL) return VR_ERR_DRIVER;
    bytes[1] = bytes[2] = bytes[3] = 0;
    return VR_OK;
}

/* Contrast and brightness are 0..255; on hardware, send them to the panel. */
DDRV_API VR_Status DDrv_SetDisplayContrast(uint32_t value) {
    contrast = (uint8_t)value;
    return VR_OK;
}

DDRV_API VR_Status DDrv_GetDisplayContrast(uint8_t *value) {
    if (value == NULL) return VR_ERR_DRIVER;
    *value = contrast;
    return VR_OK;
}

DDRV_API VR_Status DDrv_SetDisplayBrightness(uint32_t value) {
    brightness = (uint8_t)value;
    return VR_OK;
}

DDRV_API VR_Status DDrv_GetDisplayBrightness(uint8_t *value) {
    if (value == NULL) return VR_ERR_DRIVER;
    *value = brightness;
    return VR_OK;
}

/* ------------------------------------------------------------- hard keys */

/* A panel with keys calls hardKeyCallback(code, pressed) from a thread of
 * its own (codes and rules in the driver guide); this one has none. */
DDRV_API DDrv_HardKeyCallback DDrv_SetHardKeyCallback(DDrv_HardKeyCallback hardKey) {
    DDrv_HardKeyCallback previous = hardKeyCallback;
    hardKeyCallback = hardKey;
    return previous;
}
