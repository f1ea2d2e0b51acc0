// Semihosting on the emulated board: text to the host's console, a byte
// from it, and the end of the program with a status the host sees as the
// emulator's exit status.
#pragma once

#include <cstdint>

namespace board {

void write(const char *text);
// Eight hexadecimal digits with a 0x prefix.
void writeHex(uint32_t value);
// Blocks until the host sends a byte; returns it.
int readByte();
[[noreturn]] void exit(int status);

}  // namespace board
