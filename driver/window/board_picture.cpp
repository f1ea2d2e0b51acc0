#include "board_picture.h"

#include <dlfcn.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "compose.h"

namespace lumisim {

namespace {

uint32_t le32(const unsigned char *p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }
uint16_t le16(const unsigned char *p) { return uint16_t(p[0] | p[1] << 8); }

}  // namespace

QString boardPictureName(int xSize, int ySize) {
    return QStringLiteral("Board_%1_%2.bmp").arg(xSize).arg(ySize);
}

QString installedDataFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&installedDataFolder), &info) == 0 || info.dli_fname == nullptr)
        return {};
    const QString library = QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath();
    return QDir::cleanPath(library + QStringLiteral("/") + QStringLiteral(LUMISIM_DATA_FROM_LIBRARY));
}

BoardLookup findBoardPicture(const QString &name) {
    BoardLookup lookup;
    lookup.searched << QDir::currentPath();
    if (const char *dir = std::getenv("LUMISIM_BOARD_DIR"); dir && *dir)
        lookup.searched << QDir(QString::fromLocal8Bit(dir)).absolutePath();
    if (const QString installed = installedDataFolder(); !installed.isEmpty()) lookup.searched << installed;
    for (const QString &folder : lookup.searched) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo::exists(path)) {
            lookup.path = path;
            break;
        }
    }
    return lookup;
}

bool bmpComplete(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    unsigned char head[54];
    if (file.read(reinterpret_cast<char *>(head), sizeof head) != sizeof head) return false;
    if (head[0] != 'B' || head[1] != 'M') return false;
    const uint32_t pixelOffset = le32(head + 10);
    const uint32_t infoSize = le32(head + 14);
    if (infoSize < 40) return true;  // old OS/2 headers: left to Qt's reader
    const int64_t width = static_cast<int32_t>(le32(head + 18));
    const int64_t height = static_cast<int32_t>(le32(head + 22));
    const uint16_t bitsPerPixel = le16(head + 28);
    const uint32_t compression = le32(head + 30);
    // Only uncompressed rows (BI_RGB, BI_BITFIELDS) have a size known ahead.
    if (compression != 0 && compression != 3) return true;
    if (width <= 0 || height == 0 || bitsPerPixel == 0) return false;
    const int64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    const int64_t rows = height < 0 ? -height : height;
    return file.size() >= static_cast<int64_t>(pixelOffset) + rowBytes * rows;
}

QImage loadBoardPicture(const QString &path) {
    if (!bmpComplete(path)) return {};
    QImageReader reader(path, "bmp");
    QImage picture = reader.read();
    if (picture.isNull()) return {};
    return picture.convertToFormat(QImage::Format_RGB32);
}

QBitmap shapeMask(const QImage &picture) {
    return QBitmap::fromImage(picture.createMaskFromColor(kKeyColour, Qt::MaskInColor));
}

}  // namespace lumisim
