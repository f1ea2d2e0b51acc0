#include "compose.h"

#include <algorithm>

namespace lumisim {

namespace {

// Kept free of aliasing doubts and branches, so the compiler turns it into
// vector code.
void composeRow(uint32_t *__restrict out, const uint32_t *__restrict in, int count) {
    for (int i = 0; i < count; ++i) out[i] = panelPixel(in[i]);
}

}  // namespace

void composePanel(const PictureView &picture, const PanelView &panel) {
    if (panel.xPos >= picture.width || panel.yPos >= picture.height) return;
    const int columns = std::min(panel.xSize, picture.width - panel.xPos);
    const int rows = std::min(panel.ySize, picture.height - panel.yPos);
    for (int y = 0; y < rows; ++y) {
        uint32_t *out = picture.pixels + (panel.yPos + y) * picture.strideWords + panel.xPos;
        composeRow(out, panel.words + static_cast<std::ptrdiff_t>(y) * panel.xSize, columns);
    }
}

}  // namespace lumisim
