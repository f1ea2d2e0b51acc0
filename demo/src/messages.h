// The messages the controller threads hand each other through their pipes,
// and the payloads some of them carry.
#pragma once

#include <cstddef>
#include <cstdint>

namespace demoria {

// One code space for both pipes; each thread acts on its own codes and
// consumes every other one without effect.
enum MessageCode : int32_t {
    MSG_START = 1,        // display: library start-up; action: start TimeCtlr
    MSG_STOP = 2,         // display: VR_DeInitVRLib and end; action: stop TimeCtlr and end
    MSG_SHOW_PAGE = 3,    // display, payload PageRequest
    MSG_TICK = 4,         // action, every 200 ms
    MSG_PROGRESS = 5,     // display, payload ProgressInfo
    MSG_RANDOM_RECT = 6,  // display, posted by DispCtlr to itself
    MSG_ANIMATE = 7       // display, posted by DispCtlr to itself
};

// The record every pipe read and write moves whole: code at offset 0, the
// payload pointer on its natural boundary (16 bytes with 64-bit pointers).
// A payload is a malloc'ed block that belongs to the receiver from the
// moment the message is sent.
struct CtlrMessage {
    int32_t code;
    void *payload;
};
static_assert(offsetof(CtlrMessage, payload) == sizeof(void *));
static_assert(sizeof(CtlrMessage) == 2 * sizeof(void *));

// Payload of MSG_SHOW_PAGE.
struct PageRequest {
    int32_t group;  // 1 title group, 2 feature group
    int32_t page;   // from 1
};
static_assert(sizeof(PageRequest) == 8);

// Payload of MSG_PROGRESS: time on the page (or in the title phase) and time
// through the cycle of feature pages, in ms.
struct ProgressInfo {
    int32_t elapsed1;
    int32_t total1;
    int32_t elapsed2;
    int32_t total2;
};
static_assert(sizeof(ProgressInfo) == 16);

// Where a thread posts a message: to a pipe in the program, to a recorder in
// the tests. Returns false when the message could not be delivered; the
// payload then still belongs to the sender.
struct Poster {
    bool (*post)(void *context, const CtlrMessage &message);
    void *context;

    bool operator()(int32_t code, void *payload = nullptr) const {
        return post && post(context, CtlrMessage{code, payload});
    }
};

}  // namespace demoria
