// The text box (code 10): a multi-line text laid out inside a rectangle with
// word wrap, forced line breaks, four alignments and line spacing, and an
// optional frame. Everything is drawn through the exported VR_SetFont,
// VR_DrawRect and VR_DrawString, so each part nests through the driver.
#include <cstring>

#include "font.h"
#include "render.h"
#include "state.h"

namespace vr {
namespace {

// The line buffer holds this many characters and the terminating zero.
constexpr int kLineMax = 107;

enum Alignment : uint32_t { kLeft = 0, kCentred = 1, kRight = 2, kJustified = 3 };

void drawText(const char *text, int64_t x, int64_t y, uint32_t justification) {
    const VR_Point at{uint16_t(x), uint16_t(y)};
    VR_StringParams sp{text, justification};
    VR_DrawString(&at, &sp);  // a line that cannot be drawn does not stop the box
}

uint16_t widthOf(const char *text) {
    VR_Size size{0, 0};
    measureText(text, &size);
    return size.width;
}

// A justified line that is not the last of its paragraph: its first glyph
// starts at x and its last glyph ends at x + span. The spaces between words
// are widened evenly (leftmost gaps take the remainder); each word is drawn
// with the spaces that follow it, and the widening of those spaces is
// painted in the paper colour so the line stays opaque like other text.
void drawSpread(char *line, int len, int64_t x, int64_t y, int64_t span, uint8_t fh, uint32_t justification) {
    int first = 0, last = len - 1;
    while (first < len && line[first] == ' ') ++first;
    while (last > first && line[last] == ' ') --last;
    int gaps = 0;  // spaces with a word on either side
    for (int i = first; i < last; ++i) gaps += line[i] == ' ';
    const int64_t extra = span - widthOf(line);
    const VR_Colour *colours = g_state.current.colours;
    if (gaps == 0 || extra <= 0 || !colours) return drawText(line, x, y, justification);

    const int64_t each = extra / gaps, rest = extra % gaps;
    const VR_Colour paper = colours[0];
    int k = 0;  // gaps widened so far
    int from = 0;
    while (from < len) {
        // A segment: the word (with any leading spaces) and the gap after it.
        int to = from;
        while (to < len && (line[to] != ' ' || to < first)) ++to;
        int64_t widen = 0;
        while (to < len && line[to] == ' ' && to < last) {
            widen += each + (k < rest ? 1 : 0);
            ++k;
            ++to;
        }
        if (to > last) to = len;  // the last word keeps any trailing spaces
        const char saved = line[to];
        line[to] = '\0';
        drawText(line + from, x, y, from == 0 ? justification : 0);
        x += widthOf(line + from);
        line[to] = saved;
        if (widen > 0 && fh > 0) {
            const VR_Point at{uint16_t(x), uint16_t(y)};
            const VR_RectParams gap{uint16_t(widen), fh, paper, paper, paper, 0, 0, VR_FILL_COLOUR1};
            VR_DrawRect(&at, &gap);
            x += widen;
        }
        from = to;
    }
}

}  // namespace

VR_Status drawTextBox(const VR_Point *pos, const VR_Window *win, const void *params) {
    const auto *box = static_cast<const VR_TextBoxParams *>(params);
    if (!pos || !win || !box || !box->text || box->fontId == 0) return VR_ERR_PARAM;
    VR_Status s = VR_SetFont(box->fontId, box->colourTableId);
    if (s != VR_OK) return s;
    uint8_t fh = 0;
    fontHeight(&fh);

    const int64_t b = box->borderWidth, width = box->width, height = box->height;
    if (b > 0) {
        const VR_RectParams frame{
            box->width,  box->height, box->borderColour, box->borderColour, box->borderColour,
            uint16_t(b), 0,           VR_FILL_FRAME_ONLY};
        s = VR_DrawRect(pos, &frame);
        if (s != VR_OK) return s;
    }

    uint8_t spaceAdvance = 0;
    if (charAdvance(' ', &spaceAdvance) != VR_OK) spaceAdvance = 0;
    const int64_t inner = width - 2 * b - 2;
    const int64_t pitch = fh + fh * box->lineSpacing / 10;
    const int64_t lastOffset = height - (b + 1) - fh;
    char line[kLineMax + 1];

    const char *p = box->text;
    for (int64_t offset = b + 1; offset <= lastOffset && *p != '\0'; offset += pitch) {
        // Scan one line: up to a line feed, the end, or the character that
        // carries it past the inner width; then fall back to the last space.
        const char *start = p, *end = p, *breakAt = nullptr;
        int64_t w = 0;
        uint32_t spaces = 0;
        bool paragraphEnd = false;
        while (w <= inner) {
            const auto c = static_cast<unsigned char>(*p);
            if (c == '\n' || c == '\0') {
                if (c == '\n') ++p;
                spaces = 0;
                paragraphEnd = true;
                break;
            }
            uint8_t advance = 0;
            s = charAdvance(c, &advance);
            if (s != VR_OK) return s;
            w += advance;
            if (c == ' ') {
                ++spaces;
                breakAt = p;
            }
            end = ++p;
        }
        if (spaces > 0) {  // the space at the break is dropped
            end = breakAt;
            p = breakAt + 1;
        }
        int len = int(end - start);
        if (len > kLineMax) {  // too long for the buffer: the rest goes on the next line
            len = kLineMax;
            p = start + kLineMax;
            paragraphEnd = false;
        }
        std::memcpy(line, start, size_t(len));
        line[len] = '\0';

        const int64_t y = pos->y + offset;
        switch (box->alignment) {
            case kLeft:
                drawText(line, pos->x + b + 1, y, 0);
                break;
            case kCentred:  // the border does not enter the centring
                drawText(line, pos->x + (width - widthOf(line)) / 2, y, 0);
                break;
            case kRight:
                drawText(line, pos->x + width - widthOf(line) - b - 1, y, 0);
                break;
            case kJustified: {
                const int64_t slack = width - widthOf(line);
                const auto word = uint32_t(spaceAdvance + (spaces > 0 ? slack / spaces : 0));
                // Inside a frame the line keeps the left-aligned margin, or it
                // would paint over the frame's left column; a box without a
                // frame has always started its justified lines at its edge.
                const int64_t x = b > 0 ? pos->x + b + 1 : pos->x;
                if (paragraphEnd)
                    drawText(line, x, y, word);
                else
                    drawSpread(line, len, x, y, pos->x + width - b - 1 - x, fh, word);
                break;
            }
            default:
                return VR_ERR_PARAM;
        }
        // With no height to advance and nothing consumed the box could never end.
        if (pitch == 0 && p == start) break;
    }
    return VR_OK;
}

}  // namespace vr
