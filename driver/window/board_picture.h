// The board picture "Board_<XSize>_<YSize>.bmp" from the current folder,
// and the window shape made from its key-coloured pixels.
#pragma once

#include <QBitmap>
#include <QImage>
#include <QString>

namespace lumisim {

// "Board_320_240.bmp" for a 320 x 240 panel.
QString boardPictureName(int xSize, int ySize);

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
