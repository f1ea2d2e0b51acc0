// CDisplay: the display window. A frameless dialog the size of the board
// picture times the zoom; each refresh composes the frame buffer into the
// picture and shows it, and the picture's key-coloured pixels are cut out
// of the window's shape. Mouse presses on the board's buttons and mapped
// keyboard keys go to the hard-key delivery.
#pragma once

#include <QDialog>
#include <QImage>
#include <QPushButton>
#include <QRegion>
#include <memory>

#include "driver_app.h"
#include "frame_dump.h"
#include "hard_key_input.h"

namespace lumisim {

class BoardView;

class CDisplay : public QDialog {
  public:
    CDisplay(CDisplayDriverWin32App &app, uint32_t *frameBuffer, KeyDelivery *keys);
    ~CDisplay() override;

    // Loads the board picture and sets the window up to show it plainly.
    // False, after telling the user why, when the picture cannot be had.
    bool initialise();
    // Places the two hard-key buttons once the window is on screen: where
    // the board picture at 1:1 has them, times the zoom.
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

    // The composed board picture at 1:1 (what frame dumps hold); the
    // window shows it at the zoom, each pixel a zoom x zoom square.
    const QImage &picture() const { return picture_; }
    int zoom() const { return zoom_; }
    HardKeyInput &input() { return input_; }
    QPushButton *powerButton() const { return power_; }
    QPushButton *rTasteButton() const { return rTaste_; }

  protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool event(QEvent *event) override;

  private:
    void showInfo();
    // The window's shape: the picture's, at the zoom.
    QRegion zoomedMask() const;
    // Lets go of every held key, redrawing a held button unpressed.
    void releaseAll();

    CDisplayDriverWin32App &app_;
    uint32_t *frameBuffer_;  // the driver's; only read during a refresh
    DisplayParams params_;
    QImage picture_;
    int zoom_ = 1;
    QRect panelRect_;         // the panel's pixels inside the picture
    bool maskStale_ = false;  // the plain picture had see-through panel pixels
    std::unique_ptr<FrameDump> dump_;
    HardKeyInput input_;
    QPushButton *power_;
    QPushButton *rTaste_;
    BoardView *view_;
};

}  // namespace lumisim
