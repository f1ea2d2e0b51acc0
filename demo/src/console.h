// The demo's console: its standard streams, and output to stdout that a
// close request can always interrupt.
#pragma once

#include <string_view>

namespace demoria {

// Opens /dev/null on whichever of descriptors 0, 1 and 2 is closed, so
// that no pipe or file the program opens later takes their place and
// receives console output. First thing at start-up.
void openStandardStreams();

// Writes text to stdout. Waits while stdout cannot take it (a full pipe
// nobody reads, a stopped terminal), but gives up as soon as
// abandonConsole() is called. False when the text was not all written.
bool writeConsole(std::string_view text);

// From the close handler: every waiting and later writeConsole returns
// false at once, so no thread stays stuck on the console.
void abandonConsole();

}  // namespace demoria
