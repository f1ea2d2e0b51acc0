// ARM semihosting: the operation in r0, its argument in r1, BKPT 0xAB.
#include "semihosting.h"

namespace board {
namespace {

enum : uint32_t { kWrite0 = 0x04, kReadC = 0x07, kExitExtended = 0x20 };
constexpr uint32_t kApplicationExit = 0x20026;

uint32_t call(uint32_t op, const void *arg) {
    register uint32_t r0 asm("r0") = op;
    register const void *r1 asm("r1") = arg;
    asm volatile("bkpt 0xAB" : "+r"(r0) : "r"(r1) : "memory");
    return r0;
}

}  // namespace

void write(const char *text) { call(kWrite0, text); }

void writeHex(uint32_t value) {
    char text[11] = "0x";
    for (int i = 0; i < 8; ++i) text[2 + i] = "0123456789abcdef"[(value >> (28 - 4 * i)) & 15];
    text[10] = 0;
    write(text);
}

int readByte() { return int(call(kReadC, nullptr)); }

void exit(int status) {
    // The extended exit carries the status; the plain one only says
    // "application exit".
    const uint32_t block[2] = {kApplicationExit, uint32_t(status)};
    call(kExitExtended, block);
    for (;;) {
    }
}

}  // namespace board
