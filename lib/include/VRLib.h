/*
 * VRLib - the Vantrel graphics library for small LCD/OLED displays.
 *
 * Every drawing call becomes one DDrv_GraphicFunction(code, position,
 * parameters); the driver calls StdGraphicFunctions back with its active
 * window, and the renderer writes each pixel with one DDrv_SetPixel.
 *
 * All records are little-endian plain C records. Fields before the first
 * pointer keep the 32-bit layout on every platform; a pointer sits on its
 * natural boundary. Every offset and size is checked at compile time below.
 *
 * What the library checks and what it trusts. Every record, font, colour
 * table, image and text is read in place, never copied; the library cannot
 * tell valid memory from freed memory, so the application keeps each of
 * them alive and unchanged while it is in use, and a registered or current
 * font or colour table for as long as it stays registered or current
 * (unregistering does not end "current": the next VR_SetFont does).
 *  - Fonts: VR_SetFont checks the header against the font's own length
 *    field and refuses one that cannot be true with 10 (the checks are
 *    listed in docs/font-format.md); the glyph data is trusted after that.
 *  - Colour tables: trusted to hold at least two entries (paper and ink);
 *    the count is not read.
 *  - GIMP images: magic, encoding and bytes per pixel are checked (10);
 *    the pixel data is trusted to cover width x height pixels. Run-length
 *    packets are bounded: none places a pixel beyond width x height.
 *  - Native bitmaps: the part array is trusted to hold partCount parts.
 *  - Texts: trusted to be zero-terminated.
 *
 * Compiles as C99 and as C++.
 */
#ifndef VRLIB_H
#define VRLIB_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#if defined(VRLIB_BUILD)
#define VR_API __declspec(dllexport)
#else
#define VR_API __declspec(dllimport)
#endif
#else
#define VR_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---------------------------------------------------------------- records */

/** Status of every exported operation: 0 success, below 256 the library's
 *  codes, 256 and above the driver's (passed through unchanged). */
typedef uint16_t VR_Status;

enum {
    VR_OK = 0,
    VR_ERR_PARAM = 1,               /**< null pointer or a value that cannot be drawn */
    VR_ERR_FONT = 4,                /**< font id not registered / no current font */
    VR_ERR_NOT_REGISTERED = 5,      /**< id not registered when unregistering */
    VR_ERR_RANGE = 6,               /**< start outside the window, mode >= 2, character outside the font */
    VR_ERR_PATTERN = 7,             /**< fill pattern outside 0..5 */
    VR_ERR_COLOUR_TABLE = 8,        /**< colour-table id not registered */
    VR_ERR_CODE = 9,                /**< unknown graphic-function code */
    VR_ERR_FORMAT = 10,             /**< unsupported image format, font header that cannot be true */
    VR_ERR_NO_CALLBACK = 11,        /**< driver has no graphic callback */
    VR_ERR_UNSUPPORTED = 12,        /**< known native bitmap part kind that is not supported */
    VR_ERR_DRIVER = 258,            /**< driver: null pointer, pixel outside, init refused */
    VR_ERR_DRIVER_UNSUPPORTED = 260 /**< driver: operation not supported */
};

/** Graphic-function codes handed to DDrv_GraphicFunction. */
enum {
    VR_GF_RECT = 0,
    VR_GF_LINE = 1,
    VR_GF_CIRCLE = 2,
    VR_GF_CLEAR = 3,
    VR_GF_SYMBOL = 4,
    VR_GF_BITMAP = 5,
    VR_GF_GIMP = 6,
    VR_GF_STRING = 7,
    VR_GF_STRING_SIZED = 8,
    VR_GF_PROGRESS_BAR = 9,
    VR_GF_TEXT_BOX = 10
};

/** A pixel position. Passed by value to the single-pixel functions, where
 *  it is one 32-bit word: x in the low half, y in the high half. */
typedef struct VR_Point {
    uint16_t x;
    uint16_t y;
} VR_Point;

typedef struct VR_Size {
    uint16_t width;
    uint16_t height;
} VR_Size;

/** The active window: a point lies inside when x <= px < x + width and
 *  y <= py < y + height (sums formed without 16-bit overflow). */
