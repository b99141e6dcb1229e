#include "Opstelling.h"

#include "lineup/Eindcontrole.h"
#include "lineup/EindcontroleVerslag.h"
#include "lineup/FrmSpelersKiezen.h"
#include "lineup/FrmSterktelijst.h"
#include "lineup/NietGespeeld.h"

#include "core/AlgemeneFuncties.h"
#include "core/AlgemeneProcedures.h"
#include "core/Algemeen.h"
#include "core/FunctiesQJ.h"
#include "core/Wedstrijdblad.h"
#include "db/Database.h"

using core::algemeen;

namespace lineup {

void Opstelling::SpelersKiezenTonen()
{
    FrmSpelersKiezen::standaard().toon();
}

void Opstelling::SterktelijstTonen()
{
    FrmSterktelijst::standaard().toon();
}

void Opstelling::OpgeslagenTonen()
{
    if (FrmSpelersKiezen::bestaat())
        FrmSpelersKiezen::standaard().woOpgeslagenTonen();
}

void Opstelling::WalkoversHerstellen(core::Wedstrijdblad& blad)
{
    lineup::WalkoversHerstellen(blad);
}

bool Opstelling::HogerLager(QString& weekNr, core::IVoortgang& voortgang)
{
    return lineup::HogerLager(weekNr, voortgang);
}

bool Opstelling::DubbeleOpstelling(QString& weekNr, core::IVoortgang& voortgang)
{
    return lineup::DubbeleOpstelling(weekNr, voortgang);
}

void Opstelling::EindControleAfdrukken(const QString& weekNr)
{
    lineup::EindControleAfdrukken(weekNr);
}

void AlternatiefOpslaan(const Alternatiefrij& rij, const QString& ploegProvNr)
{
    core::Algemeen& a = algemeen();
    const core::AlgemeneFuncties& f = core::objAlgemeneFuncties();
    db::Recordset& alt = a.rsAlternatief;
    const QString nr = core::objFunctiesQJ().BeginNulToevoegen(db::Waarde(rij.computernummer), a.intAantalKaraktersCompNr);
    alt.setIndex(QStringLiteral("SpelerZoeken"));
    alt.seek(QStringLiteral("="), {ploegProvNr, rij.clubnummer, nr, rij.soort});
    if (alt.noMatch())
        alt.addNew();
    else
        alt.edit();
    try {
        alt.zet(QStringLiteral("Clubnummer"), f.GeenLegeInhoud(rij.clubnummer));
        alt.zet(QStringLiteral("Ploegnaam"), f.GeenLegeInhoud(rij.ploegnaam));
        alt.zet(QStringLiteral("Soort"), f.GeenLegeInhoud(rij.soort));
        alt.zet(QStringLiteral("Volgnummer"), f.GeenLegeInhoud(rij.volgnummer));
        alt.zet(QStringLiteral("Index"), f.GeenLegeInhoud(rij.index));
        alt.zet(QStringLiteral("Computernummer"), f.GeenLegeInhoud(rij.computernummer));
        alt.zet(QStringLiteral("Naam"), f.GeenLegeInhoud(rij.naam));
        alt.zet(QStringLiteral("Klassering"), f.GeenLegeInhoud(rij.klassering));
        alt.zet(QStringLiteral("Provincie"), QString::number(core::ProvincieNr(rij.provincieAfkorting, 1)));
        alt.update();
    } catch (...) {
        alt.cancelUpdate();
        throw;
    }
}

} // namespace lineup
