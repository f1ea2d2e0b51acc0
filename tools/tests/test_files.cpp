#include "test_files.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace vrtest {

namespace {

std::string testName() {
    const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::string(info->test_suite_name()) + "." + info->name();
}

}  // namespace

std::string scratchDir() {
    std::string dir = std::string(VRTOOLS_SCRATCH) + "/" + testName();
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

bool exists(const std::string &path) { return std::filesystem::exists(path); }

std::string readText(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeText(const std::string &path, const std::string &text) {
    std::ofstream(path, std::ios::binary) << text;
}

int run(const std::string &command, std::string *errors) {
    std::string errFile = std::string(VRTOOLS_SCRATCH) + "/" + testName() + ".stderr";
    std::filesystem::create_directories(VRTOOLS_SCRATCH);
    int status = std::system((command + " 2>" + errFile + " >/dev/null").c_str());
    if (errors) *errors = readText(errFile);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace vrtest
