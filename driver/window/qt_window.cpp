// The real window side of the driver: the display object whose window runs
// on the GUI thread.
#include <memory>

#include "display_probe.h"
#include "display_window.h"
#include "gui_thread.h"

namespace lumisim {

namespace {

class QtDisplayWindow final : public DisplayWindow {
  public:
    ~QtDisplayWindow() override { close(); }

    bool start(const DisplayParams &params, DDrv_HardKeyCallback hardKey,
               const std::atomic<bool> &cancelled) override {
        if (!allocateFrameBuffer(params)) return false;
        keys_.swapCallback(hardKey);
        session_ = GuiThread::instance().startWindow({params, frameBuffer_.get(), &up_, &keys_, &cancelled});
        return session_ != 0;
    }
    void refresh() override {
        if (session_) GuiThread::instance().refresh();
    }
    void invalidate() override {
        if (session_) GuiThread::instance().invalidate();
    }
    void close() override {
        if (session_) GuiThread::instance().close(session_);
        session_ = 0;
    }

  private:
    uint32_t session_ = 0;  // 0 while no window of this object is up
};

}  // namespace

std::unique_ptr<DisplayWindow> createQtWindow() {
    if (!displayReachable()) return nullptr;
    return std::make_unique<QtDisplayWindow>();
}

}  // namespace lumisim
