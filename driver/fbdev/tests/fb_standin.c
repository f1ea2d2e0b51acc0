/* The stand-in frame-buffer device; fb_standin.h describes it. */
#define _GNU_SOURCE

#include "fb_standin.h"

#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <linux/fb.h>
#include <stdarg.h>
#include <stdlib.h>
#include <string.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <unistd.h>

#define STANDIN_API __attribute__((visibility("default")))
#define MAX_FDS 16

static FbStandinConfig g_config;
static char g_device[256] = "/dev/fb0";
static char g_fail[16];
static int g_configured;
static uint8_t *g_memory;
static size_t g_length;
static int g_fds[MAX_FDS];
static int g_fdCount;

static uint32_t envNumber(const char *name, uint32_t fallback) {
    const char *v = getenv(name);
    return v && *v ? (uint32_t)strtoul(v, NULL, 10) : fallback;
}

static void configureFromEnv(void) {
    FbStandinConfig c;
    const char *size = getenv("FBSTANDIN_SIZE");
    const char *order = getenv("FBSTANDIN_ORDER");
    memset(&c, 0, sizeof c);
    c.device = getenv("FBSTANDIN_DEVICE");
    c.bitsPerPixel = envNumber("FBSTANDIN_BPP", 16);
    c.width = 320;
    c.height = 240;
    if (size && strchr(size, 'x')) {
        c.width = (uint32_t)strtoul(size, NULL, 10);
        c.height = (uint32_t)strtoul(strchr(size, 'x') + 1, NULL, 10);
    }
    c.stride = envNumber("FBSTANDIN_STRIDE", 0);
    c.bgr = order && strcmp(order, "bgr") == 0;
    c.fail = getenv("FBSTANDIN_FAIL");
    fb_standin_configure(&c);
}

static void ensureConfigured(void) {
    if (!g_configured) configureFromEnv();
}

static uint32_t bytesPerPixel(void) { return (g_config.bitsPerPixel + 7) / 8; }

