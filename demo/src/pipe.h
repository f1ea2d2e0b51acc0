// Anonymous message pipes between the controller threads: each read and each
// write moves exactly one whole CtlrMessage record.
#pragma once

#include "messages.h"

namespace demoria {

struct MessagePipe {
    int readEnd = -1;
    int writeEnd = -1;  // -1 until created: a pipe exists when it has a write end

    bool exists() const { return writeEnd >= 0; }
};

// Creates the pipe with close-on-exec ends; false when the system refuses.
bool createPipe(MessagePipe &pipe);

// Writes one record to the pipe; false when the pipe does not exist or the
// write failed (the message is then lost and the payload stays the sender's).
bool sendMessage(const MessagePipe &pipe, int32_t code, void *payload = nullptr);

// Reads one record; false at end of file, on an error or a short read.
bool receiveMessage(const MessagePipe &pipe, CtlrMessage &message);

// Reads whatever records are left without waiting and frees their payloads.
// Only for the end of the program, when no thread writes the pipe any more.
void drainPipe(const MessagePipe &pipe);

// A Poster that sends to the pipe.
Poster pipePoster(const MessagePipe &pipe);

}  // namespace demoria
