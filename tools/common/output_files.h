// Writes a tool's outputs all or nothing: every file goes to a temporary
// beside its target first and is renamed into place only when all of them
// were written completely.
#pragma once

#include <string>
#include <vector>

namespace vrtools {

struct OutputFile {
    std::string path;
    std::string text;
};

// Throws std::runtime_error naming the file that could not be written; no
// temporary is left behind. Targets that are not regular files, or two
// outputs naming one file, are refused before anything is written.
void writeOutputs(const std::vector<OutputFile> &files);

}  // namespace vrtools
