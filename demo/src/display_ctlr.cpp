#include "display.h"
#include "process.h"

namespace demoria {

void *dispCtlrMain(void *) {
    DisplayState state;
    state.self = pipePoster(process.display);
    CtlrMessage m;
    // A read that does not deliver a whole record ends the thread at once,
    // without shutting the library down.
    while (receiveMessage(process.display, m))
        if (!handleDisplayMessage(state, m)) break;
    pthread_exit(nullptr);
}

}  // namespace demoria
