/* A C unit test of an application's key handling, the way application
 * writers write one: the simulator's DDrv_InjectHardKey presses keys, the
 * callback under test counts them. Exits 0 when every check holds. */
#define _POSIX_C_SOURCE 200809L

#include <stdatomic.h>
#include <stdio.h>
#include <time.h>

#include "DDrv_Lumisim.h"

/* The "application": a cursor that up and down move through 4 rows. */
static atomic_int cursor = 0;
static atomic_int events = 0;

static void onKey(uint32_t key, uint32_t pressed) {
    if (pressed && key == VR_KEY_DOWN && cursor < 3) ++cursor;
    if (pressed && key == VR_KEY_UP && cursor > 0) --cursor;
    ++events;
}

static VR_Status noGraphic(uint32_t code, const VR_Point *at, const VR_Window *window, void *params) {
    (void)code, (void)at, (void)window, (void)params;
    return VR_OK;
}

/* Keys arrive on the driver's key thread: wait up to 5 s for them. */
static int waitForEvents(int n) {
    struct timespec pause = {0, 1000000};
    int tries;
    for (tries = 0; tries < 5000 && events < n; ++tries) nanosleep(&pause, NULL);
    return events >= n;
}

static int failures = 0;
static void check(int ok, const char *what) {
    if (!ok) {
        fprintf(stderr, "FAIL: %s\n", what);
        ++failures;
    }
}

static void tap(uint32_t key) {
    check(DDrv_InjectHardKey(key, VR_KEY_PRESSED) == VR_OK, "press queued");
    check(DDrv_InjectHardKey(key, VR_KEY_RELEASED) == VR_OK, "release queued");
}

int main(void) {
    if (DDrv_InitDriver(noGraphic, onKey) != VR_OK) {
        fprintf(stderr, "FAIL: DDrv_InitDriver\n");
        return 1;
    }
    tap(VR_KEY_DOWN);
    tap(VR_KEY_DOWN);
    tap(VR_KEY_UP);
    tap(VR_KEY_DOWN);
    tap(VR_KEY_DOWN);
    tap(VR_KEY_DOWN); /* stops at the last row */
    check(waitForEvents(12), "12 events delivered");
    check(cursor == 3, "cursor on the last row");
    DDrv_DeInitDriver();
    check(DDrv_InjectHardKey(VR_KEY_UP, VR_KEY_PRESSED) == VR_ERR_DRIVER, "258 after the shutdown");
    return failures ? 1 : 0;
}
