#pragma once

namespace demoria {

// The console banner, ten lines, on stdout.
void printBanner();

}  // namespace demoria
