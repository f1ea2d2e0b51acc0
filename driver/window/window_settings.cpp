#include "window_settings.h"

#include <strings.h>

#include <QKeySequence>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "VRLib.h"
#include "ini_section.h"
#include "whole_number.h"

namespace lumisim {

namespace {

std::string trimmed(const std::string &text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

int zoomSetting(const char *iniPath) {
    std::string value, source;
    if (const char *env = std::getenv("LUMISIM_ZOOM"); env && *env) {
        value = env;
        source = "LUMISIM_ZOOM";
    } else {
        for (const auto &[name, text] : readIniSection(iniPath, "Window"))
            if (strcasecmp(name.c_str(), "Zoom") == 0) {
                value = trimmed(text);
                source = std::string("Zoom in ") + iniPath;
            }
        if (source.empty()) return 1;
    }
    uint32_t zoom = 0;
    if (wholeNumber(value, zoom) && zoom >= 1 && zoom <= uint32_t(kMaxZoom)) return int(zoom);
    std::fprintf(stderr, "DDrv_Lumisim: zoom \"%s\" (%s) is not a whole number from 1 to %d; using 1\n",
                 value.c_str(), source.c_str(), kMaxZoom);
    return 1;
}

KeyMap keyMapSetting(const char *iniPath) {
    KeyMap map{{Qt::Key_P, VR_KEY_POWER},       {Qt::Key_R, VR_KEY_R_TASTE},   {Qt::Key_Up, VR_KEY_UP},
               {Qt::Key_Down, VR_KEY_DOWN},     {Qt::Key_Left, VR_KEY_LEFT},   {Qt::Key_Right, VR_KEY_RIGHT},
               {Qt::Key_Return, VR_KEY_ENTER},  {Qt::Key_Enter, VR_KEY_ENTER}, {Qt::Key_Escape, VR_KEY_BACK},
               {Qt::Key_Backspace, VR_KEY_BACK}};
    QStringList rejected;
    for (const auto &[name, text] : readIniSection(iniPath, "Keys")) {
        const QString keyName = QString::fromStdString(trimmed(name));
        const QKeySequence sequence = QKeySequence::fromString(keyName, QKeySequence::PortableText);
        uint32_t code = 0;
        // One key without modifiers; the code must be a whole number.
        const bool oneKey = sequence.count() == 1 && sequence[0].keyboardModifiers() == Qt::NoModifier &&
                            sequence[0].key() != Qt::Key_unknown;
        if (!oneKey || !wholeNumber(trimmed(text), code)) {
            rejected << QStringLiteral("%1=%2").arg(keyName, QString::fromStdString(trimmed(text)));
            continue;
        }
        map.insert(sequence[0].key(), code);
    }
    if (!rejected.isEmpty())
        std::fprintf(stderr, "DDrv_Lumisim: [Keys] in %s: ignoring unknown keys or codes: %s\n", iniPath,
                     rejected.join(QStringLiteral(", ")).toLocal8Bit().constData());
    return map;
}

}  // namespace lumisim
