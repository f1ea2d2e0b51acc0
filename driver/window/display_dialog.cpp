#include "display_dialog.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointingDevice>
#include <QTransform>
#include <cstdio>

#include "board_picture.h"
#include "compose.h"
#include "display_params.h"
#include "info_dialog.h"
#include "window_settings.h"

namespace lumisim {

// Paints what the window shows over the whole dialog, in front of the
// hard-key buttons, which so stay hidden behind it; it takes the mouse
// presses on their places instead. A button held down looks pressed: it
// is darkened in the shown picture, never in the frame buffer.
class BoardView : public QWidget {
    // Window rows painted per call, at most: Qt splits taller areas
    // between helper threads.
    static constexpr int kBandRows = 48;

  public:
    explicit BoardView(CDisplay &display) : QWidget(&display), display_(display) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_NoSystemBackground);
    }

  protected:
    void paintEvent(QPaintEvent *event) override {
        QPainter painter(this);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        // In bands of a few rows: Qt paints a taller area with helper
        // threads of its own, whose hand-over ThreadSanitizer cannot see,
        // and the window needs none for a panel's worth of pixels.
        const QRect dirty = event->rect();
        const int zoom = display_.zoom();
        const int bandHeight = kBandRows / zoom * zoom;  // whole picture rows
        for (int top = dirty.top() - dirty.top() % bandHeight; top <= dirty.bottom(); top += bandHeight) {
            const QRect band = dirty.intersected(QRect(dirty.left(), top, dirty.width(), bandHeight));
            // Whole picture pixels covering the band, each drawn as a
            // zoom x zoom square (no smoothing is set on the painter).
            const QRect source(QPoint(band.left() / zoom, band.top() / zoom),
                               QPoint(band.right() / zoom, band.bottom() / zoom));
            painter.drawImage(QRect(source.topLeft() * zoom, source.size() * zoom), display_.picture(),
                              source);
        }
        const QRect held = display_.input().heldButton();
        if (held.intersects(event->rect())) {
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            painter.fillRect(held, QColor(0, 0, 0, 96));
        }
    }
    void mousePressEvent(QMouseEvent *event) override {
        if (event->button() == Qt::LeftButton)
            repaintIf(display_.input().pointerPressed(event->position().toPoint()));
    }
    void mouseMoveEvent(QMouseEvent *event) override {
        repaintIf(display_.input().pointerMoved(event->position().toPoint()));
    }
    void mouseReleaseEvent(QMouseEvent *event) override {
        if (event->button() == Qt::LeftButton) repaintIf(display_.input().pointerReleased());
    }
    void leaveEvent(QEvent *) override { repaintIf(display_.input().pointerReleased()); }

  private:
    // Repaints the buttons, and only them, when the held one changed.
    void repaintIf(bool changed) {
        if (changed) update(display_.input().buttonsArea());
    }

    CDisplay &display_;
};

