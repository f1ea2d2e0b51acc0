#include "display_probe.h"

#include <dlfcn.h>

#include <cstdlib>

namespace lumisim {

namespace {

bool envSet(const char *name) {
    const char *value = std::getenv(name);
    return value && *value;
}

// Connects to the X server named by DISPLAY through libxcb, the library
// Qt's X11 platform itself uses, so that an unreachable server or refused
// authorisation is found here rather than in Qt. Loaded at run time so the
// driver does not depend on X headers.
bool xServerAccepts() {
    if (!envSet("DISPLAY")) return false;
    void *xcb = dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!xcb) return false;
    using Connect = void *(*)(const char *, int *);
    using HasError = int (*)(void *);
    using Disconnect = void (*)(void *);
    auto connect = reinterpret_cast<Connect>(dlsym(xcb, "xcb_connect"));
    auto hasError = reinterpret_cast<HasError>(dlsym(xcb, "xcb_connection_has_error"));
    auto disconnect = reinterpret_cast<Disconnect>(dlsym(xcb, "xcb_disconnect"));
    bool ok = false;
    if (connect && hasError && disconnect) {
        void *connection = connect(nullptr, nullptr);
        ok = connection && hasError(connection) == 0;
        if (connection) disconnect(connection);  // also frees a failed connection
    }
    dlclose(xcb);
    return ok;
}

}  // namespace

std::string windowPlatform() {
    const char *chosen = std::getenv("QT_QPA_PLATFORM");
    return chosen && *chosen ? std::string(chosen) : std::string("xcb");
}

bool displayReachable() {
    const std::string platform = windowPlatform();
    // "name:options" or "first;fallback": the first name decides.
    const std::string name = platform.substr(0, platform.find_first_of(":;"));
    if (name == "offscreen" || name == "minimal") return true;
    if (name == "xcb") return xServerAccepts();
    return envSet("DISPLAY") || envSet("WAYLAND_DISPLAY");
}

}  // namespace lumisim