STANDIN_API void fb_standin_configure(const FbStandinConfig *config) {
    static int (*realMunmap)(void *, size_t);
    static void *(*realMmap)(void *, size_t, int, int, int, off_t);
    if (!realMunmap) realMunmap = (int (*)(void *, size_t))dlsym(RTLD_NEXT, "munmap");
    if (!realMmap) realMmap = (void *(*)(void *, size_t, int, int, int, off_t))dlsym(RTLD_NEXT, "mmap");
    g_config = *config;
    strncpy(g_device, config->device && *config->device ? config->device : "/dev/fb0", sizeof g_device - 1);
    strncpy(g_fail, config->fail ? config->fail : "", sizeof g_fail - 1);
    g_config.device = g_device;
    g_config.fail = g_fail;
    if (g_config.stride == 0) g_config.stride = g_config.width * bytesPerPixel();
    if (g_memory) realMunmap(g_memory, g_length);
    g_length = (size_t)g_config.stride * g_config.height;
    g_memory =
        realMmap(NULL, g_length ? g_length : 1, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (g_memory == MAP_FAILED) abort();
    memset(g_memory, 0xEE, g_length);
    g_configured = 1;
}

STANDIN_API uint8_t *fb_standin_memory(size_t *length) {
    ensureConfigured();
    if (length) *length = g_length;
    return g_memory;
}

STANDIN_API int fb_standin_open_count(void) { return g_fdCount; }

static int isDevice(int fd) {
    int i;
    for (i = 0; i < g_fdCount; ++i)
        if (g_fds[i] == fd) return 1;
    return 0;
}

static int openDevice(const char *path, int flags, mode_t mode, int (*real)(const char *, int, ...)) {
    int fd;
    ensureConfigured();
    if (path == NULL || strcmp(path, g_device) != 0) return real(path, flags, mode);
    if (strcmp(g_fail, "open") == 0 || g_fdCount == MAX_FDS) {
        errno = ENOENT;
        return -1;
    }
    /* A real descriptor, so that close() and everything else just work. */
    fd = real("/dev/null", O_RDWR | (flags & O_CLOEXEC), 0);
    if (fd >= 0) g_fds[g_fdCount++] = fd;
    return fd;
}

static mode_t modeOf(int flags, va_list args) {
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? (mode_t)va_arg(args, int) : 0;
}

STANDIN_API int open(const char *path, int flags, ...) {
    static int (*real)(const char *, int, ...);
    va_list args;
    mode_t mode;
    if (!real) real = (int (*)(const char *, int, ...))dlsym(RTLD_NEXT, "open");
    va_start(args, flags);
    mode = modeOf(flags, args);
    va_end(args);
    return openDevice(path, flags, mode, real);
}

STANDIN_API int open64(const char *path, int flags, ...) {
    static int (*real)(const char *, int, ...);
    va_list args;
    mode_t mode;
    if (!real) real = (int (*)(const char *, int, ...))dlsym(RTLD_NEXT, "open64");
    va_start(args, flags);
    mode = modeOf(flags, args);
    va_end(args);
    return openDevice(path, flags, mode, real);
}

STANDIN_API int close(int fd) {
    static int (*real)(int);
    int i;
    if (!real) real = (int (*)(int))dlsym(RTLD_NEXT, "close");
    for (i = 0; i < g_fdCount; ++i)
        if (g_fds[i] == fd) {
            g_fds[i] = g_fds[--g_fdCount];
            break;
        }
    return real(fd);
}

STANDIN_API int ioctl(int fd, unsigned long request, ...) {
    static int (*real)(int, unsigned long, ...);
    va_list args;
    void *arg;
    if (!real) real = (int (*)(int, unsigned long, ...))dlsym(RTLD_NEXT, "ioctl");
    va_start(args, request);
    arg = va_arg(args, void *);
    va_end(args);
    if (!isDevice(fd)) return real(fd, request, arg);
    if (strcmp(g_fail, "ioctl") == 0) {
        errno = ENOTTY;
        return -1;
    }
    if (request == FBIOGET_VSCREENINFO) {
        struct fb_var_screeninfo *v = arg;
        const int wide = g_config.bitsPerPixel >= 24;
        memset(v, 0, sizeof *v);
        v->xres = v->xres_virtual = g_config.width;
        v->yres = v->yres_virtual = g_config.height;
        v->bits_per_pixel = g_config.bitsPerPixel;
        /* RGB565 / BGR565, or 8 bits a channel with red (or blue) at 16. */
        v->red.length = wide ? 8 : 5;
        v->green.length = wide ? 8 : 6;
        v->blue.length = wide ? 8 : 5;
        v->green.offset = wide ? 8 : 5;
        v->red.offset = g_config.bgr ? 0 : (wide ? 16 : 11);
        v->blue.offset = g_config.bgr ? (wide ? 16 : 11) : 0;
        if (g_config.transp && g_config.bitsPerPixel == 32) {
            v->transp.offset = 24;
            v->transp.length = 8;
        }
        return 0;
    }
    if (request == FBIOGET_FSCREENINFO) {
        struct fb_fix_screeninfo *f = arg;
        memset(f, 0, sizeof *f);
        strcpy(f->id, "standin");
        f->smem_len = (uint32_t)g_length;
        f->type = FB_TYPE_PACKED_PIXELS;
        f->visual = FB_VISUAL_TRUECOLOR;
        f->line_length = g_config.stride;
        return 0;
    }
    errno = EINVAL;
    return -1;
}

STANDIN_API void *mmap(void *addr, size_t length, int prot, int flags, int fd, off_t offset) {
    static void *(*real)(void *, size_t, int, int, int, off_t);
    if (!real) real = (void *(*)(void *, size_t, int, int, int, off_t))dlsym(RTLD_NEXT, "mmap");
    if (!isDevice(fd)) return real(addr, length, prot, flags, fd, offset);
    if (strcmp(g_fail, "mmap") == 0 || offset != 0 || length > g_length) {
        errno = EINVAL;
        return MAP_FAILED;
    }
    return g_memory;
}

STANDIN_API void *mmap64(void *addr, size_t length, int prot, int flags, int fd, off_t offset) {
    return mmap(addr, length, prot, flags, fd, offset);
}

/* The device memory stays, as a real device's does. */
STANDIN_API int munmap(void *addr, size_t length) {
    static int (*real)(void *, size_t);
    if (!real) real = (int (*)(void *, size_t))dlsym(RTLD_NEXT, "munmap");
    if (addr == g_memory && g_memory != NULL) return 0;
    return real(addr, length);
}
