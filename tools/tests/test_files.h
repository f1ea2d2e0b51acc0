// Scratch files for the converter tests, each test in its own folder.
#pragma once

#include <string>

namespace vrtest {

// A fresh, empty folder for the running test.
std::string scratchDir();

bool exists(const std::string &path);
std::string readText(const std::string &path);
void writeText(const std::string &path, const std::string &text);

// Runs a shell command; returns its exit status and what it wrote to
// standard error.
int run(const std::string &command, std::string *errors = nullptr);

}  // namespace vrtest
