// Draws the driver's data pictures: the board picture around a panel of
// any size (Board_<w>_<h>.bmp, see-through where it holds the key colour)
// and the driver's icon in its six sizes. Prints the [DisplayParams] lines
// that place the panel on the board.
//
//   make_board [--panel <w>x<h>] <folder for the board picture> [<folder for the icons>]
//
// Without --panel it draws the shipped 320 x 240 board.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kPanelX = 40, kPanelY = 40;  // XPosDisplay, YPosDisplay
// The board around the panel: 40 pixels left, above and right of it, and
// 100 below for the parts and the keys; never narrower than the keys need.
constexpr int kMarginX = 80, kMarginY = 140, kMinWidth = 200;
constexpr QRgb kKey = qRgb(255, 255, 254);

void drawChip(QPainter &p, QRectF body, int pinsPerSide, const QString &label) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 200, 190));
    const double pitch = body.width() / (pinsPerSide + 1);
    for (int i = 1; i <= pinsPerSide; ++i) {
        const double x = body.left() + i * pitch;
        p.drawRect(QRectF(x - 1.2, body.top() - 4, 2.4, 4));
        p.drawRect(QRectF(x - 1.2, body.bottom(), 2.4, 4));
    }
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    g.setColorAt(0, QColor(52, 52, 56));
    g.setColorAt(1, QColor(24, 24, 28));
    p.setBrush(g);
    p.drawRoundedRect(body, 1.5, 1.5);
    p.setBrush(QColor(70, 70, 74));
    p.drawEllipse(QPointF(body.left() + 5, body.top() + 5), 1.8, 1.8);
    p.setPen(QColor(190, 190, 190));
    QFont f(QStringLiteral("DejaVu Sans Mono"), 5);
    f.setPixelSize(7);
    p.setFont(f);
    p.drawText(body, Qt::AlignCenter, label);
}

void drawCapacitor(QPainter &p, QPointF c) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 210, 200));
    p.drawRect(QRectF(c.x() - 5, c.y() - 2.5, 2.5, 5));
    p.drawRect(QRectF(c.x() + 2.5, c.y() - 2.5, 2.5, 5));
    p.setBrush(QColor(176, 132, 70));
    p.drawRect(QRectF(c.x() - 2.5, c.y() - 2.5, 5, 5));
}

void drawElectrolytic(QPainter &p, QPointF c, double r) {
    QRadialGradient g(c - QPointF(r / 3, r / 3), r * 1.4);
    g.setColorAt(0, QColor(120, 140, 210));
    g.setColorAt(1, QColor(30, 40, 110));
    p.setPen(QPen(QColor(20, 20, 40), 1));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(200, 205, 220), 1.2));
    p.drawLine(c + QPointF(-r * 0.5, 0), c + QPointF(r * 0.5, 0));
    p.drawLine(c + QPointF(0, -r * 0.5), c + QPointF(0, r * 0.5));
}

void drawHole(QPainter &p, QPointF c) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(206, 170, 86));
    p.drawEllipse(c, 8, 8);
    // Cleared to transparent: the hole is see-through.
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.drawEllipse(c, 4.5, 4.5);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void drawKey(QPainter &p, QRectF r, const QString &label) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(r.translated(0, 2), 6, 6);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(236, 236, 232));
    g.setColorAt(1, QColor(176, 178, 176));
    p.setPen(QPen(QColor(90, 92, 92), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 6, 6);
    p.setPen(QColor(50, 52, 56));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(12);
    f.setBold(true);
    p.setFont(f);
    p.drawText(r, Qt::AlignCenter, label);
}

