// The program's process-wide state and its start: the two message pipes,
// the controller threads, and the signal thread that ends the program.
#pragma once

#include <pthread.h>

#include <atomic>

#include "pipe.h"
#include "schedule.h"

namespace demoria {

struct Process {
    MessagePipe display;  // DispCtlr's input
    MessagePipe action;   // ActCtlr's input
    pthread_t dispCtlr = {};
    pthread_t actCtlr = {};
    bool dispStarted = false;
    bool actStarted = false;
    // Set once main has created everything; the close handler waits for it
    // so that it never joins a thread that main is still creating.
    std::atomic<bool> setUp = false;
    // 1 asks TimeCtlr to end after its next tick.
    std::atomic<int32_t> timeStop = 0;
};

extern Process process;

// Thread entry points; the argument is the thread's name and is unused.
void *dispCtlrMain(void *name);
void *actCtlrMain(void *name);
void *timeCtlrMain(void *name);

// Blocks the close and interrupt signals in this and every later thread;
// until the close handler takes them they stay pending. False on failure.
bool blockCloseSignals();
// Starts the thread that takes the blocked signals. False on failure.
bool startCloseHandler();

// Copies each scheduled message's payload into a heap block and posts it;
// a payload that could not be posted is freed again.
void postSchedule(const ScheduleStep &step, const Poster &to);

// The program: banner, close handler, pipes and controllers, start
// messages, then sleep until the close handler ends the process. Returns
// -1 only when it cannot set itself up.
int runDemo();

}  // namespace demoria
