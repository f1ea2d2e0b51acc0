// CDisplayDriverWin32App: the driver's application object on the GUI
// thread. It owns the Qt application of one window's life and holds the
// display parameters and the window-up flag.
#pragma once

#include <QApplication>
#include <QIcon>
#include <atomic>
#include <memory>
#include <string>

#include "display_window.h"

namespace lumisim {

class CDisplayDriverWin32App {
  public:
    // The application is named after the driver ("DDrv_Lumisim"), which
    // captions its message boxes; the platform is forced to X11 unless the
    // user chose one with QT_QPA_PLATFORM.
    CDisplayDriverWin32App(const DisplayParams &params, std::atomic<bool> &windowUp,
                           const std::atomic<bool> &startCancelled);
    ~CDisplayDriverWin32App();
    CDisplayDriverWin32App(const CDisplayDriverWin32App &) = delete;
    CDisplayDriverWin32App &operator=(const CDisplayDriverWin32App &) = delete;

    const DisplayParams &params() const { return params_; }
    void setWindowUp(bool up) { windowUp_.store(up, std::memory_order_release); }
    // Set from another thread when the start is to be given up.
    bool startCancelled() const { return startCancelled_.load(std::memory_order_acquire); }
    // Runs the application's loop until QCoreApplication::exit.
    int exec() { return QApplication::exec(); }
    // Without a screen (offscreen platform) nobody could close a message
    // box, so messages go to standard error instead.
    bool headlessScreen() const { return offscreen_; }
    // Shows a driver message: a box with OK only, captioned with the
    // application name, owned by the given window. The box goes away by
    // itself when the start is cancelled.
    void report(const QString &message, QWidget *owner) const;

  private:
    DisplayParams params_;
    std::atomic<bool> &windowUp_;
    const std::atomic<bool> &startCancelled_;
    std::string platformArg_;
    int argc_;
    char *argv_[4];
    std::unique_ptr<QApplication> app_;
    bool offscreen_ = false;
};

// The driver's icon in 256, 128, 48, 32, 24 and 16 pixels.
QIcon lumisimIcon();

}  // namespace lumisim
