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

using Handler = void (*)();

}  // namespace

// The GPIO ports' interrupts: a board part that enables one defines its
// handler; the rest stay unexpected.
extern "C" void GPIOPortE_Handler() __attribute__((weak, alias("board_unexpected")));
extern "C" void GPIOPortF_Handler() __attribute__((weak, alias("board_unexpected")));
extern "C" void board_unexpected() { fault("board: unexpected interrupt"); }

namespace {

constexpr int kIrqGpioE = 4, kIrqGpioF = 30;

// The initial stack pointer, then the core's exceptions from reset on and
// the peripheral interrupts up to GPIO port F.
struct VectorTable {
    const void *stack;
    Handler handlers[15 + kIrqGpioF + 1];
};

constexpr VectorTable makeVectors() {
    VectorTable t{&__stack_top, {}};
    for (Handler &h : t.handlers) h = board_unexpected;
    Handler *core = t.handlers;  // exception n is entry n - 1
    core[0] = Reset_Handler;
    core[1] = nmi;
    core[2] = hardFault;
    core[3] = memManage;
    core[4] = busFault;
    core[5] = usageFault;
    Handler *irq = t.handlers + 15;  // interrupt n is exception 16 + n
    irq[kIrqGpioE] = GPIOPortE_Handler;
    irq[kIrqGpioF] = GPIOPortF_Handler;
    return t;
}

__attribute__((section(".vectors"), used)) constexpr VectorTable kVectors = makeVectors();

}  // namespace

extern "C" void Reset_Handler() {
    const uint32_t *from = &__data_load;
    for (uint32_t *to = &__data_start; to < &__data_end;) *to++ = *from++;
    for (uint32_t *p = &__bss_start; p < &__bss_end;) *p++ = 0;
    for (auto f = __init_array_start; f < __init_array_end; ++f) (*f)();
    board::exit(main());
}
