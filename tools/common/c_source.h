// Pieces of the generated C sources shared by the converters.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vrtools {

// True for a valid C identifier.
bool isIdentifier(const std::string &name);

// True for a keyword of C or C++ (the generated headers serve both), which
// cannot name a symbol.
bool isKeyword(const std::string &name);

// Throws std::invalid_argument("OPTION: ...") unless name can name the
// generated symbol: an identifier that is no keyword.
void checkSymbolName(const std::string &name, const std::string &option);

// The symbol a converter uses when none is given: the output file's base
// name with every character that cannot stand in an identifier made '_'.
std::string symbolFromPath(const std::string &path);

// The header path that belongs to a .c path (".c" replaced or ".h" added).
std::string headerPathFor(const std::string &cPath);

// The file name part of a path.
std::string baseName(const std::string &path);

// Byte values as the lines of a C initialiser: 16 per line, hex, indented,
// comma-separated (no braces).
std::string byteLines(const std::vector<uint8_t> &bytes);

// A header declaring one symbol: include guard, VRLib.h, extern "C".
std::string headerText(const std::string &symbol, const std::string &generator,
                       const std::string &declaration);

}  // namespace vrtools
