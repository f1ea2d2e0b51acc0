/*
 * The display-driver interface of VRLib: 19 functions that a driver for a
 * panel implements. DDrv_Lumisim implements them by simulating the panel in
 * a desktop window; any library with the same exports replaces it.
 *
 * On Windows the functions are imported by ordinal; the ordinal of each is
 * given in brackets and fixed (see DDrv_Lumisim.def).
 *
 * Compiles as C99 and as C++.
 */
#ifndef DDRV_H
#define DDRV_H

#include "VRLib.h"

#if defined(_WIN32)
#if defined(DDRV_BUILD)
#define DDRV_API __declspec(dllexport)
#else
#define DDRV_API __declspec(dllimport)
#endif
#else
#define DDRV_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/** The graphic callback: the library's StdGraphicFunctions. */
typedef VR_GraphicCallback DDrv_GraphicCallback;
/** The hard-key callback: key code (VR_KEY_...) and pressed (1) or
 *  released (0). DDrv_Lumisim calls it on a key thread of its own, one call
 *  at a time in event order, never on the window's thread: the callback may
 *  draw and call DDrv_RefreshDisplay (while no other thread draws), and a
 *  slow one only delays later keys. */
typedef VR_HardKeyCallback DDrv_HardKeyCallback;

/** [1] Reads the display parameters, keeps graphic, opens the window and
 *  returns when it is up. 258 if either callback is null, the window
 *  cannot come up, or DDrv_DeInitDriver was called meanwhile. */
DDRV_API VR_Status DDrv_InitDriver(DDrv_GraphicCallback graphic, DDrv_HardKeyCallback hardKey);
/** [2] Waits for a running hard-key callback, drops queued keys (a held
 *  key still gets its release first), closes the window and frees the
 *  frame buffer; 0. The one call that may come from another thread: while
 *  DDrv_InitDriver waits for its window (for instance behind a message
 *  box), it only makes that start give up with 258 and returns at once;
 *  call it again afterwards. */
DDRV_API VR_Status DDrv_DeInitDriver(void);
/** [3] Stores the colour word; 258 outside XSize x YSize or while unbound. */
DDRV_API VR_Status DDrv_SetPixel(VR_Point point, VR_Colour colour);
/** [4] Reads the stored colour word; 258 outside, null or unbound. */
DDRV_API VR_Status DDrv_GetPixel(VR_Point point, VR_Colour *colour);
/** [5] No backlight control: 260. */
DDRV_API VR_Status DDrv_SetBL(uint32_t backlight);
/** [6] Zeroes bytes 1..3 of the record, keeps byte 0; 258 if null. */
DDRV_API VR_Status DDrv_GetBL(uint32_t *backlight);
/** [7] Copies the display-info record; 258 if null. */
DDRV_API VR_Status DDrv_GetDisplayInfo(VR_DisplayInfo *info);
/** [8] Accepted and ignored; 0. */
DDRV_API VR_Status DDrv_SetOrientation(int32_t orientation);
/** [9] Writes the driver's version; 258 if null. */
DDRV_API VR_Status DDrv_GetVersion(VR_Version *version);
/** [10] Shows the whole frame buffer (synchronous); 0. */
DDRV_API VR_Status DDrv_RefreshDisplay(void);
/** [11] Shows the whole frame buffer; the area is not read; 0. */
DDRV_API VR_Status DDrv_RefreshDisplayArea(const VR_Point *origin, const VR_Size *size);
/** [12] Calls the graphic callback with the active window on the caller's
 *  thread and returns its status; 11 without a callback. */
DDRV_API VR_Status DDrv_GraphicFunction(uint32_t code, const VR_Point *position, void *params);
/** [13] Accepted and ignored; 0. */
DDRV_API VR_Status DDrv_SetDisplayContrast(uint32_t contrast);
/** [14] Writes 0; 258 if null. */
DDRV_API VR_Status DDrv_GetDisplayContrast(uint8_t *contrast);
/** [15] Accepted and ignored; 0. */
DDRV_API VR_Status DDrv_SetDisplayBrightness(uint32_t brightness);
/** [16] Writes 0; 258 if null. */
DDRV_API VR_Status DDrv_GetDisplayBrightness(uint8_t *brightness);
/** [17] Stores the callback, returns the one stored before; the next key
 *  event goes to the new one. */
DDRV_API DDrv_HardKeyCallback DDrv_SetHardKeyCallback(DDrv_HardKeyCallback hardKey);
/** [18] Sets the active window (not compared with the display); 258 if null. */
DDRV_API VR_Status DDrv_SetActiveWindow(const VR_Point *origin, const VR_Size *size);
/** [19] Reads the active window; 258 if null. */
DDRV_API VR_Status DDrv_GetActiveWindow(VR_Point *origin, VR_Size *size);

#ifdef __cplusplus
}
#endif

#endif /* DDRV_H */
