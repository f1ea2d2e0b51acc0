/*
 * DDrv_SSD0323: the VRLib display driver for a 128 x 64 OLED panel on a
 * Solomon SSD0323 controller (16 grey levels, 4 bits per pixel), written to
 * over a write-only serial port with a data/command line.
 *
 * The driver implements the 19 functions of DDrv.h. The board supplies the
 * port: the three DDrv_SSD0323_Port functions below, which the driver calls
 * and never implements itself. A board with keys reports them through
 * DDrv_SSD0323_KeyEvent, which hands them to the hard-key callback.
 *
 * Compiles as C99 and as C++.
 */
#ifndef DDRV_SSD0323_H
#define DDRV_SSD0323_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/** Panel geometry. */
enum { DDRV_SSD0323_WIDTH = 128, DDRV_SSD0323_HEIGHT = 64 };

/** Board: powers the panel and makes the port ready; 0 on success. */
int DDrv_SSD0323_PortOpen(void);
/** Board: sends bytes with the data/command line low (commands). */
void DDrv_SSD0323_PortCommand(const uint8_t *bytes, size_t count);
/** Board: sends bytes with the data/command line high (display RAM). */
void DDrv_SSD0323_PortData(const uint8_t *bytes, size_t count);

/** Driver, for the board: key went down (pressed 1) or up (0). Calls the
 *  hard-key callback with both while the driver is initialised, else
 *  nothing. Boards call it from their key interrupt, so the callback runs
 *  there: it should only note the key. */
void DDrv_SSD0323_KeyEvent(uint32_t key, uint32_t pressed);

#ifdef __cplusplus
}
#endif

#endif /* DDRV_SSD0323_H */