typedef struct VR_Window {
    uint16_t x;
    uint16_t y;
    uint16_t width;
    uint16_t height;
} VR_Window;

/** A 24-bit colour; byte 0 is reserved (0 in every colour the library
 *  builds) and travels to the frame buffer unchanged. */
typedef struct VR_Colour {
    uint8_t reserved;
    uint8_t red;
    uint8_t green;
    uint8_t blue;
} VR_Colour;

typedef struct VR_Version {
    uint8_t major;
    uint8_t minor;
    uint8_t patch;
} VR_Version;

/** The driver's display description, filled by VR_GetDisplayInfo. */
typedef struct VR_DisplayInfo {
    uint16_t xSize;         /**< panel width as configured */
    uint16_t ySize;         /**< panel height as configured */
    uint16_t displayWidth;  /**< logical width after orientation */
    uint16_t displayHeight; /**< logical height after orientation */
    uint8_t crRed;          /**< colour resolution of red, bits */
    uint8_t crGreen;
    uint8_t crBlue;
    uint8_t reserved;
    int32_t orientation;
    int32_t colourMode;
} VR_DisplayInfo;

/** A colour table: entry 0 is the paper of text, entry 1 the ink. */
typedef struct VR_ColourTable {
    uint16_t count;
    uint16_t padding;
    const VR_Colour *colours;
} VR_ColourTable;

/** A bitmap font: a constant byte array (header, width table, glyph data)
 *  in the format described in docs/font-format.md. */
typedef uint8_t VR_Font;

/** Fill patterns of VR_RectParams.fillPattern: 4 x 4 cells anchored at the
 *  interior's top-left corner. */
enum {
    VR_FILL_COLOUR1 = 0,   /**< interior all pattern colour 1 */
    VR_FILL_COLOUR0 = 1,   /**< interior all pattern colour 0 */
    VR_FILL_CHECKER = 2,   /**< checkerboard */
    VR_FILL_HATCH = 3,     /**< sparse diagonal hatch */
    VR_FILL_STRIPES = 4,   /**< diagonal stripes two pixels wide */
    VR_FILL_FRAME_ONLY = 5 /**< interior left untouched */
};

/** Update modes: automatic shows each drawing operation's result at once;
 *  manual leaves it to VR_RefreshDisplay. Any non-zero mode is manual. */
enum { VR_UPDATE_AUTO = 0, VR_UPDATE_MANUAL = 1 };

/** Rectangle (code 0). Begins with width and height, so it also serves as
 *  the VR_Size of the area refresh that follows it. */
typedef struct VR_RectParams {
    uint16_t width;
    uint16_t height;
    VR_Colour borderColour;
    VR_Colour patternColour1; /**< interior pixels whose pattern bit is 1 */
    VR_Colour patternColour0; /**< interior pixels whose pattern bit is 0 */
    uint16_t borderWidth;
    uint16_t reserved;
    int32_t fillPattern; /**< VR_FILL_COLOUR1 .. VR_FILL_FRAME_ONLY */
} VR_RectParams;

/** Line (code 1). Callers may append data; only these 12 bytes are read. */
typedef struct VR_LineParams {
    uint16_t x0;
    uint16_t y0;
    uint16_t x1;
    uint16_t y1;
    VR_Colour colour;
} VR_LineParams;

/** Circle (code 2); the colour is unaligned. */
typedef struct VR_CircleParams {
    uint16_t radius;
    VR_Colour colour;
} VR_CircleParams;

/** String (code 7). The drawing advances text to its terminating zero. */
typedef struct VR_StringParams {
    const char *text;
    uint32_t justification; /**< space width of a justified line; not read by the drawing */
} VR_StringParams;

/** Sized string (code 8), built by VR_DrawStringSized on its own stack. */
typedef struct VR_StringSizedParams {
    const char *text;
    uint16_t maxWidth;
    uint16_t padding;
    const char *suffix;
} VR_StringSizedParams;

