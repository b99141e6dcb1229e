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
#include "ui/Opschriften.h"

#include <QPushButton>
#include <QRadioButton>

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

void KapiteinTonen(core::Wedstrijdblad& b, bool thuis, const QString& compNr)
{
    const QList<QPushButton*>& knoppen = thuis ? b.CmdCompNrT : b.CmdCompNrU;
    const QList<QRadioButton*>& opties = thuis ? b.OptTKapitein : b.OptUKapitein;
    QPushButton* kKnop = thuis ? b.CmdTKapitein : b.CmdUKapitein;
    int gevonden = -1;
    for (int i = 0; i < 4 && i < knoppen.size(); ++i) {
        if (ui::gegevensTekst(knoppen[i]) == compNr) {
            gevonden = i;
            break;
        }
    }
    // The options of a side do not exclude one another by themselves. A place the layout does not use
    // (the fourth in a team of three) keeps its option hidden.
    core::EventsUit uit;
    for (int i = 0; i < opties.size(); ++i) {
        opties[i]->setChecked(i == gevonden);
        opties[i]->setVisible(gevonden >= 0 && i < knoppen.size() && !knoppen[i]->isHidden());
    }
    kKnop->setVisible(gevonden < 0);
}

void KapiteinenTonen(core::Wedstrijdblad& b)
{
    const core::AlgemeneFuncties& f = core::objAlgemeneFuncties();
    for (const bool thuis : {true, false}) {
        // A captain stored as one blank is no captain.
        const QString kapitein =
            f.Inhoud(algemeen().rsMatchen.veld(thuis ? QStringLiteral("KapiteinT") : QStringLiteral("KapiteinU"))).tekst();
        if (!kapitein.isEmpty()) {
            KapiteinTonen(b, thuis, kapitein);
            continue;
        }
        const QList<QPushButton*>& knoppen = thuis ? b.CmdCompNrT : b.CmdCompNrU;
        const QList<QRadioButton*>& opties = thuis ? b.OptTKapitein : b.OptUKapitein;
        core::EventsUit uit;
        for (int i = 0; i < opties.size(); ++i) {
            opties[i]->setChecked(false);
            opties[i]->setVisible(i < knoppen.size() && !knoppen[i]->isHidden());
        }
        (thuis ? b.CmdTKapitein : b.CmdUKapitein)->setVisible(false);
    }
}

} // namespace lineup
