#include "output_files.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
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

// Refuses, before anything is written, targets that could not all be
// replaced: two names for one file, and anything but a regular file in a
// target's place (a folder, a device, a FIFO).
void checkTargets(const std::vector<OutputFile> &files) {
    std::vector<std::filesystem::path> seen;
    for (const auto &file : files) {
        std::error_code ec;
        const auto status = std::filesystem::status(file.path, ec);
        if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
            throw std::runtime_error("cannot write " + file.path + ": it is not a regular file");
        // The same file under two spellings is one target.
        const std::filesystem::path canonical = std::filesystem::weakly_canonical(file.path, ec);
        const std::filesystem::path key = ec ? std::filesystem::path(file.path) : canonical;
        for (const auto &other : seen) {
            if (other == key)
                throw std::runtime_error("cannot write " + file.path + " twice (one file for two outputs)");
        }
        seen.push_back(key);
    }
}

}  // namespace

void writeOutputs(const std::vector<OutputFile> &files) {
    checkTargets(files);
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