/** Text box (code 10). */
typedef struct VR_TextBoxParams {
    uint16_t width;
    uint16_t height;
    uint16_t fontId;
    uint16_t colourTableId;
    uint32_t alignment;     /**< 0 left, 1 centred, 2 right, 3 justified */
    uint8_t lineSpacing;    /**< extra space between lines, tenths of the font height */
    VR_Colour borderColour; /**< unaligned */
    uint8_t padding[3];
    uint32_t borderWidth; /**< 0: no frame */
    const char *text;     /**< line feed (10) forces a break */
} VR_TextBoxParams;

/** Progress bar (code 9). */
typedef struct VR_ProgressBarParams {
    uint16_t width;
    uint16_t height;
    uint32_t style; /**< 1..4; only style 2 draws a bar */
    VR_Colour frameColour;
    VR_Colour backgroundColour;
    VR_Colour barColour;
    uint8_t percent; /**< 0..100 */
    uint8_t padding[3];
} VR_ProgressBarParams;

/** GIMP image (code 6): GIMP's C-source pixel array, raw or run-length. */
typedef struct VR_GIMPBitmap {
    uint8_t magic[2]; /**< "GM" */
    uint8_t unused;
    uint8_t encoding; /**< 0 raw rows, 1 run-length */
    uint16_t width;
    uint16_t height;
    uint8_t bytesPerPixel; /**< 3 RGB, 4 RGBA */
    VR_Colour keyColour;   /**< unaligned; FF FF FF FF: no key colour */
    uint8_t padding[3];
    const uint8_t *data;
} VR_GIMPBitmap;

/** One part of a native bitmap. */
typedef struct VR_BitmapPart {
    uint8_t enabled; /**< 1: processed */
    uint8_t reserved1[15];
    uint8_t kind;  /**< 1..9 */
    uint8_t depth; /**< must be 24 for kind 2 */
    uint8_t reserved2[14];
} VR_BitmapPart;

/** Native bitmap (code 5): validated, not drawn. */
typedef struct VR_Bitmap {
    uint8_t magic[2]; /**< "VR" */
    uint8_t reserved[10];
    uint8_t partCount;
    uint8_t padding[3];
    const VR_BitmapPart *parts;
} VR_Bitmap;

/** Hard-key codes, the key argument of the hard-key callback: the board's
 *  two keys, then a five-way navigation set for boards with more keys. */
enum {
    VR_KEY_POWER = 1,   /**< "Power" */
    VR_KEY_R_TASTE = 2, /**< "R-Taste" */
    VR_KEY_UP = 3,
    VR_KEY_DOWN = 4,
    VR_KEY_LEFT = 5,
    VR_KEY_RIGHT = 6,
    VR_KEY_ENTER = 7,
    VR_KEY_BACK = 8
};

/** The pressed argument of the hard-key callback. */
enum { VR_KEY_RELEASED = 0, VR_KEY_PRESSED = 1 };

/** Hard-key callback: a key code (VR_KEY_...) and VR_KEY_PRESSED or
 *  VR_KEY_RELEASED. Every press is followed by exactly one release of the
 *  same key. The simulating driver calls it on a thread of its own (never
 *  the thread that initialised the library, never the window's), one call
 *  at a time in the order the keys were pressed; the callback may draw and
 *  call VR_RefreshDisplay, provided no other thread draws at the same time.
 *  DDrv_DeInitDriver waits for a running call to return. */
typedef void (*VR_HardKeyCallback)(uint32_t key, uint32_t pressed);

/** The software renderer's entry, handed to the driver at initialisation. */
typedef VR_Status (*VR_GraphicCallback)(uint32_t code, const VR_Point *position, const VR_Window *window,
                                        void *params);

/* ------------------------------------------------------- layout checks */

#define VR_LAYOUT_CHECK_(cond, line) typedef char vr_layout_check_##line[(cond) ? 1 : -1]
#define VR_LAYOUT_CHECK(cond, line) VR_LAYOUT_CHECK_(cond, line)
#define VR_CHECK(cond) VR_LAYOUT_CHECK(cond, __LINE__)

#if UINTPTR_MAX > 0xFFFFFFFFu
#define VR_P(p32, p64) (p64)
#else
#define VR_P(p32, p64) (p32)
#endif

