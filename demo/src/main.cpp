// Demoria: the slide show of the Vantrel graphics library.
#include "process.h"

// -1 when the program cannot set itself up (exit status 255).
int main() { return demoria::runDemo(); }
