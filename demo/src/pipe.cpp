#include "pipe.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace demoria {

namespace {

using Record = unsigned char[sizeof(CtlrMessage)];

// Field by field, so that the padding between code and payload goes out as
// zeros rather than as whatever the stack held.
void encode(const CtlrMessage &m, Record &out) {
    std::memset(out, 0, sizeof out);
    std::memcpy(out + offsetof(CtlrMessage, code), &m.code, sizeof m.code);
    std::memcpy(out + offsetof(CtlrMessage, payload), &m.payload, sizeof m.payload);
}

void decode(const Record &in, CtlrMessage &m) {
    std::memcpy(&m.code, in + offsetof(CtlrMessage, code), sizeof m.code);
    std::memcpy(&m.payload, in + offsetof(CtlrMessage, payload), sizeof m.payload);
}

bool postToPipe(void *context, const CtlrMessage &m) {
    return sendMessage(*static_cast<const MessagePipe *>(context), m.code, m.payload);
}

}  // namespace

bool createPipe(MessagePipe &pipe) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) return false;
    pipe.readEnd = ends[0];
    pipe.writeEnd = ends[1];
    return true;
}

bool sendMessage(const MessagePipe &pipe, int32_t code, void *payload) {
    if (!pipe.exists()) return false;
    Record rec;
    encode(CtlrMessage{code, payload}, rec);
    // One write of a record far below PIPE_BUF: writers never interleave.
    ssize_t n;
    do n = write(pipe.writeEnd, rec, sizeof rec);
    while (n < 0 && errno == EINTR);
    return n == ssize_t(sizeof rec);
}

bool receiveMessage(const MessagePipe &pipe, CtlrMessage &message) {
    Record rec;
    ssize_t n;
    do n = read(pipe.readEnd, rec, sizeof rec);
    while (n < 0 && errno == EINTR);
    if (n != ssize_t(sizeof rec)) return false;
    decode(rec, message);
    return true;
}

void drainPipe(const MessagePipe &pipe) {
    if (pipe.readEnd < 0) return;
    int flags = fcntl(pipe.readEnd, F_GETFL);
    if (flags < 0 || fcntl(pipe.readEnd, F_SETFL, flags | O_NONBLOCK) != 0) return;
    CtlrMessage m;
    while (receiveMessage(pipe, m)) std::free(m.payload);
}

Poster pipePoster(const MessagePipe &pipe) { return Poster{postToPipe, const_cast<MessagePipe *>(&pipe)}; }

}  // namespace demoria
