/*
 * A small conforming driver and its mutants: built once per MUTANT value,
 * each with one fault a driver writer could make. MUTANT 0 is the sound
 * driver and must pass every clause; every other value must fail the clause
 * the checker's tests name for it.
 */
#define _POSIX_C_SOURCE 200809L

#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include "DDrv.h"

#define EDGE_RIGHT 1
#define EDGE_BOTTOM 2
#define SWAP_BYTES 3
#define WRONG_WINDOW 4
#define STALE_GET 5
#define REFRESH_HANG 6
#define SETPIXEL_CRASH 7
#define SWAP_LOSES_OLD 8
#define NO_CALLBACK_STATUS 9
#define INIT_WINDOW_SHORT 10
#define INFO_NOT_SWAPPED 11
#define CLIPS_PIXELS 12
#define GETBL_CLOBBERS 13
#define REINIT_KEEPS 14
#define UNBOUND_CRASH 15
#define NESTED_BUSY 16
#define NO_REINIT 17
#define EXITS_ON_DEINIT 18

#ifndef MUTANT
#define MUTANT 0
#endif

/* 64 x 48, mounted with orientation 1: the display is 48 x 64. */
enum { W = 64, H = 48, ORIENTATION = 1 };

static uint32_t *pixels; /* W x (H + 1): the extra row keeps the edge mutants' stray writes in bounds */
static uint32_t boundW, boundH;
static DDrv_GraphicCallback graphic;
static DDrv_HardKeyCallback hardKey;
static VR_Window window;
static int everBound, depth;
static VR_Colour lastRead;

static int outside(VR_Point p) {
#if MUTANT == EDGE_RIGHT
    return p.x > boundW || p.y >= boundH;
#elif MUTANT == EDGE_BOTTOM
    return p.x >= boundW || p.y > boundH;
#elif MUTANT == CLIPS_PIXELS
    return p.x >= boundW || p.y >= boundH || p.x < window.x || p.x >= window.x + window.width ||
           p.y < window.y || p.y >= window.y + window.height;
#else
    return p.x >= boundW || p.y >= boundH;
#endif
}

DDRV_API VR_Status DDrv_DeInitDriver(void) {
#if MUTANT == EXITS_ON_DEINIT
    if (boundW != 0) exit(0);
#endif
    boundW = boundH = 0;
#if MUTANT == UNBOUND_CRASH
    free(pixels);
    pixels = NULL;
#endif
    return VR_OK;
}

DDRV_API VR_Status DDrv_InitDriver(DDrv_GraphicCallback g, DDrv_HardKeyCallback k) {
#if MUTANT == NO_REINIT
    if (everBound) return VR_ERR_DRIVER;
#endif
    DDrv_DeInitDriver();
#if MUTANT == REINIT_KEEPS
    if (g == NULL || k == NULL) return VR_ERR_DRIVER;
    graphic = g;
#else
    graphic = g;
    if (g == NULL || k == NULL) return VR_ERR_DRIVER;
#endif
    hardKey = k;
    if (pixels == NULL) pixels = calloc((size_t)W * (H + 1) + 1, sizeof *pixels);
    if (pixels == NULL) return VR_ERR_DRIVER;
    window.x = window.y = 0;
    window.width = H;
    window.height = W;
#if MUTANT == INIT_WINDOW_SHORT
    window.width = H - 1;
#endif
    boundW = W;
    boundH = H;
    everBound = 1;
    return VR_OK;
}

DDRV_API VR_Status DDrv_SetPixel(VR_Point p, VR_Colour c) {
#if MUTANT == UNBOUND_CRASH
    if (p.x >= W || p.y >= H) return VR_ERR_DRIVER;
#else
    if (outside(p)) return VR_ERR_DRIVER;
#endif
#if MUTANT == SETPIXEL_CRASH
    if (p.x == 7 && p.y == 7) *(volatile uint32_t *)NULL = 0;
#endif
#if MUTANT == SWAP_BYTES
    {
        const uint8_t red = c.red;
        c.red = c.blue;
        c.blue = red;
    }
#endif
    memcpy(&pixels[(uint32_t)p.y * W + p.x], &c, sizeof c);
    return VR_OK;
}

DDRV_API VR_Status DDrv_GetPixel(VR_Point p, VR_Colour *c) {
    if (c == NULL || outside(p)) return VR_ERR_DRIVER;
#if MUTANT == STALE_GET
    *c = lastRead;
#else
    memcpy(c, &pixels[(uint32_t)p.y * W + p.x], sizeof *c);
#endif
    memcpy(&lastRead, &pixels[(uint32_t)p.y * W + p.x], sizeof lastRead);
    return VR_OK;
}

