// The 19 DDrv_ functions of a driver library loaded by path, looked up by
// name as VRLib binds them.
#pragma once

#include <string>
#include <vector>

#include "DDrv.h"

namespace drvcheck {

struct DriverApi {
    decltype(&DDrv_InitDriver) InitDriver = nullptr;
    decltype(&DDrv_DeInitDriver) DeInitDriver = nullptr;
    decltype(&DDrv_SetPixel) SetPixel = nullptr;
    decltype(&DDrv_GetPixel) GetPixel = nullptr;
    decltype(&DDrv_SetBL) SetBL = nullptr;
    decltype(&DDrv_GetBL) GetBL = nullptr;
    decltype(&DDrv_GetDisplayInfo) GetDisplayInfo = nullptr;
    decltype(&DDrv_SetOrientation) SetOrientation = nullptr;
    decltype(&DDrv_GetVersion) GetVersion = nullptr;
    decltype(&DDrv_RefreshDisplay) RefreshDisplay = nullptr;
    decltype(&DDrv_RefreshDisplayArea) RefreshDisplayArea = nullptr;
    decltype(&DDrv_GraphicFunction) GraphicFunction = nullptr;
    decltype(&DDrv_SetDisplayContrast) SetDisplayContrast = nullptr;
    decltype(&DDrv_GetDisplayContrast) GetDisplayContrast = nullptr;
    decltype(&DDrv_SetDisplayBrightness) SetDisplayBrightness = nullptr;
    decltype(&DDrv_GetDisplayBrightness) GetDisplayBrightness = nullptr;
    decltype(&DDrv_SetHardKeyCallback) SetHardKeyCallback = nullptr;
    decltype(&DDrv_SetActiveWindow) SetActiveWindow = nullptr;
    decltype(&DDrv_GetActiveWindow) GetActiveWindow = nullptr;

    std::vector<std::string> missing;  // names not found, in ordinal order
};

// Loads the library (dlopen, every symbol resolved now) and looks up the 19
// functions. Throws std::runtime_error with the loader's message when the
// library does not load; missing functions are listed, not thrown.
DriverApi loadDriver(const std::string &path);

}  // namespace drvcheck
