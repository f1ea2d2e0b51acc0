/*
 * A stand-in frame-buffer device for tests, loaded with LD_PRELOAD: it
 * answers open, ioctl (FBIOGET_VSCREENINFO, FBIOGET_FSCREENINFO) and mmap
 * for one device path and passes everything else on.
 *
 * Configured from the environment at first use:
 *   FBSTANDIN_DEVICE  path it answers for (default /dev/fb0)
 *   FBSTANDIN_BPP     16, 24 or 32 (default 16); other values are reported
 *                     as given, so a driver's refusal can be tested
 *   FBSTANDIN_SIZE    visible WxH (default 320x240)
 *   FBSTANDIN_STRIDE  bytes per row (default width x bytes per pixel)
 *   FBSTANDIN_ORDER   rgb (red in the high bits, default) or bgr
 *   FBSTANDIN_FAIL    open, ioctl or mmap: that call fails
 * or, from a test in the same process, with fb_standin_configure().
 */
#ifndef FB_STANDIN_H
#define FB_STANDIN_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct FbStandinConfig {
    const char *device;
    uint32_t bitsPerPixel;
    uint32_t width, height;
    uint32_t stride; /* 0: width x bytes per pixel */
    int bgr;         /* 1: blue in the high bits */
    int transp;      /* 1: 32-bit pixels carry 8 transparency bits at 24 */
    const char *fail;
} FbStandinConfig;

/* Replaces the device; its memory is filled with 0xEE bytes. */
void fb_standin_configure(const FbStandinConfig *config);
/* The device memory and its length (line length x height). */
uint8_t *fb_standin_memory(size_t *length);
/* How many times the device is open now. */
int fb_standin_open_count(void);

#ifdef __cplusplus
}
#endif

#endif
