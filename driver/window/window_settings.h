// The window's settings from Lumisim.ini and the environment: the zoom
// ([Window] Zoom=, overridden by LUMISIM_ZOOM) and the keyboard keys that
// press hard keys (the defaults plus section [Keys]).
#pragma once

#include <QHash>
#include <cstdint>

namespace lumisim {

inline constexpr int kMaxZoom = 8;

// 1 to kMaxZoom. LUMISIM_ZOOM wins over the INI; an invalid value of
// either gives one warning on standard error and zoom 1.
int zoomSetting(const char *iniPath);

// Qt key (Qt::Key) to hard-key code. The defaults: P Power, R R-Taste, the
// arrows, Return and Enter, Escape and Backspace. Each "<key name>=<code>"
// line of [Keys] adds or replaces one (key names as Qt spells them: F1,
// Space, A, PgUp, ...); unknown names or bad codes give one warning on
// standard error naming them, and the other lines still count.
using KeyMap = QHash<int, uint32_t>;
KeyMap keyMapSetting(const char *iniPath);

}  // namespace lumisim
