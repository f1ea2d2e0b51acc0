#include "banner.h"

#include <cstdio>

namespace demoria {

namespace {
constexpr int kVersionMajor = 1, kVersionMinor = 0, kVersionPatch = 2;
}

void printBanner() {
    std::printf("Demoria-Version: V%02i.%02i.%02i\n", kVersionMajor, kVersionMinor, kVersionPatch);
    std::printf("\n");
    std::printf("Mit dieser Demoapplikation sollen die Faehigkeiten\n");
    std::printf("der Grafikbibliothek Vantrel dargestellt werden!\n");
    std::printf("\n");
    std::printf("Das Demo laeuft in einer Endlosschleife und kann\n");
    std::printf("durch schliessen des Konsolenfensters beendet werden!\n");
    std::printf("\n");
    std::printf("\n");  // the ninth line has no text
    std::printf("\n");
    std::fflush(stdout);
}

}  // namespace demoria
