#include "Uitwisseling.h"

#include "FrmVoorbereiden.h"

#include <QPushButton>

namespace exchange {

void Uitwisseling::VoorbereidenUitvoeren()
{
    FrmVoorbereiden& venster = FrmVoorbereiden::standaard();
    venster.toon();
    // Runs the action to its end before the window is unloaded.
    venster.Command1->click();
    venster.close();
    // Every action starts with a freshly loaded window.
    FrmVoorbereiden::opruimen();
}

void Uitwisseling::UitslagenExporteren(const QString& clubcode, int bestandsnummer)
{
    Q_UNUSED(clubcode);
    Q_UNUSED(bestandsnummer);
}

bool Uitwisseling::beschikbaar(const QString& opdrachtwoord) const
{
    return opdrachtwoord != u"Import" && opdrachtwoord != u"ClubProgrammaInterclub"
           && opdrachtwoord != u"UitslagenExporteren";
}

} // namespace exchange
