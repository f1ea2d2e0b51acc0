#include "driver_api.h"

#include <dlfcn.h>

#include <stdexcept>

namespace drvcheck {

namespace {

template <typename Fn>
void lookUp(void *handle, const char *name, Fn &fn, std::vector<std::string> &missing) {
    fn = reinterpret_cast<Fn>(dlsym(handle, name));
    if (fn == nullptr) missing.emplace_back(name);
}

}  // namespace

DriverApi loadDriver(const std::string &path) {
    // Kept loaded for the life of the (child) process: a driver may have
    // threads running from its code until the process ends.
    void *handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char *error = dlerror();
        throw std::runtime_error(std::string("cannot load the driver: ") + (error ? error : path.c_str()));
    }
    DriverApi d;
    lookUp(handle, "DDrv_InitDriver", d.InitDriver, d.missing);
    lookUp(handle, "DDrv_DeInitDriver", d.DeInitDriver, d.missing);
    lookUp(handle, "DDrv_SetPixel", d.SetPixel, d.missing);
    lookUp(handle, "DDrv_GetPixel", d.GetPixel, d.missing);
    lookUp(handle, "DDrv_SetBL", d.SetBL, d.missing);
    lookUp(handle, "DDrv_GetBL", d.GetBL, d.missing);
    lookUp(handle, "DDrv_GetDisplayInfo", d.GetDisplayInfo, d.missing);
    lookUp(handle, "DDrv_SetOrientation", d.SetOrientation, d.missing);
    lookUp(handle, "DDrv_GetVersion", d.GetVersion, d.missing);
    lookUp(handle, "DDrv_RefreshDisplay", d.RefreshDisplay, d.missing);
    lookUp(handle, "DDrv_RefreshDisplayArea", d.RefreshDisplayArea, d.missing);
    lookUp(handle, "DDrv_GraphicFunction", d.GraphicFunction, d.missing);
    lookUp(handle, "DDrv_SetDisplayContrast", d.SetDisplayContrast, d.missing);
    lookUp(handle, "DDrv_GetDisplayContrast", d.GetDisplayContrast, d.missing);
    lookUp(handle, "DDrv_SetDisplayBrightness", d.SetDisplayBrightness, d.missing);
    lookUp(handle, "DDrv_GetDisplayBrightness", d.GetDisplayBrightness, d.missing);
    lookUp(handle, "DDrv_SetHardKeyCallback", d.SetHardKeyCallback, d.missing);
    lookUp(handle, "DDrv_SetActiveWindow", d.SetActiveWindow, d.missing);
    lookUp(handle, "DDrv_GetActiveWindow", d.GetActiveWindow, d.missing);
    return d;
}

}  // namespace drvcheck
