// A recording stand-in for the display driver: a library with the same 19
// DDrv_ exports that logs every call, keeps a frame buffer and an active
// window, and calls the graphic callback like a real driver (nesting
// included). Library tests link the library against it and assert each
// pixel, refresh and nested graphic function in order.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "DDrv.h"

namespace fake {

enum class Fn {
    Init,
    DeInit,
    SetPixel,
    GetPixel,
    SetBL,
    GetBL,
    GetDisplayInfo,
    SetOrientation,
    GetVersion,
    Refresh,
    RefreshArea,
    Graphic,
    SetContrast,
    GetContrast,
    SetBrightness,
    GetBrightness,
    SetHardKey,
    SetActiveWindow,
    GetActiveWindow
};

struct Call {
    Fn fn;
    int depth;      // nesting depth of graphic functions when the call was made (0 outside)
    uint32_t code;  // Graphic: the code
    VR_Point
        point;     // SetPixel/GetPixel: the point; RefreshArea/Graphic/SetActiveWindow: *origin (0,0 if null)
    VR_Size size;  // RefreshArea/SetActiveWindow: *size (0,0 if null)
    uint32_t colour;   // SetPixel: the colour word
    uint32_t setting;  // SetBL/SetContrast/SetBrightness: the value; SetOrientation: the orientation
    const void *ptr;   // Graphic: params; RefreshArea: size pointer
    bool nullArg;      // an address argument was null
};

// Starts a fresh display of w x h pixels: no calls recorded, every pixel
// 0 and unwritten, active window the whole display, no forced statuses.
// The graphic callback survives (like the real driver's).
void reset(uint16_t w = 320, uint16_t h = 240);

const std::vector<Call> &calls();
std::vector<Call> callsOf(Fn fn);
size_t count(Fn fn);
void clearCalls();

// Makes every later call of fn return status s (SetPixel/GetPixel only for
// points where they would have succeeded).
void forceStatus(Fn fn, VR_Status s);

uint32_t word(VR_Colour c);
uint32_t pixel(uint16_t x, uint16_t y);
bool written(uint16_t x, uint16_t y);
void setPixelDirect(uint16_t x, uint16_t y, uint32_t word);  // seeds the frame buffer without a record

// Renders the area as ASCII art, one text line per row ending in '\n':
// unwritten pixels are '.', written ones the legend's character for their
// colour word, or '?' for a colour the legend lacks.
std::string ascii(int x, int y, int w, int h, const std::map<uint32_t, char> &legend);

// The current active window and graphic callback.
VR_Window activeWindow();
DDrv_GraphicCallback graphicCallback();
DDrv_HardKeyCallback hardKeyCallback();

}  // namespace fake