VR_CHECK(sizeof(VR_Point) == 4 && offsetof(VR_Point, y) == 2);
VR_CHECK(sizeof(VR_Size) == 4 && offsetof(VR_Size, height) == 2);
VR_CHECK(sizeof(VR_Window) == 8 && offsetof(VR_Window, width) == 4 && offsetof(VR_Window, height) == 6);
VR_CHECK(sizeof(VR_Colour) == 4 && offsetof(VR_Colour, red) == 1 && offsetof(VR_Colour, blue) == 3);
VR_CHECK(sizeof(VR_Version) == 3);
VR_CHECK(sizeof(VR_DisplayInfo) == 20 && offsetof(VR_DisplayInfo, crRed) == 8);
VR_CHECK(offsetof(VR_DisplayInfo, displayWidth) == 4 && offsetof(VR_DisplayInfo, reserved) == 11);
VR_CHECK(offsetof(VR_DisplayInfo, orientation) == 12 && offsetof(VR_DisplayInfo, colourMode) == 16);
VR_CHECK(sizeof(VR_ColourTable) == VR_P(8, 16) && offsetof(VR_ColourTable, colours) == VR_P(4, 8));
VR_CHECK(sizeof(VR_RectParams) == 24 && offsetof(VR_RectParams, borderColour) == 4);
VR_CHECK(offsetof(VR_RectParams, patternColour1) == 8 && offsetof(VR_RectParams, patternColour0) == 12);
VR_CHECK(offsetof(VR_RectParams, borderWidth) == 16 && offsetof(VR_RectParams, fillPattern) == 20);
VR_CHECK(sizeof(VR_LineParams) == 12 && offsetof(VR_LineParams, x1) == 4 &&
         offsetof(VR_LineParams, colour) == 8);
VR_CHECK(sizeof(VR_CircleParams) == 6 && offsetof(VR_CircleParams, colour) == 2);
VR_CHECK(sizeof(VR_StringParams) == VR_P(8, 16) && offsetof(VR_StringParams, justification) == VR_P(4, 8));
VR_CHECK(sizeof(VR_StringSizedParams) == VR_P(12, 24));
VR_CHECK(offsetof(VR_StringSizedParams, maxWidth) == VR_P(4, 8) &&
         offsetof(VR_StringSizedParams, suffix) == VR_P(8, 16));
VR_CHECK(sizeof(VR_TextBoxParams) == VR_P(28, 32) && offsetof(VR_TextBoxParams, text) == 24);
VR_CHECK(offsetof(VR_TextBoxParams, fontId) == 4 && offsetof(VR_TextBoxParams, alignment) == 8);
VR_CHECK(offsetof(VR_TextBoxParams, lineSpacing) == 12 && offsetof(VR_TextBoxParams, borderColour) == 13);
VR_CHECK(offsetof(VR_TextBoxParams, borderWidth) == 20);
VR_CHECK(sizeof(VR_ProgressBarParams) == 24 && offsetof(VR_ProgressBarParams, style) == 4);
VR_CHECK(offsetof(VR_ProgressBarParams, frameColour) == 8 &&
         offsetof(VR_ProgressBarParams, backgroundColour) == 12);
VR_CHECK(offsetof(VR_ProgressBarParams, barColour) == 16 && offsetof(VR_ProgressBarParams, percent) == 20);
VR_CHECK(sizeof(VR_GIMPBitmap) == VR_P(20, 24) && offsetof(VR_GIMPBitmap, data) == 16);
VR_CHECK(offsetof(VR_GIMPBitmap, encoding) == 3 && offsetof(VR_GIMPBitmap, width) == 4 &&
         offsetof(VR_GIMPBitmap, height) == 6);
VR_CHECK(offsetof(VR_GIMPBitmap, bytesPerPixel) == 8 && offsetof(VR_GIMPBitmap, keyColour) == 9);
VR_CHECK(sizeof(VR_BitmapPart) == 32 && offsetof(VR_BitmapPart, kind) == 16 &&
         offsetof(VR_BitmapPart, depth) == 17);
VR_CHECK(sizeof(VR_Bitmap) == VR_P(20, 24) && offsetof(VR_Bitmap, partCount) == 12 &&
         offsetof(VR_Bitmap, parts) == 16);

#undef VR_P

/* ------------------------------------------------- core and binding */

