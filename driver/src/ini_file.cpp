#include "ini_file.h"

#include <fcntl.h>
#include <ini.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>

namespace lumisim {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The file's bytes still to hand to the parser, and what a long line
// becomes.
struct Text {
    const char *at;
    const char *end;
    ShortenLine shorten;
};

// Hands the parser one line at a time, like fgets, but drops leading
// blanks and shortens a line too long for the parser's buffer rather than
// splitting it.
char *readLine(char *out, int size, void *stream) {
    auto &text = *static_cast<Text *>(stream);
    if (text.at == text.end) return nullptr;
    const char *lineEnd = std::find(text.at, text.end, '\n');
    std::string_view line(text.at, size_t(lineEnd - text.at));
    text.at = lineEnd == text.end ? lineEnd : lineEnd + 1;
    while (!line.empty() && isBlank(line.front())) line.remove_prefix(1);
    std::string kept;
    if (line.size() + 2 >= size_t(size)) {
        if (text.shorten != nullptr) {
            // Trailing white space (a CR included) is the parser's to drop.
            while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back())))
                line.remove_suffix(1);
            kept = text.shorten(line);
            line = kept;
        }
        line = line.substr(0, size_t(size) - 2);
    }
    std::memcpy(out, line.data(), line.size());
    out[line.size()] = '\n';
    out[line.size() + 1] = '\0';
    return out;
}

}  // namespace

std::string readIniFile(const char *path) {
    std::string content;
    // Without blocking, so that a FIFO with no writer cannot hold the start up.
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return content;
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        // In blocks, not by the size fstat gives: files in /proc say 0.
        char block[4096];
        while (content.size() < kMaxIniBytes) {
            const ssize_t n = ::read(fd, block, std::min(sizeof block, kMaxIniBytes - content.size()));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            content.append(block, size_t(n));
        }
    }
    ::close(fd);
    // The mark goes here rather than in the parser, so that a long first
    // line is shortened from its real start.
    if (content.compare(0, 3, "\xEF\xBB\xBF") == 0) content.erase(0, 3);
    return content;
}

bool isSection(const char *found, const char *wanted) {
    while (isBlank(*found)) ++found;
    size_t len = std::strlen(found);
    while (len > 0 && isBlank(found[len - 1])) --len;
    return len == std::strlen(wanted) && strncasecmp(found, wanted, len) == 0;
}

void parseIni(const std::string &content, IniHandler handler, void *user, ShortenLine shorten) {
    Text text{content.data(), content.data() + content.size(), shorten};
    ini_parse_stream(readLine, &text, handler, user);
}

}  // namespace lumisim
