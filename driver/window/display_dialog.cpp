#include "display_dialog.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QPointingDevice>

#include "board_picture.h"
#include "compose.h"
#include "info_dialog.h"

namespace lumisim {

// Paints the picture over the whole dialog, in front of the hard-key
// buttons, which so stay hidden behind it and receive no clicks.
class BoardView : public QWidget {
  public:
    BoardView(const QImage &picture, QWidget *parent) : QWidget(parent), picture_(picture) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_NoSystemBackground);
    }

  protected:
    void paintEvent(QPaintEvent *event) override {
        QPainter painter(this);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(event->rect(), picture_, event->rect());
    }

  private:
    const QImage &picture_;
};

namespace {

QPushButton *hardKeyButton(const QString &text, QWidget *parent) {
    auto *button = new QPushButton(text, parent);
    button->setObjectName(text);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

CDisplay::CDisplay(CDisplayDriverWin32App &app, uint32_t *frameBuffer)
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint),
      app_(app),
      frameBuffer_(frameBuffer),
      params_(app.params()),
      power_(hardKeyButton(QStringLiteral("Power"), this)),
      rTaste_(hardKeyButton(QStringLiteral("R-Taste"), this)),
      view_(new BoardView(picture_, this)) {
    setObjectName(QStringLiteral("CDisplay"));
    setWindowTitle(QStringLiteral("Vantrel Simu"));
    // The hard-key buttons' places before the window is up, in pixels.
    power_->setGeometry(10, 169, 75, 22);
    rTaste_->setGeometry(97, 169, 75, 22);
}

CDisplay::~CDisplay() = default;

bool CDisplay::initialise() {
    setWindowIcon(lumisimIcon());
    const QString name = boardPictureName(params_.info.xSize, params_.info.ySize);
    const QImage loaded = loadBoardPicture(name);
    if (loaded.isNull()) {
        app_.report(QStringLiteral("Bild nicht gefunden (%1)!").arg(name), this);
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
    setFixedSize(picture_.size());
    view_->setGeometry(picture_.rect());
    view_->raise();
    setMask(shapeMask(picture_));
    dump_ = FrameDump::fromEnvironment();
    return true;
}

void CDisplay::placeButtons() {
    const QRect outer = frameGeometry();
    const int w = outer.width(), h = outer.height();
    power_->setGeometry(QRect(QPoint(10, h - 68), QPoint(w / 2 - 5, h - 43)).adjusted(0, 0, -1, -1));
    rTaste_->setGeometry(QRect(QPoint(w / 2 + 5, h - 68), QPoint(w - 20, h - 43)).adjusted(0, 0, -1, -1));
}

void CDisplay::refresh() {
    if (picture_.isNull() || !frameBuffer_) return;
    composePanel(
        {reinterpret_cast<uint32_t *>(picture_.bits()), picture_.width(), picture_.height(),
         picture_.bytesPerLine() / 4},
        {frameBuffer_, params_.info.xSize, params_.info.ySize, params_.xPosDisplay, params_.yPosDisplay});
    if (maskStale_) {
        // The panel now covers the see-through pixels the plain picture had.
        setMask(shapeMask(picture_));
        maskStale_ = false;
    }
    view_->repaint(panelRect_);
    if (dump_) dump_->write(picture_);
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

}  // namespace lumisim
