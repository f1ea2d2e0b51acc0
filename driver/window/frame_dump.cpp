#include "frame_dump.h"

#include <QDir>
#include <QImage>
#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "compose.h"

namespace lumisim {

namespace {

std::atomic<unsigned> nextFrame{0};

}  // namespace

std::unique_ptr<FrameDump> FrameDump::fromEnvironment(int xSize, int ySize) {
    const char *folder = std::getenv("LUMISIM_DUMP");
    if (!folder || !*folder) return nullptr;
    QDir().mkpath(QString::fromLocal8Bit(folder));
    return std::make_unique<FrameDump>(folder, xSize, ySize);
}

std::string frameFileName(unsigned number) {
    char name[32];
    std::snprintf(name, sizeof name, "frame_%06u.png", number);
    return name;
}

void FrameDump::write(const QImage &picture) {
    const std::string path = folder_ + "/" + frameFileName(nextFrame.fetch_add(1));
    // A failed write must not disturb the refresh; it is only reported.
    if (!picture.save(QString::fromLocal8Bit(path.c_str()), "PNG"))
        std::fprintf(stderr, "DDrv_Lumisim: cannot write %s\n", path.c_str());
}

void FrameDump::writePanel(const uint32_t *frameBuffer) {
    QImage picture(xSize_, ySize_, QImage::Format_RGB32);
    if (picture.isNull() || !frameBuffer) return;
    composePanel({reinterpret_cast<uint32_t *>(picture.bits()), xSize_, ySize_, picture.bytesPerLine() / 4},
                 {frameBuffer, xSize_, ySize_, 0, 0});
    write(picture);
}

}  // namespace lumisim
