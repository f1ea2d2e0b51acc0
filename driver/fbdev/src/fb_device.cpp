#include "fb_device.h"

#include <fcntl.h>
#include <linux/fb.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace fbdev {

namespace {

std::string systemError(const std::string &what) { return what + ": " + std::strerror(errno); }

// The kernel's layout as a PixelFormat; false with a reason when it is not
// a packed true-colour layout of 16, 24 or 32 bits.
bool describe(const fb_var_screeninfo &var, const fb_fix_screeninfo &fix, PixelFormat &format,
              std::string &why) {
    if (fix.type != FB_TYPE_PACKED_PIXELS || fix.visual != FB_VISUAL_TRUECOLOR) {
        why = "not a packed true-colour frame buffer (type " + std::to_string(fix.type) + ", visual " +
              std::to_string(fix.visual) + ")";
        return false;
    }
    if (var.bits_per_pixel != 16 && var.bits_per_pixel != 24 && var.bits_per_pixel != 32) {
        why = std::to_string(var.bits_per_pixel) + " bits per pixel are not supported (16, 24 or 32)";
        return false;
    }
    const fb_bitfield *fields[] = {&var.red, &var.green, &var.blue, &var.transp};
    for (const fb_bitfield *f : fields)
        if (f->length > 8 || f->msb_right != 0 || f->offset + f->length > var.bits_per_pixel) {
            why = "a colour channel of offset " + std::to_string(f->offset) + " and length " +
                  std::to_string(f->length) + " is not supported";
            return false;
        }
    format.bytesPerPixel = uint8_t(var.bits_per_pixel / 8);
    format.red = Channel{uint8_t(var.red.offset), uint8_t(var.red.length)};
    format.green = Channel{uint8_t(var.green.offset), uint8_t(var.green.length)};
    format.blue = Channel{uint8_t(var.blue.offset), uint8_t(var.blue.length)};
    format.opaque = var.transp.length ? ((1u << var.transp.length) - 1u) << var.transp.offset : 0;
    return true;
}

}  // namespace

bool openDevice(const std::string &path, FbDevice &device, std::string &error) {
    FbDevice d;
    d.fd = open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (d.fd < 0) {
        error = systemError("cannot open " + path);
        return false;
    }
    fb_var_screeninfo var{};
    fb_fix_screeninfo fix{};
    if (ioctl(d.fd, FBIOGET_VSCREENINFO, &var) != 0 || ioctl(d.fd, FBIOGET_FSCREENINFO, &fix) != 0) {
        error = systemError(path + ": cannot read the screen information (not a frame-buffer device?)");
        closeDevice(d);
        return false;
    }
    std::string why;
    if (!describe(var, fix, d.format, why)) {
        error = path + ": " + why;
        closeDevice(d);
        return false;
    }
    if (var.xres == 0 || var.yres == 0 || var.xres > 65535 || var.yres > 65535) {
        error = path + ": a visible size of " + std::to_string(var.xres) + " x " + std::to_string(var.yres) +
                " is not supported";
        closeDevice(d);
        return false;
    }
    // The visible area starts at (xoffset, yoffset) of the virtual screen.
    const size_t bytes = d.format.bytesPerPixel;
    const size_t start = size_t(var.yoffset) * fix.line_length + size_t(var.xoffset) * bytes;
    const size_t end = start + size_t(var.yres - 1) * fix.line_length + size_t(var.xres) * bytes;
    if (fix.line_length < var.xres * bytes || end > fix.smem_len) {
        error = path + ": the reported memory (" + std::to_string(fix.smem_len) + " bytes, rows of " +
                std::to_string(fix.line_length) + ") does not hold the visible " + std::to_string(var.xres) +
                " x " + std::to_string(var.yres) + " pixels";
        closeDevice(d);
        return false;
    }
    void *mapping = mmap(nullptr, fix.smem_len, PROT_READ | PROT_WRITE, MAP_SHARED, d.fd, 0);
    if (mapping == MAP_FAILED) {
        error = systemError("cannot map the memory of " + path);
        closeDevice(d);
        return false;
    }
    d.mapping = mapping;
    d.mappingLength = fix.smem_len;
    d.origin = static_cast<uint8_t *>(mapping) + start;
    d.stride = fix.line_length;
    d.width = uint16_t(var.xres);
    d.height = uint16_t(var.yres);
    device = d;
    return true;
}

void closeDevice(FbDevice &device) {
    if (device.mapping != nullptr) munmap(device.mapping, device.mappingLength);
    if (device.fd >= 0) close(device.fd);
    device = FbDevice{};
}

}  // namespace fbdev
