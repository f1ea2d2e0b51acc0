// Frame dumps for golden-image tests: with LUMISIM_DUMP=<folder> every
// refresh writes the picture it shows as a numbered PNG file. Usable from
// the headless side too, which needs no display (QImage works without an
// application object).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

class QImage;

namespace lumisim {

class FrameDump {
  public:
    // Null when LUMISIM_DUMP is unset or empty, so a window reads the
    // variable once at start and pays nothing per refresh without it. The
    // panel size is needed only for writePanel.
    static std::unique_ptr<FrameDump> fromEnvironment(int xSize = 0, int ySize = 0);

    FrameDump(std::string folder, int xSize, int ySize)
        : folder_(std::move(folder)), xSize_(xSize), ySize_(ySize) {}

    // The picture a windowed refresh shows (board picture, panel composed).
    void write(const QImage &picture);
    // The bare panel of xSize x ySize frame-buffer words, for the headless
    // side, which has no board picture.
    void writePanel(const uint32_t *frameBuffer);

  private:
    std::string folder_;
    int xSize_, ySize_;
};

// Name of the n-th frame file, "frame_000042.png"; numbers run on across
// the windows of one process, so later windows never overwrite earlier
// frames.
std::string frameFileName(unsigned number);

}  // namespace lumisim
