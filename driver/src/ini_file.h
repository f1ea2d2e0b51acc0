// The driver's INI file: where it is, how much of it is read, and the rules
// every section of it is read with.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumisim {

// The INI file, relative to the process's current directory.
inline constexpr const char *kIniFileName = "Lumisim.ini";
// The most of the INI file that is read; a real one holds a few hundred
// bytes, and whatever lies beyond this is ignored.
inline constexpr size_t kMaxIniBytes = 1 << 20;

// The file's content, up to kMaxIniBytes and without a UTF-8 byte-order
// mark, if it is a regular file; empty for anything else (missing, a FIFO,
// a device, a folder), which then reads as no file.
std::string readIniFile(const char *path);

// True when a section name as the parser found it is `wanted`, ignoring
// case and surrounding blanks.
bool isSection(const char *found, const char *wanted);

// Called for each name = value line, with the section it is in (libinih's
// handler); returns non-zero to go on.
using IniHandler = int (*)(void *user, const char *section, const char *name, const char *value);

// What a line too long for the parser becomes; nullptr cuts it.
using ShortenLine = std::string (*)(std::string_view line);

// Parses content with libinih, one line at a time, with leading blanks
// dropped (an indented key is still a key, not the continuation of the one
// before) and lines too long for the parser shortened. Lines the parser
// does not understand are skipped, not fatal.
void parseIni(const std::string &content, IniHandler handler, void *user, ShortenLine shorten = nullptr);

}  // namespace lumisim
