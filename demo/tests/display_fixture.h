// Display-side tests run the demo's handlers against the real library on the
// recording fake driver: a fresh 320 x 240 display, the library started as
// the demo starts it, and the self-posted messages recorded instead of sent.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "display.h"
#include "fake_driver.h"

namespace demoria::test {

struct PostRecorder {
    std::vector<int32_t> codes;

    static bool record(void *context, const CtlrMessage &m) {
        static_cast<PostRecorder *>(context)->codes.push_back(m.code);
        std::free(m.payload);
        return true;
    }
    Poster poster() { return Poster{record, this}; }
};

// The graphic functions the demo called itself (not those the library
// nests inside a text box or progress bar).
inline std::vector<fake::Call> topLevelGraphics() {
    std::vector<fake::Call> out;
    for (const fake::Call &c : fake::callsOf(fake::Fn::Graphic))
        if (c.depth == 0) out.push_back(c);
    return out;
}

inline uint32_t word(uint8_t r, uint8_t g, uint8_t b) { return fake::word(VR_Colour{0, r, g, b}); }

class DisplayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fake::reset(320, 240);
        state.self = posted.poster();
        testing::internal::CaptureStdout();  // the version lines of the start-up
        startLibrary(state);
        startupOutput = testing::internal::GetCapturedStdout();
        fake::clearCalls();
    }

    // A page request as DispCtlr receives it, payload and all.
    void show(int32_t group, int32_t page) {
        auto *request = static_cast<PageRequest *>(std::malloc(sizeof(PageRequest)));
        *request = PageRequest{group, page};
        EXPECT_TRUE(handleDisplayMessage(state, CtlrMessage{MSG_SHOW_PAGE, request}));
    }
    void progress(ProgressInfo info) {
        auto *payload = static_cast<ProgressInfo *>(std::malloc(sizeof(ProgressInfo)));
        *payload = info;
        EXPECT_TRUE(handleDisplayMessage(state, CtlrMessage{MSG_PROGRESS, payload}));
    }

    DisplayState state;
    PostRecorder posted;
    std::string startupOutput;
};

}  // namespace demoria::test