/** Resets the update mode to 0 and empties both registries (whatever the
 *  driver answers), then binds the driver: DDrv_InitDriver(StdGraphicFunctions,
 *  hardKey). Returns the driver's status (258 for a null callback). */
VR_API VR_Status VR_InitVRLib(VR_HardKeyCallback hardKey);
/** Shuts the driver down (DDrv_DeInitDriver); the library state is kept. */
VR_API VR_Status VR_DeInitVRLib(void);
/** Sets one pixel through the driver; the active window is not consulted.
 *  Mode 0: a 1x1 area refresh after a successful set. Driver status. */
VR_API VR_Status VR_SetPixel(VR_Point point, VR_Colour colour);
/** Reads one pixel through the driver. Driver status. */
VR_API VR_Status VR_GetPixel(VR_Point point, VR_Colour *colour);
/** Backlight (the simulating driver answers 260). */
VR_API VR_Status VR_SetBL(uint32_t backlight);
/** Backlight record of 4 bytes; null gives 1 without calling the driver. */
VR_API VR_Status VR_GetBL(uint32_t *backlight);
VR_API VR_Status VR_GetDisplayInfo(VR_DisplayInfo *info);
VR_API VR_Status VR_SetOrientation(int32_t orientation);
/** Writes the library's version and the driver's; either pointer null gives 1 and
 *  calls nothing. */
VR_API VR_Status VR_GetVersions(VR_Version *library, VR_Version *driver);
/** Makes the whole frame buffer visible. Driver status. */
VR_API VR_Status VR_RefreshDisplay(void);
/** Makes at least the area visible (the simulating driver shows all). */
VR_API VR_Status VR_RefreshDisplayArea(const VR_Point *origin, const VR_Size *size);
/** Passes only the low 8 bits, widened with zeros. */
VR_API VR_Status VR_SetDisplayContrast(uint8_t contrast);
VR_API VR_Status VR_GetDisplayContrast(uint8_t *contrast);
VR_API VR_Status VR_SetDisplayBrightness(uint8_t brightness);
VR_API VR_Status VR_GetDisplayBrightness(uint8_t *brightness);
/** Installs a hard-key callback; returns the one installed before. */
VR_API VR_HardKeyCallback VR_SetHardKeyCallback(VR_HardKeyCallback hardKey);
/** The driver's active window, to which primitives clip. */
VR_API VR_Status VR_SetActiveWindow(const VR_Point *origin, const VR_Size *size);
VR_API VR_Status VR_GetActiveWindow(VR_Point *origin, VR_Size *size);
/** Null gives 1; else writes the mode and returns 0. */
VR_API VR_Status VR_GetUpdateMode(int32_t *mode);
/** 0 automatic, any other value below 2 (signed) manual; 2 or more gives 6
 *  and leaves the mode unchanged. */
VR_API VR_Status VR_SetUpdateMode(int32_t mode);
/** Stores the background colour used by VR_ClearScreen; draws nothing. */
VR_API VR_Status VR_SetBkColor(VR_Colour colour);
/** Null gives 1. */
VR_API VR_Status VR_GetBkColor(VR_Colour *colour);
/** Fills the active window with the background colour (code 3). Mode 0: a
 *  full refresh after success. Status of the clear (the first refused pixel). */
VR_API VR_Status VR_ClearScreen(void);

/* ------------------------------------------------------------ drawing */

/** Rectangle with border and fill pattern (code 0), clipped to the active
 *  window. 1 null, 7 pattern outside 0..5, 6 start right of or below the
 *  window. Mode 0: returns the status of an area refresh of the rectangle. */
VR_API VR_Status VR_DrawRect(const VR_Point *position, const VR_RectParams *rect);
/** Bresenham line (code 1), not clipped to the window; never refreshes. */
VR_API VR_Status VR_DrawLine(const VR_LineParams *line);
/** Circle outline (code 2), clipped to the window. 1 null or radius 0.
 *  Requests a full refresh in every mode; returns the last pixel's status. */
