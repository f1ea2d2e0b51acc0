// Runs one clause in a child process with a time limit, so that a driver
// that crashes, hangs or exits costs a failed clause, not the checker.
#pragma once

#include <functional>
#include <string>

namespace drvcheck {

struct Outcome {
    bool passed = false;
    std::string reason;  // why it failed; empty when passed
};

// body runs in the child; it throws (any std::exception) to fail with the
// exception's text. The child is killed when it has not ended after
// timeoutSeconds.
Outcome runInChild(const std::function<void()> &body, double timeoutSeconds);

}  // namespace drvcheck
