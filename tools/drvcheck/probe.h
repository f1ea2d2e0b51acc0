// What the checker hands the driver as callbacks, and what they saw. Each
// clause runs in a fresh child process, so plain globals are reset.
#pragma once

#include <pthread.h>

#include "DDrv.h"

namespace drvcheck::probe {

struct GraphicCall {
    uint32_t code = 0;
    const VR_Point *position = nullptr;
    const VR_Window *windowAddress = nullptr;
    VR_Window window{};
    void *params = nullptr;
    bool sameThread = false;
};

// Calls to graphic() since reset(), the last one, and what it returns.
struct GraphicLog {
    int calls = 0;
    GraphicCall last;
    VR_Status answer = 0;
    // When set, the first call enters DDrv_GraphicFunction once more, as the
    // library's text boxes do, and keeps the inner call's status here.
    decltype(&DDrv_GraphicFunction) nestInto = nullptr;
    VR_Status innerStatus = 0;
    pthread_t caller{};
};

extern GraphicLog g_log;
// Clears the log; the callback answers with answer from now on.
void reset(VR_Status answer);

VR_Status graphic(uint32_t code, const VR_Point *position, const VR_Window *window, void *params);
// A second graphic callback, to tell which one a driver calls.
VR_Status otherGraphic(uint32_t code, const VR_Point *position, const VR_Window *window, void *params);
extern int g_otherCalls;

// Three distinct hard-key callbacks.
void keyA(uint32_t, uint32_t);
void keyB(uint32_t, uint32_t);
void keyC(uint32_t, uint32_t);

}  // namespace drvcheck::probe
