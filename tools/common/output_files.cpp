#include "output_files.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace vrtools {

namespace {

std::string temporaryFor(const std::string &path) { return path + ".tmp" + std::to_string(::getpid()); }

bool writeWhole(const std::string &path, const std::string &text, std::string &why) {
    std::FILE *f = std::fopen(path.c_str(), "wb");
    if (!f) {
        why = std::strerror(errno);
        return false;
    }
    bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    if (!ok) why = std::strerror(errno);
    if (std::fclose(f) != 0 && ok) {
        why = std::strerror(errno);
        ok = false;
    }
    return ok;
}

}  // namespace

void writeOutputs(const std::vector<OutputFile> &files) {
    std::vector<std::string> temps;
    auto discard = [&temps] {
        for (const auto &t : temps) std::remove(t.c_str());
    };
    for (const auto &file : files) {
        std::string temp = temporaryFor(file.path);
        temps.push_back(temp);
        std::string why;
        if (!writeWhole(temp, file.text, why)) {
            discard();
            throw std::runtime_error("cannot write " + file.path + ": " + why);
        }
    }
    for (size_t i = 0; i < files.size(); ++i) {
        if (std::rename(temps[i].c_str(), files[i].path.c_str()) != 0) {
            std::string why = std::strerror(errno);
            discard();
            throw std::runtime_error("cannot write " + files[i].path + ": " + why);
        }
    }
}

}  // namespace vrtools
