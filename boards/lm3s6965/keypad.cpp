// The keys pull their pins low when pressed: up, down, left and right on
// PE0..PE3, select on PF1. Each edge interrupts; the handler reads the pin
// and reports the change. When a key's interrupt finds the key in the state
// it was last reported in, both edges came before the handler could look
// (a short tap; the emulator also sends no edge for a first press, as its
// lines start low), and both are reported.
#include "keypad.h"

#include "DDrv_SSD0323.h"

namespace {

inline volatile uint32_t &reg(uint32_t address) { return *reinterpret_cast<volatile uint32_t *>(address); }

constexpr uint32_t kRcgc2 = 0x400FE108;
constexpr uint32_t kGpioE = 0x40024000, kGpioF = 0x40025000;
constexpr uint32_t kData = 0x3FC, kBothEdges = 0x408, kMask = 0x410, kMaskedStatus = 0x418, kClear = 0x41C;
constexpr uint32_t kPullUp = 0x510, kDigital = 0x51C;
constexpr uint32_t kNvicEnable0 = 0xE000E100;
constexpr int kIrqGpioE = 4, kIrqGpioF = 30;

constexpr uint8_t kPinsE = 0x0F, kPinsF = 0x02;

bool g_pressed[5];

void openPins(uint32_t port, uint8_t pins) {
    reg(port + kPullUp) |= pins;
    reg(port + kDigital) |= pins;
    reg(port + kBothEdges) |= pins;
    reg(port + kClear) = pins;
    reg(port + kMask) |= pins;
}

void report(board::Key key, bool pressedNow) {
    if (pressedNow == g_pressed[key]) DDrv_SSD0323_KeyEvent(key, !pressedNow ? 1 : 0);
    DDrv_SSD0323_KeyEvent(key, pressedNow ? 1 : 0);
    g_pressed[key] = pressedNow;
}

// Reports the keys whose pins interrupted, lowest pin first.
void serve(uint32_t port, const board::Key *keyOfPin, uint8_t pins) {
    const uint32_t fired = reg(port + kMaskedStatus) & pins;
    reg(port + kClear) = fired;
    const uint32_t level = reg(port + kData);
    for (int pin = 0; pin < 8; ++pin)
        if (fired & (1u << pin)) report(keyOfPin[pin], !(level & (1u << pin)));
}

}  // namespace

namespace board {

void keypadOpen() {
    reg(kRcgc2) |= (1u << 4) | (1u << 5);
    [[maybe_unused]] const uint32_t settle = reg(kRcgc2);
    openPins(kGpioE, kPinsE);
    openPins(kGpioF, kPinsF);
    reg(kNvicEnable0) = (1u << kIrqGpioE) | (1u << kIrqGpioF);
}

}  // namespace board

extern "C" void GPIOPortE_Handler() {
    static constexpr board::Key keys[8] = {board::kKeyUp, board::kKeyDown, board::kKeyLeft, board::kKeyRight};
    serve(kGpioE, keys, kPinsE);
}

extern "C" void GPIOPortF_Handler() {
    static constexpr board::Key keys[8] = {board::kKeySelect /* PF0: no key */, board::kKeySelect};
    serve(kGpioF, keys, kPinsF);
}
