#include "Uitwisseling.h"

#include "FrmVoorbereiden.h"
#include "Uitslagen.h"

#include "core/Algemeen.h"
#include "core/AlgemeneProcedures.h"
#include "core/FolderOpenen.h"
#include "core/FrmWedstrijdInput.h"
#include "core/Voortgang.h"
#include "ui/Meldingen.h"

#include <QListWidget>
#include <QPushButton>

namespace exchange {

bool Uitwisseling::VoorbereidenUitvoeren()
{
    FrmVoorbereiden& venster = FrmVoorbereiden::standaard();
    venster.toon();
    // Runs the action to its end before the window is unloaded.
    venster.Command1->click();
    const bool afgebroken = venster.afgebroken();
    venster.close();
    // Every action starts with a freshly loaded window.
    FrmVoorbereiden::opruimen();
    return !afgebroken;
}

void Uitwisseling::UitslagenExporteren(const QString& clubcode, int bestandsnummer)
{
    Q_UNUSED(bestandsnummer);
    FrmWedstrijdInput& f = FrmWedstrijdInput::standaard();
    const QString datum = f.LstSpeelweek->currentItem() ? f.LstSpeelweek->currentItem()->text() : QString();
    if (!core::IsDatum(datum))
        return;
    const QString titel = QStringLiteral("Exporteren");
    const QString map = core::ExportMapKiezen();
    if (map.isEmpty()) {
        ui::meldingen().kritiek(titel, QStringLiteral("Er werd geen map gekozen en in de opties staat geen map "
                                                      "'Import/Export'.\r\n\r\nEr werd niets geëxporteerd."));
        return;
    }
    try {
        const Uitslagenverslag verslag = UitslagenSchrijven(clubcode, datum, map);
        ui::meldingen().informatie(titel, UitslagenMelding(verslag, datum, map));
    } catch (const core::ActieFout& fout) {
        ui::meldingen().kritiek(titel, fout.tekst());
    } catch (const db::DbFout& fout) {
        ui::meldingen().kritiek(titel, QStringLiteral("De export werd afgebroken:\r\n\r\n") + fout.tekst());
    }
    f.lijstTekstKiezen(f.LstSpeelweek, datum);
}

} // namespace exchange
