// The GUI thread: Qt allows one thread to run its application objects for
// the whole life of the process, so the first window start creates this
// thread and every later window runs on it too. Each window gets a fresh
// application object and CDisplay there; closing ends both.
//
// Requests from the driver's thread travel as atomics and wake the GUI
// thread through an eventfd watched by its event loop, so they are served
// from any loop that runs, including an open menu or dialog. No Qt call
// happens on any other thread.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>

#include "display_window.h"

namespace lumisim {

class CDisplay;
class CDisplayDriverWin32App;

// What a window start hands to the GUI thread; the frame buffer, the
// window-up flag and the key delivery belong to the display object.
struct WindowStart {
    DisplayParams params;
    uint32_t *frameBuffer;
    std::atomic<bool> *windowUp;
    KeyDelivery *keys;
    const std::atomic<bool> *cancelled;  // set from outside: give the start up
};

class GuiThread {
  public:
    static GuiThread &instance();
    ~GuiThread();

    // Brings a window up on the GUI thread and returns its session number
    // (never 0) once it is up; 0 when it could not come up (the user has
    // been told why), the start was cancelled or another window is up.
    uint32_t startWindow(const WindowStart &start);
    // Composes and shows the frame buffer; returns when it is shown.
    void refresh();
    // Asks for a repaint; never waits.
    void invalidate();
    // Ends the window of that session, also from inside an open menu or
    // dialog, and returns once its Qt objects are destroyed.
    void close(uint32_t session);

    // Runs job on the GUI thread while a window is up and waits for it;
    // false when no window is up. The job must not open a nested loop
    // (use post for that).
    bool call(const std::function<void()> &job);
    // Queues job onto the window's loop without waiting; it may open
    // menus or dialogs.
    bool post(std::function<void()> job);
    // The window that is up; only on the GUI thread.
    CDisplay *display() const { return display_; }

    // Closes any window and ends the thread; runs at process exit, before
    // Qt's own teardown. Later starts fail.
    void shutDown();

  private:
    enum State : uint32_t { kIdle, kStarting, kUp };
    enum Command : uint32_t { kNone, kStart, kQuit };

    GuiThread() = default;
    void run();
    void runWindow();
    void bringUp(CDisplayDriverWin32App &app, int triesLeft);
    void serve();
    void wake();

    std::thread thread_;
    int wakeFd_ = -1;
    std::atomic<uint32_t> command_{kNone};
    std::atomic<uint32_t> state_{kIdle};
    std::atomic<uint32_t> session_{0};
    std::atomic<bool> shutDown_{false};
    WindowStart start_{};  // published through command_

    std::atomic<uint32_t> refreshAsked_{0};
    std::atomic<uint32_t> refreshDone_{0};
    std::atomic<bool> invalidateAsked_{false};
    std::atomic<bool> closeAsked_{false};
    std::atomic<const std::function<void()> *> job_{nullptr};
    std::atomic<uint32_t> jobsDone_{0};

    // GUI thread only.
    CDisplay *display_ = nullptr;
    bool closing_ = false;
};

}  // namespace lumisim