VR_API VR_Status VR_DrawCircle(const VR_Point *centre, const VR_CircleParams *circle);
/** One character of the current font (code 4). Symbol 0 draws nothing. */
VR_API VR_Status VR_DrawSymbol(const VR_Point *position, uint8_t symbol);
/** Validates a native bitmap (code 5): 10 wrong magic or kind, 12 a known
 *  but unsupported part kind. Draws nothing. */
VR_API VR_Status VR_DrawBitmap(const VR_Point *position, const VR_Bitmap *bitmap);
/** GIMP image (code 6) with key colour and alpha blending, clipped to the
 *  window. 10 unsupported format. Mode 0: area refresh after success. */
VR_API VR_Status VR_DrawGIMPBitmap(const VR_Point *position, const VR_GIMPBitmap *image);
/** Opaque single-line string in the current font (code 7). Leaves
 *  string->text at the terminating zero. 6 start outside the window or a
 *  character outside the font (before any pixel), 4 no current font. The
 *  cell is not clipped to the window; pixels beyond coordinate 65535 are
 *  dropped, never wrapped. Mode 0: area refresh of the text cell.
 *
 *  Each byte is one character of the font's 8-bit code page (Windows-1252
 *  for fonts made with vr_fontconv's default), never UTF-8: a UTF-8 "ä"
 *  draws as two characters, "Ã¤". In C, compile the texts with
 *  `-fexec-charset=CP1252` or write them with escapes ("N\xE4" "chste");
 *  in C++20, convert them at compile time with vr::cp1252 from VRCp1252.hpp. */
VR_API VR_Status VR_DrawString(const VR_Point *position, VR_StringParams *string);
/** A string cut below maxWidth pixels, with suffix where cut (code 8).
 *  1 when maxWidth reaches the window's right edge or the suffix does not fit. */
VR_API VR_Status VR_DrawStringSized(const VR_Point *position, const char *text, uint16_t maxWidth,
                                    const char *suffix);
/** Framed progress bar (code 9); draws in mode 1 and refreshes once. */
VR_API VR_Status VR_DrawProgressBar(const VR_Point *position, const VR_ProgressBarParams *bar);
/** Multi-line text box with word wrap and alignment (code 10). Leaves the
 *  box's font and colour table current. */
VR_API VR_Status VR_DrawTextBox(const VR_Point *position, const VR_TextBoxParams *box);
/** Measures text in the current font: width = sum of advances, height = font
 *  height. 1 null, 6 a character outside the font (width up to it), 4 no font. */
VR_API VR_Status VR_GetStringDimension(const char *text, VR_Size *size);

/* ------------------------------------------------ fonts and colours */

/** Enters the font in the lowest free of ten slots; returns its id 1..10,
 *  0 for a null font or a full registry. */
VR_API uint16_t VR_RegisterFont(const VR_Font *font);
/** 0, or 5 when no slot holds the id. The current font is not affected. */
VR_API VR_Status VR_UnregisterFont(uint16_t fontId);
/** Selects font and colour table: 8 colour table not registered (checked
 *  first), 4 font not registered, 10 a font header that cannot be true
 *  (docs/font-format.md); nothing changes on failure. */
VR_API VR_Status VR_SetFont(uint16_t fontId, uint16_t colourTableId);
/** Writes the current ids (0 and 0 before the first VR_SetFont); 1 null. */
VR_API VR_Status VR_GetFont(uint16_t *fontId, uint16_t *colourTableId);
/** Returns id 1..10, or 0 for a null table or a full registry. */
VR_API uint16_t VR_RegisterColourTable(const VR_ColourTable *table);
/** 0, or 5 when no slot holds the id. The current selection is kept. */
VR_API VR_Status VR_UnregisterColourTable(uint16_t colourTableId);
/** Reduces each channel to 5-6-5 bits in its own byte (in place allowed);
 *  the reserved byte is not written. 1 for a null pointer. */
VR_API VR_Status VR_Convert888To565(const VR_Colour *in, VR_Colour *out);

/** The software renderer: dispatches a graphic-function code to its
 *  primitive with the driver's active window. 9 for an unknown code. */
VR_API VR_Status StdGraphicFunctions(uint32_t code, const VR_Point *position, const VR_Window *window,
                                     void *params);

#ifdef __cplusplus
}
#endif

#endif /* VRLIB_H */
