// Vector table and reset for the LM3S6965 (Cortex-M3): copies .data from
// flash, clears .bss, runs the static constructors, calls main and ends
// the program through semihosting with main's status.
#include <cstdint>

#include "semihosting.h"

extern "C" {
extern uint32_t __stack_top, __data_start, __data_end, __data_load, __bss_start, __bss_end;
extern void (*__init_array_start[])(), (*__init_array_end[])();
int main();
void Reset_Handler();
}

namespace {

// A fault is a failed run: say which and end with status 3.
[[noreturn]] void fault(const char *what) {
    board::write(what);
    board::write("\n");
    board::exit(3);
}

void nmi() { fault("board: NMI"); }
void hardFault() { fault("board: hard fault"); }
void memManage() { fault("board: memory management fault"); }
void busFault() { fault("board: bus fault"); }
void usageFault() { fault("board: usage fault"); }
void unexpected() { fault("board: unexpected interrupt"); }

using Handler = void (*)();

// The core's exceptions; no peripheral interrupt is enabled.
__attribute__((section(".vectors"), used)) const Handler kVectors[16] = {
    reinterpret_cast<Handler>(&__stack_top),
    Reset_Handler,
    nmi,
    hardFault,
    memManage,
    busFault,
    usageFault,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    unexpected,  // SVCall
    unexpected,  // debug monitor
    nullptr,
    unexpected,  // PendSV
    unexpected,  // SysTick
};

}  // namespace

extern "C" void Reset_Handler() {
    const uint32_t *from = &__data_load;
    for (uint32_t *to = &__data_start; to < &__data_end;) *to++ = *from++;
    for (uint32_t *p = &__bss_start; p < &__bss_end;) *p++ = 0;
    for (auto f = __init_array_start; f < __init_array_end; ++f) (*f)();
    board::exit(main());
}
