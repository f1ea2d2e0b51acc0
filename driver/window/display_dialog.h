// CDisplay: the display window. A frameless dialog the size of the board
// picture; each refresh composes the frame buffer into the picture and
// shows it, and the picture's key-coloured pixels are cut out of the
// window's shape.
#pragma once

#include <QDialog>
#include <QImage>
#include <QPushButton>
#include <memory>

#include "driver_app.h"
#include "frame_dump.h"

namespace lumisim {

class BoardView;

class CDisplay : public QDialog {
  public:
    CDisplay(CDisplayDriverWin32App &app, uint32_t *frameBuffer);
    ~CDisplay() override;

    // Loads the board picture and sets the window up to show it plainly.
    // False, after telling the user why, when the picture cannot be had.
    bool initialise();
    // Places the two hard-key buttons once the window is on screen.
    void placeButtons();
    // Paints the menu and the info dialog once, unseen, and registers the
    // input devices, so that Qt sets up the process-wide state they need
    // now rather than when first used. The exit handler registered after
    // this then runs before that state's exit-time teardown.
    void prepareMenuAndDialog();
    // Composes the whole frame buffer into the picture and shows it.
    void refresh();

    // Only the driver ends the window: Escape, Enter and the window
    // manager's close do nothing.
    void done(int) override {}

    const QImage &picture() const { return picture_; }
    QPushButton *powerButton() const { return power_; }
    QPushButton *rTasteButton() const { return rTaste_; }

  protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

  private:
    void showInfo();

    CDisplayDriverWin32App &app_;
    uint32_t *frameBuffer_;  // the driver's; only read during a refresh
    DisplayParams params_;
    QImage picture_;
    QRect panelRect_;         // the panel's pixels inside the picture
    bool maskStale_ = false;  // the plain picture had see-through panel pixels
    std::unique_ptr<FrameDump> dump_;
    QPushButton *power_;
    QPushButton *rTaste_;
    BoardView *view_;
};

}  // namespace lumisim
