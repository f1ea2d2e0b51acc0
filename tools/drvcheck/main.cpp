// vr_drvcheck: loads a display-driver library by path and checks, clause by
// clause, the contract VRLib relies on. Each clause runs in a child process
// with a time limit. One line per clause, then "N passed, M failed"; exit
// status 0 only when every clause passed.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "child_run.h"
#include "clause.h"
#include "cli_numbers.h"
#include "tool_main.h"

namespace {

const char kUsage[] =
    "usage: vr_drvcheck [options] DRIVER.so\n"
    "Checks a VRLib display driver against the driver contract, clause by clause.\n"
    "  --list             list the clauses and the rule each checks, and exit\n"
    "  --only ID[,ID...]  run only these clauses\n"
    "  --timeout SECONDS  time limit of each clause (default 10)\n"
    "  --size WxH         also require this panel size in the display info\n"
    "  --orientation N    also require this orientation code in the display info\n"
    "  --grey             the panel shows grey levels: write and compare greys\n"
    "Exit status: 0 all passed, 1 a clause failed or the driver cannot be read, 2 bad usage.\n";

struct Options {
    bool list = false;
    std::vector<std::string> only;
    unsigned timeout = 10;
    drvcheck::CheckOptions check;
    std::string driver;
};

void parseSize(const std::string &text, drvcheck::CheckOptions &check) {
    const auto x = text.find('x');
    if (x == std::string::npos) throw std::invalid_argument("--size: expected WxH, got \"" + text + "\"");
    check.expectWidth = uint16_t(vrtools::parseNumber(text.substr(0, x), 1, 65535, "--size"));
    check.expectHeight = uint16_t(vrtools::parseNumber(text.substr(x + 1), 1, 65535, "--size"));
}

Options parse(int argc, char **argv, bool &help) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) throw std::invalid_argument(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "-h" || arg == "--help") {
            help = true;
        } else if (arg == "--list") {
            o.list = true;
        } else if (arg == "--only") {
            for (const auto &id : vrtools::splitList(value())) o.only.push_back(id);
        } else if (arg == "--timeout") {
            o.timeout = vrtools::parseNumber(value(), 1, 3600, "--timeout");
        } else if (arg == "--size") {
            parseSize(value(), o.check);
        } else if (arg == "--orientation") {
            o.check.expectOrientation =
                int32_t(vrtools::parseNumber(value(), 0, 0x7FFFFFFF, "--orientation"));
            o.check.checkOrientation = true;
        } else if (arg == "--grey") {
            o.check.grey = true;
        } else if (!arg.empty() && arg[0] == '-') {
            throw std::invalid_argument("unknown option " + arg);
        } else if (o.driver.empty()) {
            o.driver = arg;
        } else {
            throw std::invalid_argument("more than one driver given: " + arg);
        }
    }
    for (const auto &id : o.only) {
        bool known = false;
        for (const auto &c : drvcheck::allClauses()) known = known || id == c.id;
        if (!known) throw std::invalid_argument("no clause named \"" + id + "\" (see --list)");
    }
    if (!help && !o.list && o.driver.empty()) throw std::invalid_argument("no driver library given");
    return o;
}

bool selected(const Options &o, const drvcheck::Clause &c) {
    if (o.only.empty()) return true;
    for (const auto &id : o.only)
        if (id == c.id) return true;
    return false;
}

int run(const Options &o) {
    const auto &clauses = drvcheck::allClauses();
    if (o.list) {
        for (const auto &c : clauses) std::printf("%-20s %s\n", c.id, c.rule);
        return 0;
    }
    // A path that is not there fails here, once, rather than in every clause.
    if (o.driver.find('/') != std::string::npos && access(o.driver.c_str(), R_OK) != 0)
        throw std::runtime_error("cannot read " + o.driver + ": " + std::strerror(errno));

    int passed = 0, failed = 0;
    for (const auto &c : clauses) {
        if (!selected(o, c)) continue;
        const drvcheck::Outcome outcome = drvcheck::runInChild(
            [&] {
                const drvcheck::DriverApi d = drvcheck::loadDriver(o.driver);
                if (c.needsExports && !d.missing.empty())
                    throw std::runtime_error("needs " + d.missing.front() + ", which is not exported");
                c.check(d, o.check);
            },
            o.timeout);
        if (outcome.passed) {
            ++passed;
            std::printf("ok    %s\n", c.id);
        } else {
            ++failed;
            std::printf("FAIL  %s: %s\n", c.id, outcome.reason.c_str());
        }
        std::fflush(stdout);
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char **argv) { return vrtools::toolMain("vr_drvcheck", kUsage, argc, argv, parse, run); }