namespace {

PictureView view(QImage &picture) {
    return {reinterpret_cast<uint32_t *>(picture.bits()), picture.width(), picture.height(),
            picture.bytesPerLine() / 4};
}

QPushButton *hardKeyButton(const QString &text, QWidget *parent) {
    auto *button = new QPushButton(text, parent);
    button->setObjectName(text);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

CDisplay::CDisplay(CDisplayDriverWin32App &app, uint32_t *frameBuffer, KeyDelivery *keys)
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint),
      app_(app),
      frameBuffer_(frameBuffer),
      params_(app.params()),
      input_(keys),
      power_(hardKeyButton(QStringLiteral("Power"), this)),
      rTaste_(hardKeyButton(QStringLiteral("R-Taste"), this)),
      view_(new BoardView(*this)) {
    setObjectName(QStringLiteral("CDisplay"));
    setWindowTitle(QStringLiteral("Vantrel Simu"));
    // The hard-key buttons' places before the window is up, in pixels.
    power_->setGeometry(10, 169, 75, 22);
    rTaste_->setGeometry(97, 169, 75, 22);
}

CDisplay::~CDisplay() = default;

bool CDisplay::initialise() {
    setWindowIcon(lumisimIcon());
    zoom_ = zoomSetting(kIniFileName);
    input_.setKeyMap(keyMapSetting(kIniFileName));
    const QString name = boardPictureName(params_.info.xSize, params_.info.ySize);
    const BoardLookup lookup = findBoardPicture(name);
    const QImage loaded = loadBoardPicture(lookup.path.isEmpty() ? name : lookup.path);
    if (loaded.isNull()) {
        const QString message = QStringLiteral("Bild nicht gefunden (%1)!").arg(name);
        // Also on standard error, with every place looked in: the box alone
        // does not say where the picture should go.
        std::fprintf(stderr, "DDrv_Lumisim: %s %s\n", message.toLocal8Bit().constData(),
                     (lookup.path.isEmpty()
                          ? QStringLiteral("Searched: %1").arg(lookup.searched.join(QStringLiteral(", ")))
                          : QStringLiteral("Unreadable: %1").arg(lookup.path))
                         .toLocal8Bit()
                         .constData());
        if (!app_.headlessScreen()) app_.report(message, this);
        return false;
    }
    // The picture the panel is composed into; it keeps the panel's last
    // content between refreshes.
    picture_ = loaded.convertToFormat(QImage::Format_RGB32);
    if (picture_.isNull()) {
        app_.report(QStringLiteral("Fehler beim Anlegen des Kontexts!"), this);
        return false;
    }
    panelRect_ = QRect(params_.xPosDisplay, params_.yPosDisplay, params_.info.xSize, params_.info.ySize)
                     .intersected(picture_.rect());
    for (int y = panelRect_.top(); y <= panelRect_.bottom() && !maskStale_; ++y)
        for (int x = panelRect_.left(); x <= panelRect_.right(); ++x)
            if (picture_.pixel(x, y) == kKeyColour) {
                maskStale_ = true;
                break;
            }
    setFixedSize(picture_.size() * zoom_);
    view_->setGeometry(rect());
    view_->raise();
    setMask(zoomedMask());
    dump_ = FrameDump::fromEnvironment();
    return true;
}

void CDisplay::placeButtons() {
    // The window's outer size at 1:1.
    const QRect outer = frameGeometry();
    const int w = outer.width() / zoom_, h = outer.height() / zoom_;
    const auto zoomed = [this](QRect r) { return QRect(r.topLeft() * zoom_, r.size() * zoom_); };
    power_->setGeometry(zoomed(QRect(QPoint(10, h - 68), QPoint(w / 2 - 5, h - 43)).adjusted(0, 0, -1, -1)));
    rTaste_->setGeometry(
        zoomed(QRect(QPoint(w / 2 + 5, h - 68), QPoint(w - 20, h - 43)).adjusted(0, 0, -1, -1)));
    input_.setButtons(power_->geometry(), rTaste_->geometry());
}

void CDisplay::refresh() {
    if (picture_.isNull() || !frameBuffer_) return;
    composePanel(view(picture_), {frameBuffer_, params_.info.xSize, params_.info.ySize, params_.xPosDisplay,
                                  params_.yPosDisplay});
    if (maskStale_) {
        // The panel now covers the see-through pixels the plain picture had.
        setMask(zoomedMask());
        maskStale_ = false;
    }
    view_->repaint(QRect(panelRect_.topLeft() * zoom_, panelRect_.size() * zoom_));
    if (dump_) dump_->write(picture_);
}

QRegion CDisplay::zoomedMask() const {
    // Scaled as a region, not as a picture: exact for whole factors, and
    // no large image work.
    const QRegion mask(shapeMask(picture_));
    return zoom_ == 1 ? mask : QTransform::fromScale(zoom_, zoom_).map(mask);
}

void CDisplay::prepareMenuAndDialog() {
    // The input devices are registered on first use, by the first click or
    // key press.
    QPointingDevice::primaryPointingDevice();
    QInputDevice::primaryKeyboard();
    QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    QMenu menu(this);
    menu.addAction(QStringLiteral("Info ...."));
    menu.ensurePolished();
    scratch = QImage(menu.sizeHint(), QImage::Format_ARGB32_Premultiplied);
    menu.render(&scratch);
    CLumisimInfoDlg dialog;
    scratch = QImage(dialog.size(), QImage::Format_ARGB32_Premultiplied);
    dialog.render(&scratch);
}

void CDisplay::contextMenuEvent(QContextMenuEvent *event) {
    QMenu menu(this);
    QAction *info = menu.addAction(QStringLiteral("Info ...."));
    if (menu.exec(event->globalPos()) == info) showInfo();
}

void CDisplay::showInfo() {
    CLumisimInfoDlg dialog;
    dialog.exec();
}

void CDisplay::keyPressEvent(QKeyEvent *event) {
    if (!input_.keyPressed(*event)) QDialog::keyPressEvent(event);
}

void CDisplay::keyReleaseEvent(QKeyEvent *event) {
    if (!input_.keyReleased(*event)) QDialog::keyReleaseEvent(event);
}

void CDisplay::closeEvent(QCloseEvent *event) {
    releaseAll();
    QDialog::closeEvent(event);
}

void CDisplay::hideEvent(QHideEvent *event) {
    releaseAll();
    QDialog::hideEvent(event);
}

bool CDisplay::event(QEvent *event) {
    // Keys released while another window has the focus never reach us.
    if (event->type() == QEvent::WindowDeactivate || event->type() == QEvent::FocusOut) releaseAll();
    return QDialog::event(event);
}

void CDisplay::releaseAll() {
    if (input_.releaseAll()) view_->update(input_.buttonsArea());
}

}  // namespace lumisim
