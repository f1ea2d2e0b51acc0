// GIMP images (code 6): the pixel array of GIMP's C-source export, raw or
// run-length encoded, 3 (RGB) or 4 (RGBA) bytes per pixel. Decoded on the
// fly straight into driver calls: the run-length data is never expanded,
// and each pixel costs one DDrv_SetPixel (plus one DDrv_GetPixel to blend).
#include <algorithm>
#include <bit>

#include "render.h"
#include "state.h"

namespace vr {
namespace {

// Colours are handled as their 32-bit words (reserved byte lowest, then
// red, green, blue), so blending and the key test work on whole words.
static_assert(std::endian::native == std::endian::little);

constexpr uint32_t kRgbMask = 0xFFFFFF00;

// The word of a pixel's red, green and blue bytes.
inline uint32_t pixelWord(const uint8_t *px) {
    return uint32_t(px[0]) << 8 | uint32_t(px[1]) << 16 | uint32_t(px[2]) << 24;
}

struct Key {
    bool active;
    uint32_t rgb;  // the key's word without its reserved byte
    bool hides(uint32_t w) const { return active && (w & kRgbMask) == rgb; }
};

// Places decoded pixels in image order (rows top to bottom, columns left to
// right), whether they arrive one by one, as a run or as a whole raw image.
// The window test is hoisted into one column range per row, which selects
// exactly the pixels the per-pixel test would. ReadFirst: the raw RGBA case,
// which reads the destination of every addressable pixel before the window
// test, so a read may be refused (and end the row) outside the window too.
template <int Bpp, bool ReadFirst>
class Placer {
  public:
    Placer(const VR_Point &pos, const VR_Window &win, const VR_GIMPBitmap &img, Key key)
        : px_(pos.x),
          w_(img.width),
          py_(pos.y),
          image_(intersect(rectAt(pos.x, pos.y, img.width, img.height), kCoordSpace)),
          visible_(intersect(image_, clipOf(win))),
          key_(key) {
        startRow();
    }

    // Places count pixels starting at src; step 0 repeats the pixel at src
    // (a run), step Bpp walks consecutive pixels. Crosses row ends freely.
    void place(const uint8_t *src, uint32_t step, uint32_t count) {
        while (count > 0) {
            const uint32_t seg = std::min(count, w_ - col_);
            if (!rowDone_) paint(src, step, col_, col_ + seg);
            src += size_t(step) * seg;
            col_ += seg;
            count -= seg;
            if (col_ == w_) {
                col_ = 0;
                ++row_;
                startRow();
            }
        }
    }

    // The status of the last read or write the driver performed; 0 if none.
    VR_Status status() const { return last_; }

  private:
    // The image's rows and columns that can be addressed, and those inside
    // the window, as column ranges of the current row.
    void startRow() {
        rowDone_ = false;
        const uint32_t y = py_ + row_;
        lo_ = hi_ = 0;
        readEnd_ = 0;
        if (y >= image_.bottom) return;  // below the image or the coordinate space
        if (ReadFirst) readEnd_ = image_.right - px_;
        if (y < visible_.top || y >= visible_.bottom) return;
        lo_ = visible_.left - px_;
        hi_ = visible_.right - px_;
    }

    VR_Point at(uint32_t col) const { return VR_Point{uint16_t(px_ + col), uint16_t(py_ + row_)}; }

    // Blends src over the destination pixel into out; false when the driver
    // refused the read (the row ends there). Red and blue share one multiply:
    // each sum stays below 65536, so the 16-bit lanes never carry.
    bool blend(const uint8_t *src, uint32_t col, uint32_t &out) {
        VR_Colour d;
        last_ = DDrv_GetPixel(at(col), &d);
        if (last_ != VR_OK) return false;
        const uint32_t dw = wordOf(d);
        const uint32_t a = src[3], na = 255 - a;
        const uint32_t rb =
            div255((uint32_t(src[0]) | uint32_t(src[2]) << 16) * a + ((dw >> 8) & 0x00FF00FF) * na);
        const uint32_t g = div255(src[1] * a + ((dw >> 16) & 0xFF) * na);
        out = (rb & 0x00FF00FF) << 8 | (g & 0xFF) << 16;
        return true;
    }

    // Rounded division by 255 in each 16-bit lane (lanes up to 255 * 255).
    // Dividing by 256 instead darkened the background of an icon redrawn in
    // place by one step per draw, and kept opaque white at 254.
    static uint32_t div255(uint32_t x) {
        const uint32_t t = x + 0x00800080;
        return (t + ((t >> 8) & 0x00FF00FF)) >> 8;
    }

