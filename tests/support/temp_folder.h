// A fresh temporary folder for one test: made empty, removed with all it
// holds at the end, and on request the working directory while it lives.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace vrtest {

class TempFolder {
  public:
    enum class Enter { No, Yes };

    // The folder is <temp>/<prefix>-XXXXXX with a unique ending.
    explicit TempFolder(const std::string &prefix, Enter enter = Enter::No) {
        std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder " + pattern);
        path_ = pattern;
        if (enter == Enter::Yes) {
            home_ = std::filesystem::current_path();
            std::filesystem::current_path(path_);
        }
    }
    ~TempFolder() {
        std::error_code ignored;  // a destructor cannot fail the test any more
        if (!home_.empty()) std::filesystem::current_path(home_, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    const std::filesystem::path &path() const { return path_; }

  private:
    std::filesystem::path path_;
    std::filesystem::path home_;  // empty unless entered
};

}  // namespace vrtest