// Every place is measured from the panel or from the board's bottom and
// right edges, so the 320 x 240 board keeps its look and smaller panels get
// the same parts where they fit.
QImage drawBoard(int panelW, int panelH) {
    const int width = std::max(panelW + kMarginX, kMinWidth), height = panelH + kMarginY;
    QImage art(width, height, QImage::Format_ARGB32);
    art.fill(Qt::transparent);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);

    // The board: solder-mask green with rounded corners.
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, width, height), 20, 20);
    QLinearGradient pcb(0, 0, width, height);
    pcb.setColorAt(0, QColor(22, 110, 64));
    pcb.setColorAt(1, QColor(12, 74, 44));
    p.fillPath(outline, pcb);
    p.setPen(QPen(QColor(8, 50, 30), 2));
    p.drawPath(outline);

    // Copper traces under the mask.
    p.setPen(QPen(QColor(40, 140, 84), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const int bottom = height - 80;  // 300 on the 320 x 240 board
    for (int i = 0; i < 8; ++i) {
        const double x = 56 + i * 9;
        const double end = std::min(x + 200, width - 60.0);
        p.drawPolyline(QPolygonF({QPointF(x, bottom), QPointF(x, bottom - 4), QPointF(x + 40, bottom - 8),
                                  QPointF(end, bottom - 8)}));
    }
    for (int i = 0; i < 5 && 60 + i * 10 + 20 < bottom - 20; ++i) {
        const double y = 60 + i * 10;
        const double length = std::min(150.0, bottom - 20 - y);
        p.drawPolyline(
            QPolygonF({QPointF(width - 28, y), QPointF(width - 16, y + 8), QPointF(width - 16, y + length)}));
    }

    for (QPointF c : {QPointF(17, 17), QPointF(width - 17, 17), QPointF(17, height - 17),
                      QPointF(width - 17, height - 17)})
        drawHole(p, c);

    // Bezel and the dark, unlit panel.
    const QRectF panel(kPanelX, kPanelY, panelW, panelH);
    QLinearGradient bezel(0, kPanelY - 12, 0, kPanelY + panelH + 12);
    bezel.setColorAt(0, QColor(64, 66, 72));
    bezel.setColorAt(1, QColor(26, 27, 30));
    p.setPen(QPen(QColor(10, 10, 12), 1.5));
    p.setBrush(bezel);
    p.drawRoundedRect(panel.adjusted(-11, -11, 11, 11), 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(36, 44, 40));
    p.drawRect(panel);
    p.setPen(QColor(150, 154, 160));
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(8);
    p.setFont(small);
    p.drawText(QRectF(kPanelX, kPanelY - 11, panelW, 10), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("%1 x %2 TFT").arg(panelW).arg(panelH));

    // Parts along the right edge and under the panel, where they fit
    // beside the pin header (which ends at x 135).
    const int right = width, low = height;
    if (right - 132 > 140) drawChip(p, QRectF(right - 132, low - 37, 54, 22), 8, QStringLiteral("VR-2.4"));
    if (right - 200 > 140) drawChip(p, QRectF(right - 200, low - 33, 34, 16), 5, QStringLiteral("EE"));
    for (int i = 0; i < 4 && 90 + i * 30 < bottom - 10; ++i)
        drawCapacitor(p, QPointF(right - 19, 90 + i * 30));
    if (right - 154 > 140) drawCapacitor(p, QPointF(right - 154, low - 25));
    drawCapacitor(p, QPointF(right - 64, low - 25));
    drawElectrolytic(p, QPointF(right - 44, low - 29), 9);
    // A crystal.
    if (right - 250 > 140) {
        p.setPen(QPen(QColor(120, 120, 120), 1));
        p.setBrush(QColor(196, 198, 204));
        p.drawRoundedRect(QRectF(right - 250, low - 33, 30, 14), 7, 7);
    }

    // A pin header for the panel's cable.
    for (int i = 0; i < 10; ++i) {
        const QPointF c(40 + i * 10, low - 25);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(206, 170, 86));
        p.drawEllipse(c, 3.6, 3.6);
        p.setBrush(QColor(24, 24, 24));
        p.drawRect(QRectF(c.x() - 1.3, c.y() - 1.3, 2.6, 2.6));
    }

    // A power LED, lit.
    const QPointF ledAt(right - 34, low - 78);
    QRadialGradient led(ledAt, 7);
    led.setColorAt(0, QColor(255, 240, 160));
    led.setColorAt(0.5, QColor(255, 150, 40));
    led.setColorAt(1, QColor(255, 150, 40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(led);
    p.drawEllipse(ledAt, 7, 7);

    // The two hard keys where the window's buttons lie.
    const int half = width / 2;
    drawKey(p, QRectF(10, height - 68, half - 5 - 10, 25), QStringLiteral("Power"));
    drawKey(p, QRectF(half + 5, height - 68, width - 20 - half - 5, 25), QStringLiteral("R-Taste"));

    // Silkscreen.
    p.setPen(QColor(235, 240, 230));
    QFont silk(QStringLiteral("DejaVu Sans"));
    silk.setPixelSize(9);
    silk.setBold(true);
    p.setFont(silk);
    p.drawText(QPointF(40, low - 77), width >= 400
                                          ? QStringLiteral("LUMISIM  %1x%2  REV 1.2").arg(panelW).arg(panelH)
                                          : QStringLiteral("LUMISIM %1x%2").arg(panelW).arg(panelH));
    p.end();

    // Flatten: solid where the art covers at least half a pixel, else the
    // key colour. No blended edge pixels, so no light fringe around the
    // see-through parts.
    QImage board(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const QRgb a = art.pixel(x, y);
            QRgb out = qAlpha(a) >= 128 ? qRgb(qRed(a), qGreen(a), qBlue(a)) : kKey;
            if (qAlpha(a) >= 128 && out == kKey) out = qRgb(255, 255, 255);
            board.setPixel(x, y, out);
        }
    return board;
}

QImage drawIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    // A small green board with a lit screen showing a sunrise.
    QLinearGradient pcb(0, 0, 64, 64);
    pcb.setColorAt(0, QColor(30, 130, 76));
    pcb.setColorAt(1, QColor(12, 74, 44));
    p.setPen(QPen(QColor(8, 50, 30), 1.5));
    p.setBrush(pcb);
    p.drawRoundedRect(QRectF(2, 6, 60, 52), 8, 8);
    p.setBrush(QColor(28, 28, 32));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(8, 11, 48, 36), 3, 3);
    const QRectF screen(11, 14, 42, 30);
    QLinearGradient sky(screen.topLeft(), screen.bottomLeft());
    sky.setColorAt(0, QColor(40, 90, 200));
    sky.setColorAt(1, QColor(250, 170, 80));
    p.setBrush(sky);
    p.drawRect(screen);
    p.setClipRect(screen);
    p.setBrush(QColor(255, 230, 120));
    p.drawEllipse(QPointF(32, 44), 10, 10);
    p.setBrush(QColor(20, 60, 40));
    p.drawRect(QRectF(11, 40, 42, 4));
    p.setClipping(false);
    p.setBrush(QColor(220, 222, 218));
    p.drawRoundedRect(QRectF(12, 50, 16, 5), 2, 2);
    p.drawRoundedRect(QRectF(36, 50, 16, 5), 2, 2);
    return icon;
}

}  // namespace

