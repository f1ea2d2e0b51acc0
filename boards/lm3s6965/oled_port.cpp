// The OLED's port on the LM3S6965 evaluation board: the SSD0323 sits on
// SSI0 (PA2 clock, PA3 frame select as the OLED's chip select, PA5 data
// out), its data/command line is PC7 and its 15 V supply is switched by
// PC6; PD0 is the SD card's chip select on the same bus and is held high
// (card not selected) while the OLED talks. Opening the port also opens
// the board's keys, whose events the driver hands to the application.
#include <cstdint>

#include "DDrv_SSD0323.h"
#include "keypad.h"

namespace {

inline volatile uint32_t &reg(uint32_t address) { return *reinterpret_cast<volatile uint32_t *>(address); }
// A read for its effect (popping a FIFO, letting a clock settle).
inline void touch(uint32_t address) { [[maybe_unused]] const uint32_t v = reg(address); }

constexpr uint32_t kSysCtl = 0x400FE000;
constexpr uint32_t kRcgc1 = kSysCtl + 0x104;  // bit 4: SSI0
constexpr uint32_t kRcgc2 = kSysCtl + 0x108;  // bits 0..6: GPIO A..G
constexpr uint32_t kGpioA = 0x40004000, kGpioC = 0x40006000, kGpioD = 0x40007000;
constexpr uint32_t kGpioDir = 0x400, kGpioAfsel = 0x420, kGpioDen = 0x51C;
constexpr uint32_t kSsi0 = 0x40008000;
constexpr uint32_t kSsiCr0 = kSsi0 + 0x00, kSsiCr1 = kSsi0 + 0x04, kSsiDr = kSsi0 + 0x08;
constexpr uint32_t kSsiSr = kSsi0 + 0x0C, kSsiCpsr = kSsi0 + 0x10;
constexpr uint32_t kSrTransmitNotFull = 1u << 1, kSrReceiveNotEmpty = 1u << 2, kSrBusy = 1u << 4;

constexpr uint8_t kPin0 = 1u << 0, kPin6 = 1u << 6, kPin7 = 1u << 7;
constexpr uint8_t kSsiPins = (1u << 2) | (1u << 3) | (1u << 5);

// A GPIO data access through the address mask touches only `pins`.
inline volatile uint32_t &pins(uint32_t port, uint8_t mask) { return reg(port + (uint32_t(mask) << 2)); }

// The data/command line may change only once the last byte has left.
void drain() {
    while (reg(kSsiSr) & kSrBusy) {
    }
    while (reg(kSsiSr) & kSrReceiveNotEmpty) touch(kSsiDr);
}

void send(const uint8_t *bytes, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        while (!(reg(kSsiSr) & kSrTransmitNotFull)) {
        }
        reg(kSsiDr) = bytes[i];
        // The receive FIFO fills with what the panel clocks back; a full
        // one stalls the transmitter.
        while (reg(kSsiSr) & kSrReceiveNotEmpty) touch(kSsiDr);
    }
    drain();
}

}  // namespace

extern "C" {

int DDrv_SSD0323_PortOpen(void) {
    reg(kRcgc1) |= 1u << 4;
    reg(kRcgc2) |= (1u << 0) | (1u << 2) | (1u << 3);
    touch(kRcgc2);  // a few cycles before the ports answer

    reg(kGpioA + kGpioAfsel) |= kSsiPins;
    reg(kGpioA + kGpioDen) |= kSsiPins;
    reg(kGpioD + kGpioDir) |= kPin0;
    reg(kGpioD + kGpioDen) |= kPin0;
    pins(kGpioD, kPin0) = kPin0;
    reg(kGpioC + kGpioDir) |= kPin6 | kPin7;
    reg(kGpioC + kGpioDen) |= kPin6 | kPin7;
    pins(kGpioC, kPin6) = kPin6;  // panel supply on

    // Master, SPI frame format, clock idle high and data taken on the
    // rising edge (mode 3), 8-bit words. The serial clock is the system
    // clock divided by 10, which keeps it within the controller's limit at
    // any clock this start-up may run at (the emulator ignores timing).
    reg(kSsiCr1) = 0;
    reg(kSsiCpsr) = 10;
    reg(kSsiCr0) = (1u << 7) | (1u << 6) | 7u;
    reg(kSsiCr1) = 1u << 1;

    board::keypadOpen();
    return 0;
}

void DDrv_SSD0323_PortCommand(const uint8_t *bytes, size_t count) {
    pins(kGpioC, kPin7) = 0;
    send(bytes, count);
}

void DDrv_SSD0323_PortData(const uint8_t *bytes, size_t count) {
    pins(kGpioC, kPin7) = kPin7;
    send(bytes, count);
}

}  // extern "C"
