#include "ini_section.h"

#include <fcntl.h>
#include <ini.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace lumisim {

namespace {

struct Reading {
    const char *section;
    IniEntries entries;
};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool sameSection(const char *found, const char *wanted) {
    while (isBlank(*found)) ++found;
    size_t len = std::strlen(found);
    while (len > 0 && isBlank(found[len - 1])) --len;
    return len == std::strlen(wanted) && strncasecmp(found, wanted, len) == 0;
}

int onEntry(void *user, const char *section, const char *name, const char *value) {
    auto &r = *static_cast<Reading *>(user);
    if (section == nullptr || name == nullptr || !sameSection(section, r.section)) return 1;
    for (const auto &[known, _] : r.entries)
        if (strcasecmp(known.c_str(), name) == 0) return 1;
    r.entries.emplace_back(name, value ? value : "");
    return 1;
}

// Like fgets, but an overlong line's tail is dropped rather than read as a
// line of its own, and leading blanks go.
char *readLine(char *out, int size, void *stream) {
    auto *file = static_cast<FILE *>(stream);
    int c = std::fgetc(file);
    if (c == EOF) return nullptr;
    while (isBlank(char(c))) c = std::fgetc(file);
    int n = 0;
    for (; c != EOF; c = std::fgetc(file)) {
        if (n < size - 2) out[n++] = char(c);
        if (c == '\n') break;
    }
    if (n > 0 && out[n - 1] != '\n') out[n++] = '\n';
    out[n] = '\0';
    return out;
}

}  // namespace

IniEntries readIniSection(const char *path, const char *section) {
    Reading reading{section, {}};
    // Non-blocking, so that a FIFO under the INI's name cannot hang us.
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return {};
    struct stat info {};
    FILE *file = nullptr;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) file = ::fdopen(fd, "rb");
    if (file == nullptr) {
        ::close(fd);
        return {};
    }
    ini_parse_stream(readLine, file, onEntry, &reading);
    std::fclose(file);
    return reading.entries;
}

}  // namespace lumisim