int main(int argc, char **argv) {
    int panelW = 320, panelH = 240, first = 1;
    if (argc > 2 && std::strcmp(argv[1], "--panel") == 0) {
        char tail = 0;
        if (std::sscanf(argv[2], "%dx%d%c", &panelW, &panelH, &tail) != 2 || panelW < 1 || panelH < 1 ||
            panelW > 4000 || panelH > 4000) {
            std::fprintf(stderr,
                         "make_board: --panel %s: give the panel as <width>x<height>, 1 to 4000 each\n",
                         argv[2]);
            return 2;
        }
        first = 3;
    }
    if (argc - first < 1 || argc - first > 2) {
        std::fprintf(stderr, "usage: %s [--panel <w>x<h>] <board folder> [<icon folder>]\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString boardPath =
        QString::fromLocal8Bit(argv[first]) + QStringLiteral("/Board_%1_%2.bmp").arg(panelW).arg(panelH);
    bool ok = drawBoard(panelW, panelH).convertToFormat(QImage::Format_RGB888).save(boardPath, "BMP");
    if (!ok) std::fprintf(stderr, "make_board: cannot write %s\n", boardPath.toLocal8Bit().constData());
    if (argc - first == 2) {
        for (int size : {256, 128, 48, 32, 24, 16}) {
            const QString path =
                QString::fromLocal8Bit(argv[first + 1]) + QStringLiteral("/icon_%1.png").arg(size);
            if (!drawIcon(size).save(path, "PNG")) {
                std::fprintf(stderr, "make_board: cannot write %s\n", path.toLocal8Bit().constData());
                ok = false;
            }
        }
    }
    if (ok)
        std::printf("%s\n[DisplayParams]\nXSize=%d\nYSize=%d\nXPosDisplay=%d\nYPosDisplay=%d\n",
                    boardPath.toLocal8Bit().constData(), panelW, panelH, kPanelX, kPanelY);
    return ok ? 0 : 1;
}
