#include "scripted_window.h"

#include <chrono>
#include <stdexcept>
#include <thread>

namespace scripted {

Script &script() {
    static Script s;
    return s;
}

void reset() { script() = Script{}; }

namespace {

class ScriptedWindow final : public lumisim::DisplayWindow {
  public:
    explicit ScriptedWindow(int id) : id_(id) { log("create"); }
    ~ScriptedWindow() override { log("destroy"); }

    bool start(const lumisim::DisplayParams &params, DDrv_HardKeyCallback hardKey,
               const std::atomic<bool> &cancelled) override {
        log("start");
        if (script().failStart) return false;
        if (script().startWaits) {
            while (!cancelled.load()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
            return false;
        }
        if (!allocateFrameBuffer(params)) return false;
        words_ = size_t(params.info.xSize) * params.info.ySize;
        keys_.swapCallback(hardKey);
        up_.store(true);
        return true;
    }
    void refresh() override {
        log("refresh");
        script().shown.assign(frameBuffer(), frameBuffer() + words_);
    }
    void invalidate() override { log("invalidate"); }
    void close() override {
        log("close");
        up_.store(false);
    }

  private:
    void log(const char *what) { script().events.push_back(std::string(what) + " " + std::to_string(id_)); }

    int id_;
    size_t words_ = 0;
};

}  // namespace
}  // namespace scripted

// Replaces the driver's own choice of window side in this test program.
std::unique_ptr<lumisim::DisplayWindow> lumisim::createDisplayWindow() {
    if (scripted::script().throwOnCreate) throw std::runtime_error("no window today");
    return std::make_unique<scripted::ScriptedWindow>(++scripted::script().created);
}
