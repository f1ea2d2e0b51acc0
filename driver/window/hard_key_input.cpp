#include "hard_key_input.h"

#include <QKeyEvent>

namespace lumisim {

bool HardKeyInput::pointerPressed(QPoint at) {
    if (held_ >= 0) return false;
    for (int i = 0; i < 2; ++i)
        if (buttons_[i].rect.contains(at)) {
            held_ = i;
            send(buttons_[i].code, true);
            return true;
        }
    return false;
}

bool HardKeyInput::pointerMoved(QPoint at) {
    // Leaving a held button lets go of it, as a finger sliding off would.
    if (held_ < 0 || buttons_[held_].rect.contains(at)) return false;
    return pointerReleased();
}

bool HardKeyInput::pointerReleased() {
    if (held_ < 0) return false;
    send(buttons_[held_].code, false);
    held_ = -1;
    return true;
}

bool HardKeyInput::keyPressed(const QKeyEvent &event) {
    const auto found = map_.constFind(event.key());
    if (found == map_.constEnd()) return false;
    // The system repeats a held key; the board's keys do not.
    if (event.isAutoRepeat() || keysDown_.contains(event.key())) return true;
    keysDown_.insert(event.key(), *found);
    send(*found, true);
    return true;
}

bool HardKeyInput::keyReleased(const QKeyEvent &event) {
    if (!map_.contains(event.key())) return false;
    if (event.isAutoRepeat()) return true;
    const auto held = keysDown_.constFind(event.key());
    if (held == keysDown_.constEnd()) return true;
    send(*held, false);
    keysDown_.erase(held);
    return true;
}

bool HardKeyInput::releaseAll() {
    for (auto it = keysDown_.constBegin(); it != keysDown_.constEnd(); ++it) send(it.value(), false);
    keysDown_.clear();
    return pointerReleased();
}

}  // namespace lumisim
