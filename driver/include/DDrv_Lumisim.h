/*
 * What the simulating driver DDrv_Lumisim offers beyond the driver
 * interface of DDrv.h, for tests of an application's key handling. Real
 * panel drivers need not have it: include this header only in tests that
 * run against the simulator.
 *
 * Compiles as C99 and as C++.
 */
#ifndef DDRV_LUMISIM_H
#define DDRV_LUMISIM_H

#include "DDrv.h"

#ifdef __cplusplus
extern "C" {
#endif

/** [20] Queues a hard-key event as if the key had been pressed (pressed 1)
 *  or released (0) on the board. It reaches the hard-key callback later, on
 *  the driver's key thread, in order with the board's own keys. 0 when
 *  queued; 258 while unbound, for pressed other than 0 or 1, for a press
 *  of a key that is down, a release of a key that is up, or a press that
 *  finds the key queue full. */
DDRV_API VR_Status DDrv_InjectHardKey(uint32_t key, uint32_t pressed);

#ifdef __cplusplus
}
#endif

#endif /* DDRV_LUMISIM_H */
