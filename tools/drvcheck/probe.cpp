#include "probe.h"

namespace drvcheck::probe {

GraphicLog g_log;
int g_otherCalls = 0;

void reset(VR_Status answer) {
    g_log = GraphicLog{};
    g_log.answer = answer;
    g_log.caller = pthread_self();
}

VR_Status graphic(uint32_t code, const VR_Point *position, const VR_Window *window, void *params) {
    ++g_log.calls;
    g_log.last = GraphicCall{code,   position,
                             window, window ? *window : VR_Window{},
                             params, pthread_equal(pthread_self(), g_log.caller) != 0};
    if (g_log.nestInto != nullptr) {
        auto inner = g_log.nestInto;
        g_log.nestInto = nullptr;
        const VR_Point where{1, 2};
        g_log.innerStatus = inner(VR_GF_LINE, &where, params);
    }
    return g_log.answer;
}

VR_Status otherGraphic(uint32_t, const VR_Point *, const VR_Window *, void *) {
    ++g_otherCalls;
    return VR_OK;
}

// Distinct bodies, so that identical-code folding cannot merge them.
static volatile int g_keys = 0;
void keyA(uint32_t, uint32_t) { g_keys = g_keys + 1; }
void keyB(uint32_t, uint32_t) { g_keys = g_keys + 2; }
void keyC(uint32_t, uint32_t) { g_keys = g_keys + 3; }

}  // namespace drvcheck::probe