    bool write(uint32_t col, uint32_t w) {
        last_ = DDrv_SetPixel(at(col), colourOf(w));
        return last_ == VR_OK;
    }

    // Paints image columns [a, b) of the current row from src (column a).
    void paint(const uint8_t *src, uint32_t step, uint32_t a, uint32_t b) {
        if (ReadFirst) {
            const uint32_t to = std::min(b, readEnd_);
            for (uint32_t col = a; col < to; ++col, src += step) {
                uint32_t w;
                if (!blend(src, col, w)) return endRow();
                if (col < lo_ || col >= hi_ || key_.hides(w)) continue;
                if (!write(col, w)) return endRow();
            }
            return;
        }
        const uint32_t from = std::max(a, lo_), to = std::min(b, hi_);
        if (from >= to) return;
        src += size_t(step) * (from - a);
        if (Bpp == 3 && step == 0) {  // a run: one colour, one key test
            const uint32_t w = pixelWord(src);
            if (key_.hides(w)) return;
            for (uint32_t col = from; col < to; ++col)
                if (!write(col, w)) return endRow();
            return;
        }
        for (uint32_t col = from; col < to; ++col, src += step) {
            uint32_t w = pixelWord(src);
            if (Bpp == 4 && !blend(src, col, w)) return endRow();
            if (key_.hides(w)) continue;
            if (!write(col, w)) return endRow();
        }
    }

    void endRow() { rowDone_ = true; }

    const uint32_t px_, w_, py_;
    const ClipRect image_;    // the image cut to the coordinate space
    const ClipRect visible_;  // the image's pixels inside the window
    const Key key_;
    uint32_t row_ = 0, col_ = 0;
    uint32_t lo_ = 0, hi_ = 0;  // columns of this row inside the window
    uint32_t readEnd_ = 0;      // ReadFirst: columns of this row that can be addressed
    bool rowDone_ = false;      // the driver refused a pixel of this row
    VR_Status last_ = VR_OK;
};

// Feeds the packets to the placer until width x height pixels are placed; a
// packet reaching beyond the last pixel is cut there and nothing after the
// last needed byte is read.
template <int Bpp>
VR_Status decodeRunLength(const VR_Point &pos, const VR_Window &win, const VR_GIMPBitmap &img, Key key) {
    Placer<Bpp, false> placer(pos, win, img, key);
    uint32_t left = uint32_t(img.width) * img.height;
    const uint8_t *p = img.data;
    while (left > 0) {
        const uint8_t n = *p++;
        uint32_t count = n & 0x7F;
        if (count == 0) count = 256;
        count = std::min(count, left);
        if (n & 0x80) {
            placer.place(p, 0, count);
            p += Bpp;
        } else {
            placer.place(p, Bpp, count);
            p += size_t(count) * Bpp;
        }
        left -= count;
    }
    return placer.status();
}

template <int Bpp, bool ReadFirst>
VR_Status decodeRaw(const VR_Point &pos, const VR_Window &win, const VR_GIMPBitmap &img, Key key) {
    Placer<Bpp, ReadFirst> placer(pos, win, img, key);
    placer.place(img.data, Bpp, uint32_t(img.width) * img.height);
    return placer.status();
}

}  // namespace

VR_Status drawGimp(const VR_Point *pos, const VR_Window *win, const void *params) {
    const auto *img = static_cast<const VR_GIMPBitmap *>(params);
    if (!pos || !win || !img || !img->data) return VR_ERR_PARAM;
    const uint32_t keyWord = wordOf(img->keyColour);
    const Key key{keyWord != 0xFFFFFFFF, keyWord & kRgbMask};
    if (img->magic[0] != 'G' || img->magic[1] != 'M') return VR_ERR_FORMAT;
    if (img->encoding > 1 || (img->bytesPerPixel != 3 && img->bytesPerPixel != 4)) return VR_ERR_FORMAT;

    VR_Status s;
    if (img->encoding == 1)
        s = img->bytesPerPixel == 3 ? decodeRunLength<3>(*pos, *win, *img, key)
                                    : decodeRunLength<4>(*pos, *win, *img, key);
    else
        s = img->bytesPerPixel == 3 ? decodeRaw<3, false>(*pos, *win, *img, key)
                                    : decodeRaw<4, true>(*pos, *win, *img, key);
    if (s != VR_OK || !automaticUpdate()) return s;
    const VR_Size area{img->width, img->height};
    return DDrv_RefreshDisplayArea(pos, &area);
}

}  // namespace vr
