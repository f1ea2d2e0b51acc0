// Chooses the window side: headless on request (LUMISIM_HEADLESS=1) or when
// no real window can be had, else the real window.
#include <cstdlib>
#include <cstring>
#include <memory>

#include "display_window.h"
#include "headless_window.h"

namespace lumisim {

#ifdef LUMISIM_WITH_QT
// Defined by the window side; null when no display can be reached.
std::unique_ptr<DisplayWindow> createQtWindow();
#endif

std::unique_ptr<DisplayWindow> createDisplayWindow() {
    const char *headless = std::getenv("LUMISIM_HEADLESS");
    if (headless != nullptr && std::strcmp(headless, "1") == 0) return std::make_unique<HeadlessWindow>();
#ifdef LUMISIM_WITH_QT
    if (auto w = createQtWindow()) return w;
#endif
    return std::make_unique<HeadlessWindow>();
}

}  // namespace lumisim
