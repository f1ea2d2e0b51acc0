// Single-byte code pages: which Unicode character a byte of the
// application's texts stands for.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace fontconv {

enum class CodePage { Windows1252, Latin1 };

// Accepts "1252", "cp1252", "windows-1252", "latin1", "iso-8859-1".
std::optional<CodePage> codePageNamed(const std::string &name);

// The character of byte b, or nothing for control codes and the bytes the
// code page leaves undefined.
std::optional<char32_t> unicodeOf(CodePage page, uint8_t b);

}  // namespace fontconv
