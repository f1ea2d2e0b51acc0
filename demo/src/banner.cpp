#include "banner.h"

#include <cstdio>
#include <string>

#include "console.h"

namespace demoria {

namespace {
constexpr int kVersionMajor = 1, kVersionMinor = 0, kVersionPatch = 2;
}

void printBanner() {
    char version[40];
    std::snprintf(version, sizeof version, "Demoria-Version: V%02i.%02i.%02i\n", kVersionMajor, kVersionMinor,
                  kVersionPatch);
    std::string banner = version;
    banner +=
        "\n"
        "Mit dieser Demoapplikation sollen die Faehigkeiten\n"
        "der Grafikbibliothek Vantrel dargestellt werden!\n"
        "\n"
        "Das Demo laeuft in einer Endlosschleife und kann\n"
        "durch schliessen des Konsolenfensters beendet werden!\n"
        "\n"
        "\n"  // the ninth line has no text
        "\n";
    writeConsole(banner);
}

}  // namespace demoria