DDRV_API VR_Status DDrv_RefreshDisplay(void) {
#if MUTANT == REFRESH_HANG
    if (boundW != 0)
        for (;;) pause();
#endif
    return VR_OK;
}

DDRV_API VR_Status DDrv_RefreshDisplayArea(const VR_Point *origin, const VR_Size *size) {
    (void)origin;
    (void)size;
    return DDrv_RefreshDisplay();
}

DDRV_API VR_Status DDrv_GraphicFunction(uint32_t code, const VR_Point *position, void *params) {
    VR_Status status;
#if MUTANT == NO_CALLBACK_STATUS
    if (graphic == NULL) return VR_OK;
#else
    if (graphic == NULL) return VR_ERR_NO_CALLBACK;
#endif
#if MUTANT == NESTED_BUSY
    if (depth > 0) return VR_ERR_NO_CALLBACK;
#endif
    ++depth;
#if MUTANT == WRONG_WINDOW
    {
        VR_Window swapped = {window.x, window.y, window.height, window.width};
        status = graphic(code, position, &swapped, params);
    }
#else
    status = graphic(code, position, &window, params);
#endif
    --depth;
    return status;
}

DDRV_API VR_Status DDrv_SetActiveWindow(const VR_Point *origin, const VR_Size *size) {
    if (origin == NULL || size == NULL) return VR_ERR_DRIVER;
    window.x = origin->x;
    window.y = origin->y;
    window.width = size->width;
    window.height = size->height;
    return VR_OK;
}

DDRV_API VR_Status DDrv_GetActiveWindow(VR_Point *origin, VR_Size *size) {
    if (origin == NULL || size == NULL) return VR_ERR_DRIVER;
    origin->x = window.x;
    origin->y = window.y;
    size->width = window.width;
    size->height = window.height;
    return VR_OK;
}

DDRV_API VR_Status DDrv_GetDisplayInfo(VR_DisplayInfo *info) {
    if (info == NULL) return VR_ERR_DRIVER;
    memset(info, 0, sizeof *info);
    info->xSize = W;
    info->ySize = H;
#if MUTANT == INFO_NOT_SWAPPED
    info->displayWidth = W;
    info->displayHeight = H;
#else
    info->displayWidth = H;
    info->displayHeight = W;
#endif
    info->crRed = info->crGreen = info->crBlue = 8;
    info->orientation = ORIENTATION;
    info->colourMode = 2;
    return VR_OK;
}

DDRV_API VR_Status DDrv_GetVersion(VR_Version *v) {
    if (v == NULL) return VR_ERR_DRIVER;
    v->major = v->minor = v->patch = 0;
    return VR_OK;
}

DDRV_API VR_Status DDrv_SetOrientation(int32_t o) {
    (void)o;
    return VR_OK;
}

DDRV_API VR_Status DDrv_SetBL(uint32_t b) {
    (void)b;
    return VR_ERR_DRIVER_UNSUPPORTED;
}

DDRV_API VR_Status DDrv_GetBL(uint32_t *b) {
    unsigned char *bytes = (unsigned char *)b;
    if (b == NULL) return VR_ERR_DRIVER;
#if MUTANT == GETBL_CLOBBERS
    *b = 0;
#else
    bytes[1] = bytes[2] = bytes[3] = 0;
#endif
    (void)bytes;
    return VR_OK;
}

DDRV_API VR_Status DDrv_SetDisplayContrast(uint32_t v) {
    (void)v;
    return VR_OK;
}

DDRV_API VR_Status DDrv_GetDisplayContrast(uint8_t *v) {
    if (v == NULL) return VR_ERR_DRIVER;
    *v = 0;
    return VR_OK;
}

DDRV_API VR_Status DDrv_SetDisplayBrightness(uint32_t v) {
    (void)v;
    return VR_OK;
}

DDRV_API VR_Status DDrv_GetDisplayBrightness(uint8_t *v) {
    if (v == NULL) return VR_ERR_DRIVER;
    *v = 0;
    return VR_OK;
}

DDRV_API DDrv_HardKeyCallback DDrv_SetHardKeyCallback(DDrv_HardKeyCallback k) {
    DDrv_HardKeyCallback old = hardKey;
    hardKey = k;
#if MUTANT == SWAP_LOSES_OLD
    old = NULL;
#endif
    return old;
}
