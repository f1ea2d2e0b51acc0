/* A port with no panel behind it: the desktop build of DDrv_SSD0323 that
   vr_drvcheck loads sends its bytes here. */
#include "DDrv_SSD0323.h"

int DDrv_SSD0323_PortOpen(void) { return 0; }

void DDrv_SSD0323_PortCommand(const uint8_t *bytes, size_t count) {
    (void)bytes;
    (void)count;
}

void DDrv_SSD0323_PortData(const uint8_t *bytes, size_t count) {
    (void)bytes;
    (void)count;
}
