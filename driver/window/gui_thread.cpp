#include "gui_thread.h"

#include <pthread.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QTimer>
#include <QWindow>
#include <cstdlib>

#include "display_dialog.h"
#include "driver_app.h"
#include "futex_wait.h"

namespace lumisim {

namespace {

// Registered after every window start, so it runs before the exit-time
// teardown of whatever Qt set up while the window came up.
void shutDownAtExit() { GuiThread::instance().shutDown(); }

}  // namespace

GuiThread &GuiThread::instance() {
    static GuiThread thread;
    return thread;
}

GuiThread::~GuiThread() { shutDown(); }

uint32_t GuiThread::startWindow(const WindowStart &start) {
    if (shutDown_.load(std::memory_order_acquire)) return 0;
    uint32_t idle = kIdle;
    if (!state_.compare_exchange_strong(idle, kStarting, std::memory_order_acq_rel)) return 0;
    if (!thread_.joinable()) {
        wakeFd_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
        if (wakeFd_ < 0) {
            state_.store(kIdle, std::memory_order_release);
            return 0;
        }
        thread_ = std::thread([this] { run(); });
        pthread_setname_np(thread_.native_handle(), "lumisim-gui");
    }
    const uint32_t session = session_.load(std::memory_order_relaxed) + 1;
    session_.store(session, std::memory_order_relaxed);
    start_ = start;
    closeAsked_.store(false, std::memory_order_relaxed);
    invalidateAsked_.store(false, std::memory_order_relaxed);
    command_.store(kStart, std::memory_order_release);
    futexWakeAll(command_);

    waitWhileEqual(state_, kStarting);
    if (state_.load(std::memory_order_acquire) != kUp) return 0;
    std::atexit(shutDownAtExit);
    return session;
}

void GuiThread::refresh() {
    if (state_.load(std::memory_order_acquire) != kUp) return;
    const uint32_t ticket = refreshAsked_.fetch_add(1, std::memory_order_acq_rel) + 1;
    wake();
    uint32_t done;
    while (static_cast<int32_t>((done = refreshDone_.load(std::memory_order_acquire)) - ticket) < 0)
        futexWait(refreshDone_, done);
}

void GuiThread::invalidate() {
    if (state_.load(std::memory_order_acquire) != kUp) return;
    // Coalesced: one wake-up stands for every request until it is served.
    if (!invalidateAsked_.exchange(true, std::memory_order_acq_rel)) wake();
}

void GuiThread::close(uint32_t session) {
    if (session == 0 || session != session_.load(std::memory_order_relaxed)) return;
    if (state_.load(std::memory_order_acquire) != kUp) return;
    closeAsked_.store(true, std::memory_order_release);
    wake();
    waitWhileEqual(state_, kUp);
}

bool GuiThread::call(const std::function<void()> &job) {
    if (state_.load(std::memory_order_acquire) != kUp) return false;
    const uint32_t before = jobsDone_.load(std::memory_order_acquire);
    job_.store(&job, std::memory_order_release);
    wake();
    waitWhileEqual(jobsDone_, before);
    return true;
}

bool GuiThread::post(std::function<void()> job) {
    return call([&job] { QTimer::singleShot(0, QCoreApplication::instance(), std::move(job)); });
}

void GuiThread::shutDown() {
    if (shutDown_.exchange(true, std::memory_order_acq_rel) || !thread_.joinable()) return;
    if (std::this_thread::get_id() == thread_.get_id() ||
        state_.load(std::memory_order_acquire) == kStarting) {
        // A window still coming up (its message box open) or a call from
        // the GUI thread itself: nothing can be waited for.
        thread_.detach();
        return;
    }
    if (state_.load(std::memory_order_acquire) == kUp) {
        closeAsked_.store(true, std::memory_order_release);
        wake();
        waitWhileEqual(state_, kUp);
    }
    command_.store(kQuit, std::memory_order_release);
    futexWakeAll(command_);
    thread_.join();
    ::close(wakeFd_);
    wakeFd_ = -1;
}

void GuiThread::wake() {
    const uint64_t one = 1;
    // The counter only saturates after 2^64 - 2 unserved wake-ups.
    [[maybe_unused]] const ssize_t written = ::write(wakeFd_, &one, sizeof one);
}

void GuiThread::run() {
    for (;;) {
        uint32_t command;
        while ((command = command_.exchange(kNone, std::memory_order_acquire)) == kNone)
            futexWait(command_, kNone);
        if (command == kQuit) return;
        runWindow();
    }
}

void GuiThread::runWindow() {
    const WindowStart start = start_;
    uint64_t stale;
    while (::read(wakeFd_, &stale, sizeof stale) == sizeof stale) {
    }
    closing_ = false;
    {
        CDisplayDriverWin32App app(start.params, *start.windowUp, *start.cancelled);
        QSocketNotifier wakeUps(wakeFd_, QSocketNotifier::Read);
        QObject::connect(&wakeUps, &QSocketNotifier::activated, [this] { serve(); });
        CDisplay display(app, start.frameBuffer, start.keys);
        if (display.initialise()) {
            display_ = &display;
            display.show();
            QTimer::singleShot(0, &display, [this, &app] { bringUp(app, 400); });
            app.exec();
            display_ = nullptr;
        }
    }
    // Nobody may be left waiting on a window that is gone.
    if (job_.exchange(nullptr, std::memory_order_acq_rel)) {
        jobsDone_.fetch_add(1, std::memory_order_release);
        futexWakeAll(jobsDone_);
    }
    refreshDone_.store(refreshAsked_.load(std::memory_order_acquire), std::memory_order_release);
    futexWakeAll(refreshDone_);
    start.windowUp->store(false, std::memory_order_release);
    state_.store(kIdle, std::memory_order_release);
    futexWakeAll(state_);
}

void GuiThread::bringUp(CDisplayDriverWin32App &app, int triesLeft) {
    if (!display_) return;
    // The window counts as up once it is on the screen, so that it shows
    // the plain board picture when the start returns.
    if (app.startCancelled()) {
        QCoreApplication::exit(0);
        return;
    }
    const QWindow *handle = display_->windowHandle();
    if (!closing_ && triesLeft > 0 && !(handle && handle->isExposed())) {
        QTimer::singleShot(5, display_, [this, &app, triesLeft] { bringUp(app, triesLeft - 1); });
        return;
    }
    display_->prepareMenuAndDialog();
    app.setWindowUp(true);
    display_->placeButtons();
    display_->update();
    state_.store(kUp, std::memory_order_release);
    futexWakeAll(state_);
}

void GuiThread::serve() {
    uint64_t count;
    while (::read(wakeFd_, &count, sizeof count) == sizeof count) {
    }
    if (closeAsked_.load(std::memory_order_acquire) && !closing_) {
        closing_ = true;
        // Ends every loop on this thread, the menu's and the dialog's too.
        QCoreApplication::exit(0);
    }
    if (const auto *job = job_.exchange(nullptr, std::memory_order_acq_rel)) {
        (*job)();
        jobsDone_.fetch_add(1, std::memory_order_release);
        futexWakeAll(jobsDone_);
    }
    const uint32_t asked = refreshAsked_.load(std::memory_order_acquire);
    if (asked != refreshDone_.load(std::memory_order_relaxed)) {
        if (display_) display_->refresh();
        refreshDone_.store(asked, std::memory_order_release);
        futexWakeAll(refreshDone_);
    }
    if (invalidateAsked_.exchange(false, std::memory_order_acq_rel) && display_) display_->update();
}

}  // namespace lumisim
