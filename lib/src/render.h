// Internals shared by the renderer's primitives: clipping (the coordinate
// limit and the point-in-window test as rectangles), colour words, the
// one-call-per-pixel path to the driver, and the handler of each
// graphic-function code.
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>

#include "DDrv.h"
#include "VRLib.h"

namespace vr {

// Coordinates are 16 bits wide: one past the last addressable column and
// row. Nothing is drawn at or beyond it, so nothing wraps round to 0.
constexpr uint32_t kCoordLimit = 0x10000;

// A half-open rectangle [left, right) x [top, bottom) in 32 bits, so that
// an edge at or beyond kCoordLimit is representable. Every clipped
// primitive derives its bounds from these.
struct ClipRect {
    uint32_t left, top, right, bottom;

    // One unsigned comparison per axis: a point left of or above the
    // rectangle (a coordinate that fell below 0) wraps to a large value.
    bool contains(uint32_t x, uint32_t y) const { return x - left < right - left && y - top < bottom - top; }
    // The refusal test of the primitives that take a start position: right
    // of or below the rectangle (left of or above it is accepted).
    bool startsBeyond(uint32_t x, uint32_t y) const { return x >= right || y >= bottom; }
};

// The rectangle of width x height at (x, y); its far edges never wrap.
inline ClipRect rectAt(uint32_t x, uint32_t y, uint32_t width, uint32_t height) {
    return ClipRect{x, y, x + width, y + height};
}

// The common part of two rectangles; an empty result has right == left or
// bottom == top, never right < left, so loops over it simply do not run.
inline ClipRect intersect(const ClipRect &a, const ClipRect &b) {
    const uint32_t left = std::max(a.left, b.left), top = std::max(a.top, b.top);
    return ClipRect{left, top, std::max(left, std::min(a.right, b.right)),
                    std::max(top, std::min(a.bottom, b.bottom))};
}

// Every addressable pixel.
constexpr ClipRect kCoordSpace{0, 0, kCoordLimit, kCoordLimit};

// The pixels that pass the point-in-window test: the active window, its
// sums formed in 32 bits, cut at the coordinate limit.
inline ClipRect clipOf(const VR_Window &w) {
    return intersect(rectAt(w.x, w.y, w.width, w.height), kCoordSpace);
}

// Colours as their 32-bit words and back: the word is what the driver
// stores, and whole words let text select ink or paper without a branch
// and images blend and test the key colour at once.
inline uint32_t wordOf(VR_Colour c) { return std::bit_cast<uint32_t>(c); }
inline VR_Colour colourOf(uint32_t w) { return std::bit_cast<VR_Colour>(w); }

// One driver call per pixel, by design.
inline VR_Status putPixel(uint16_t x, uint16_t y, VR_Colour c) { return DDrv_SetPixel(VR_Point{x, y}, c); }

// Handlers of the graphic-function codes; each takes (position, window,
// parameters) as StdGraphicFunctions received them.
VR_Status drawRect(const VR_Point *pos, const VR_Window *win, const void *params);         // 0
VR_Status drawLine(const VR_Point *pos, const VR_Window *win, const void *params);         // 1
VR_Status drawCircle(const VR_Point *pos, const VR_Window *win, const void *params);       // 2
VR_Status clearWindow(const VR_Window *win, const void *colour);                           // 3
VR_Status drawSymbol(const VR_Point *pos, const VR_Window *win, const void *params);       // 4
VR_Status drawBitmap(const VR_Point *pos, const VR_Window *win, const void *params);       // 5
VR_Status drawGimp(const VR_Point *pos, const VR_Window *win, const void *params);         // 6
VR_Status drawString(const VR_Point *pos, const VR_Window *win, void *params);             // 7
VR_Status drawStringSized(const VR_Point *pos, const VR_Window *win, const void *params);  // 8
VR_Status drawProgressBar(const VR_Point *pos, const VR_Window *win, const void *params);  // 9
VR_Status drawTextBox(const VR_Point *pos, const VR_Window *win, const void *params);      // 10

}  // namespace vr
