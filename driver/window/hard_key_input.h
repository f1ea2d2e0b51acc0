// Turns the window's mouse and keyboard input into hard-key events: a left
// press on a board button or a mapped key presses, letting go releases.
// Keeps what is held so that leaving a button, losing the focus or hiding
// the window releases it, and ignores the keyboard's auto-repeat.
#pragma once

#include <QHash>
#include <QPoint>
#include <QRect>
#include <cstdint>

#include "key_delivery.h"
#include "window_settings.h"

class QKeyEvent;

namespace lumisim {

class HardKeyInput {
  public:
    explicit HardKeyInput(KeyDelivery *keys) : keys_(keys) {}

    void setKeyMap(KeyMap map) { map_ = std::move(map); }
    // The buttons' rectangles in window coordinates and the key each
    // presses.
    void setButtons(QRect power, QRect rTaste) {
        buttons_[0] = {power, VR_KEY_POWER};
        buttons_[1] = {rTaste, VR_KEY_R_TASTE};
    }

    // Mouse: true when the held button changed (it needs repainting).
    bool pointerPressed(QPoint at);
    bool pointerMoved(QPoint at);
    bool pointerReleased();
    // Keyboard: true when the event was a mapped key (consumed).
    bool keyPressed(const QKeyEvent &event);
    bool keyReleased(const QKeyEvent &event);
    // Releases everything held; true when a button was held.
    bool releaseAll();

    // Where the buttons lie: what a change of the held one repaints.
    QRect buttonsArea() const { return buttons_[0].rect.united(buttons_[1].rect); }
    // The rectangle of the button held with the mouse; null when none.
    QRect heldButton() const { return held_ >= 0 ? buttons_[held_].rect : QRect(); }

  private:
    struct Button {
        QRect rect;
        uint32_t code;
    };
    void send(uint32_t code, bool pressed) {
        if (keys_) keys_->post(code, pressed);
    }

    KeyDelivery *keys_;
    KeyMap map_;
    Button buttons_[2]{};
    int held_ = -1;                  // button held with the mouse
    QHash<int, uint32_t> keysDown_;  // Qt key held -> code it pressed
};

}  // namespace lumisim
