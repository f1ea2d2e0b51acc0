// Message pipes move whole records; the schedule's payloads are heap blocks
// that the receiver owns, and are not leaked when they cannot be sent.
#include "pipe.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "process.h"

namespace demoria {
namespace {

class PipeTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(createPipe(pipe)); }
    void TearDown() override {
        if (pipe.readEnd >= 0) close(pipe.readEnd);
        if (pipe.writeEnd >= 0) close(pipe.writeEnd);
    }
    MessagePipe pipe;
};

TEST_F(PipeTest, RecordsArriveWholeAndInOrder) {
    int payload = 7;
    ASSERT_TRUE(sendMessage(pipe, MSG_SHOW_PAGE, &payload));
    ASSERT_TRUE(sendMessage(pipe, MSG_TICK));
    CtlrMessage m{};
    ASSERT_TRUE(receiveMessage(pipe, m));
    EXPECT_EQ(m.code, MSG_SHOW_PAGE);
    EXPECT_EQ(m.payload, &payload);
    ASSERT_TRUE(receiveMessage(pipe, m));
    EXPECT_EQ(m.code, MSG_TICK);
    EXPECT_EQ(m.payload, nullptr);
}

TEST_F(PipeTest, OneRecordIsCodeThenZeroPaddingThenPointer) {
    ASSERT_TRUE(sendMessage(pipe, 0x01020304, reinterpret_cast<void *>(uintptr_t(0xA1B2))));
    unsigned char raw[sizeof(CtlrMessage) + 1];
    ASSERT_EQ(read(pipe.readEnd, raw, sizeof raw), ssize_t(sizeof(CtlrMessage)));
    int32_t code;
    std::memcpy(&code, raw, 4);
    EXPECT_EQ(code, 0x01020304);
    for (size_t i = 4; i < sizeof(void *); ++i) EXPECT_EQ(raw[i], 0) << "padding byte " << i;
    uintptr_t p;
    std::memcpy(&p, raw + sizeof(void *), sizeof p);
    EXPECT_EQ(p, 0xA1B2u);
}

TEST_F(PipeTest, AShortRecordOrEndOfFileEndsTheReader) {
    ASSERT_EQ(write(pipe.writeEnd, "abc", 3), 3);
    close(pipe.writeEnd);
    pipe.writeEnd = -1;
    CtlrMessage m{};
    EXPECT_FALSE(receiveMessage(pipe, m)) << "3 bytes are no message";
    EXPECT_FALSE(receiveMessage(pipe, m)) << "end of file";
}

TEST(Pipe, AMissingPipeDropsTheMessage) {
    MessagePipe none;
    EXPECT_FALSE(none.exists());
    EXPECT_FALSE(sendMessage(none, MSG_STOP));
}

TEST_F(PipeTest, DrainFreesTheQueuedPayloadsWithoutWaiting) {
    // Leak-checked under AddressSanitizer: both blocks must be freed.
    ASSERT_TRUE(sendMessage(pipe, MSG_SHOW_PAGE, std::malloc(8)));
    ASSERT_TRUE(sendMessage(pipe, MSG_PROGRESS, std::malloc(16)));
    drainPipe(pipe);  // returns although the write end stays open
    sendMessage(pipe, MSG_TICK);
    CtlrMessage m{};
    EXPECT_TRUE(receiveMessage(pipe, m));
    EXPECT_EQ(m.code, MSG_TICK) << "the drained records are gone";
}

struct Received {
    std::vector<CtlrMessage> messages;
    bool accept = true;
    int refused = 0;
    static bool post(void *context, const CtlrMessage &m) {
        auto *self = static_cast<Received *>(context);
        if (!self->accept) return ++self->refused, false;
        self->messages.push_back(m);
        return true;
    }
};

TEST(PostSchedule, PayloadsAreHeapCopiesOfTheScheduledValues) {
    ScheduleStep step;
    step.count = 2;
    step.messages[0] = ScheduledMessage{MSG_SHOW_PAGE, {2, 5}, {}};
    step.messages[1] = ScheduledMessage{MSG_PROGRESS, {}, {1200, 6000, 25200, 48000}};
    Received r;
    postSchedule(step, Poster{Received::post, &r});
    ASSERT_EQ(r.messages.size(), 2u);
    EXPECT_EQ(r.messages[0].code, MSG_SHOW_PAGE);
    auto *page = static_cast<PageRequest *>(r.messages[0].payload);
    EXPECT_EQ(page->group, 2);
    EXPECT_EQ(page->page, 5);
    auto *info = static_cast<ProgressInfo *>(r.messages[1].payload);
    EXPECT_EQ(info->elapsed1, 1200);
    EXPECT_EQ(info->total1, 6000);
    EXPECT_EQ(info->elapsed2, 25200);
    EXPECT_EQ(info->total2, 48000);
    // The receiver frees them, as DispCtlr does (a double free or a stack
    // address would show under AddressSanitizer).
    for (const CtlrMessage &m : r.messages) std::free(m.payload);
}

TEST(PostSchedule, APayloadThatCannotBeSentIsFreed) {
    Schedule s;
    scheduleTick(s);
    Received r;
    r.accept = false;
    // Tick 2 requests the title page; the refused block must not leak
    // (leak-checked under AddressSanitizer).
    postSchedule(scheduleTick(s), Poster{Received::post, &r});
    EXPECT_EQ(r.refused, 1);
}

}  // namespace
}  // namespace demoria
