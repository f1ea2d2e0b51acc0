#include "scenario.h"

#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <set>
#include <sstream>

#include "VRLib.h"
#include "whole_number.h"

namespace lumisim {

namespace {

struct KeyName {
    const char *name;
    uint32_t code;
};
constexpr std::array<KeyName, 8> kKeyNames = {{{"power", VR_KEY_POWER},
                                               {"r-taste", VR_KEY_R_TASTE},
                                               {"up", VR_KEY_UP},
                                               {"down", VR_KEY_DOWN},
                                               {"left", VR_KEY_LEFT},
                                               {"right", VR_KEY_RIGHT},
                                               {"enter", VR_KEY_ENTER},
                                               {"back", VR_KEY_BACK}}};

std::vector<std::string> words(const std::string &line) {
    std::istringstream in(line.substr(0, line.find('#')));
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

bool is(const std::string &word, const char *what) { return strcasecmp(word.c_str(), what) == 0; }

// Parses one line's words into a step; the reason when it cannot.
std::string parseStep(const std::vector<std::string> &w, ScenarioStep &step) {
    if (is(w[0], "press") || is(w[0], "release")) {
        if (w.size() != 2) return "\"" + w[0] + "\" takes one key";
        const uint32_t code = scenarioKeyCode(w[1]);
        if (code == 0) return "unknown key \"" + w[1] + "\"";
        step = {is(w[0], "press") ? ScenarioStep::Press : ScenarioStep::Release, code};
        return {};
    }
    if (is(w[0], "wait")) {
        uint32_t n = 0;
        if (w.size() == 2 && is(w[1], "refresh")) {
            step = {ScenarioStep::WaitRefreshes, 1};
            return {};
        }
        // "250ms" or "250 ms"
        std::vector<std::string> rest(w.begin() + 1, w.end());
        if (rest.size() == 1 && rest[0].size() > 2 && is(rest[0].substr(rest[0].size() - 2), "ms"))
            rest = {rest[0].substr(0, rest[0].size() - 2), "ms"};
        if (rest.size() == 2 && wholeNumber(rest[0], n)) {
            if (is(rest[1], "ms")) {
                step = {ScenarioStep::WaitMs, n};
                return {};
            }
            if ((is(rest[1], "refreshes") || is(rest[1], "refresh")) && n > 0) {
                step = {ScenarioStep::WaitRefreshes, n};
                return {};
            }
        }
        return "\"wait\" takes \"<n> ms\", \"refresh\" or \"<n> refreshes\"";
    }
    return "unknown step \"" + w[0] + "\"";
}

}  // namespace

uint32_t scenarioKeyCode(const std::string &name) {
    for (const KeyName &k : kKeyNames)
        if (is(name, k.name)) return k.code;
    uint32_t code = 0;
    return wholeNumber(name, code) ? code : 0;
}

Scenario parseScenario(const std::string &text, const std::string &name) {
    Scenario scenario;
    std::istringstream in(text);
    std::set<uint32_t> down;  // keys the scenario holds at this point
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        const std::vector<std::string> w = words(line);
        if (w.empty()) continue;
        ScenarioStep step{};
        std::string why = parseStep(w, step);
        // A press of a held key or a release of a free one would reach the
        // application as nothing at all: surely a slip in the scenario.
        if (why.empty() && step.kind == ScenarioStep::Press && !down.insert(step.value).second)
            why = "key \"" + w[1] + "\" is pressed already";
        if (why.empty() && step.kind == ScenarioStep::Release && !down.erase(step.value))
            why = "key \"" + w[1] + "\" is not pressed";
        if (!why.empty()) {
            scenario.steps.clear();
            scenario.error = name + ":" + std::to_string(lineNumber) + ": " + why;
            return scenario;
        }
        scenario.steps.push_back(step);
    }
    return scenario;
}

Scenario loadScenario(const std::string &path) {
    std::string text, why;
    // Non-blocking, so a FIFO or device named by mistake cannot hang the
    // initialisation; only a regular file is read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0) {
        why = std::strerror(errno);
    } else if (!S_ISREG(info.st_mode)) {
        why = "not a regular file";
    } else {
        char buffer[4096];
        ssize_t n;
        while ((n = ::read(fd, buffer, sizeof buffer)) > 0) text.append(buffer, size_t(n));
        if (n < 0) why = std::strerror(errno);
    }
    if (fd >= 0) ::close(fd);
    if (!why.empty()) {
        Scenario scenario;
        scenario.error = path + ": cannot read the scenario (" + why + ")";
        return scenario;
    }
    return parseScenario(text, path);
}

}  // namespace lumisim
