#include "ini_section.h"

#include <strings.h>

#include "ini_file.h"

namespace lumisim {

namespace {

struct Reading {
    const char *section;
    IniEntries entries;
};

int onEntry(void *user, const char *section, const char *name, const char *value) {
    auto &r = *static_cast<Reading *>(user);
    if (section == nullptr || name == nullptr || !isSection(section, r.section)) return 1;
    for (const auto &[known, _] : r.entries)
        if (strcasecmp(known.c_str(), name) == 0) return 1;
    r.entries.emplace_back(name, value ? value : "");
    return 1;
}

}  // namespace

IniEntries readIniSection(const char *path, const char *section) {
    Reading reading{section, {}};
    parseIni(readIniFile(path), onEntry, &reading);
    return reading.entries;
}

}  // namespace lumisim
