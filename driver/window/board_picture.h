// The board picture "Board_<XSize>_<YSize>.bmp", looked up in the current
// folder, then LUMISIM_BOARD_DIR, then the driver's installed data folder,
// and the window shape made from its key-coloured pixels.
#pragma once

#include <QBitmap>
#include <QImage>
#include <QString>
#include <QStringList>

namespace lumisim {

// "Board_320_240.bmp" for a 320 x 240 panel.
QString boardPictureName(int xSize, int ySize);

// Where the picture was found (empty when nowhere) and every folder looked
// in, in order.
struct BoardLookup {
    QString path;
    QStringList searched;
};
BoardLookup findBoardPicture(const QString &name);

// The folder the driver's board pictures are installed in, beside the
// driver's own library; empty when that cannot be told.
QString installedDataFolder();

// Loads a BMP (24 or 32 bits, bottom-up or top-down) as a 0xAARRGGBB
// picture (QImage::Format_RGB32). A missing, truncated or garbled file
// gives a null image.
QImage loadBoardPicture(const QString &path);

// True when the file holds at least as many bytes as its BMP header says
// its pixels need; Qt's reader accepts a truncated file and fills the rest.
bool bmpComplete(const QString &path);

// Clear where the picture is see-through (the key colour), set elsewhere:
// as the window's shape mask it keeps only the board's own pixels.
QBitmap shapeMask(const QImage &picture);

}  // namespace lumisim
