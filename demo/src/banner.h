#pragma once

namespace demoria {

// The console banner, ten lines, on stdout; given up when the program is
// asked to end while stdout cannot take it.
void printBanner();

}  // namespace demoria
