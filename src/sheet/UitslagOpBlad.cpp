// The result engine on the sheet: reads the set boxes and the match row, shows what the engine
// decides and writes the markers and moved sets into the match row.

#include "Blad.h"
#include "Uitslag.h"

#include "core/AlgemeneFuncties.h"
#include "core/Algemeen.h"
#include "core/FrmWedstrijdInput.h"
#include "core/Matchkolommen.h"
#include "db/Database.h"
#include "ui/Meldingen.h"

#include <QLabel>
#include <QLineEdit>

using core::algemeen;

namespace sheet {

namespace {

// One Edit/Update of the match row.
void schrijven(db::Recordset& rs, const QList<QPair<QString, QString>>& velden)
{
    rs.edit();
    for (const auto& [naam, waarde] : velden)
        rs.zet(naam, waarde);
    rs.update();
}

} // namespace

void Blad::UitslagBerekenen(bool opslaan)
{
    if (!m_venster || !m_venster->blad.gebouwd())
        return;
    core::Algemeen& a = algemeen();
    core::Wedstrijdblad& b = m_venster->blad;
    db::Recordset& m = a.rsMatchen;
    const core::AlgemeneFuncties& f = core::objAlgemeneFuncties();
    const int laatste = std::min(a.intLaatsteWedstrijd, core::Wedstrijdblad::AantalWedstrijden - 1);

    UitslagInvoer in;
    in.laatste = laatste;
    in.opslaan = opslaan;
    in.forfaitT = m.veld(QStringLiteral("forfaitth")).tekst();
    in.forfaitU = m.veld(QStringLiteral("forfaituit")).tekst();
    for (int p = 0; p < 4; ++p) {
        in.afwT[p] = m.veld(QStringLiteral("AFWTH%1").arg(p + 1)).tekst();
        in.afwU[p] = m.veld(QStringLiteral("AFWUIT%1").arg(p + 1)).tekst();
        in.woT[p] = f.Inhoud(m.veld(QStringLiteral("WOT%1").arg(p + 1))).tekst();
        in.woU[p] = f.Inhoud(m.veld(QStringLiteral("WOU%1").arg(p + 1))).tekst();
    }
    for (int i = 0; i <= laatste; ++i) {
        UitslagRij& rij = in.rijen[i];
        rij.thuisPlaats = b.LabThuisspeler[i]->text();
        rij.uitPlaats = b.LabUitspeler[i]->text();
        for (int s = 1; s <= core::Wedstrijdblad::AantalSets; ++s) {
            rij.sets[2 * (s - 1)] = b.set(i, s, true)->text();
            rij.sets[2 * (s - 1) + 1] = b.set(i, s, false)->text();
        }
        const db::Waarde markering = m.veld(core::SpelKolom(i + 1));
        if (!markering.isNull())
            rij.markering = markering.tekst();
    }

    const UitslagResultaat uit = sheet::UitslagBerekenen(in);

    // Pass 1: the sets of every game, and the markers of the games not decided.
    for (int i = 0; i <= laatste; ++i) {
        b.TxtSetsThuis[i]->setText(uit.rijen[i].setsThuis);
        b.TxtSetsUit[i]->setText(uit.rijen[i].setsUit);
        if (uit.rijen[i].markering == Markering::Blanco)
            schrijven(m, {{core::SpelKolom(i + 1), QStringLiteral(" ")}});
    }
    if (uit.teveelSets) {
        ui::meldingen().kritiek(QStringLiteral("Uitslag Wedstrijd"),
                                QStringLiteral("Verbeter de uitslag ! De wedstrijd heeft meer dan drie winnende sets !"));
        a.blnUitslagFout = true;
    }
    // Pass 2: the won games, stored with their sets closed up when asked, and the running score.
    for (int i = 0; i <= laatste; ++i) {
        const UitslagRijResultaat& r = uit.rijen[i];
        if (r.markering == Markering::Thuis || r.markering == Markering::Uit) {
            schrijven(m, {{core::SpelKolom(i + 1), r.markering == Markering::Thuis ? QStringLiteral("+")
                                                                              : QStringLiteral("-")}});
            SetTeksten sets = in.rijen[i].sets;
            for (const SetVerschuiving& v : r.verschuivingen) {
                // Each move is shown and stored on its own, as it is made.
                sets[2 * (v.naar - 1)] = sets[2 * (v.van - 1)];
                sets[2 * (v.naar - 1) + 1] = sets[2 * (v.van - 1) + 1];
                sets[2 * (v.van - 1)].clear();
                sets[2 * (v.van - 1) + 1].clear();
                b.set(i, v.naar, true)->setText(sets[2 * (v.naar - 1)]);
                b.set(i, v.naar, false)->setText(sets[2 * (v.naar - 1) + 1]);
                b.set(i, v.van, true)->setText(QString());
                b.set(i, v.van, false)->setText(QString());
                schrijven(m, {{core::SetKolom(i + 1, v.naar, true), sets[2 * (v.naar - 1)]},
                              {core::SetKolom(i + 1, v.naar, false), sets[2 * (v.naar - 1) + 1]},
                              {core::SetKolom(i + 1, v.van, true), QStringLiteral(" ")},
                              {core::SetKolom(i + 1, v.van, false), QStringLiteral(" ")}});
            }
        }
        b.TxtWedstrThuis[i]->setText(r.wedstrThuis);
        b.TxtWedstrUit[i]->setText(r.wedstrUit);
    }
    b.TxtResT->setText(uit.resT);
    b.TxtResU->setText(uit.resU);
    // Pass 3: each player's wins.
    for (int p = 0; p < 4; ++p) {
        b.LabTIndOverw[p]->setText(uit.indOverwT[p]);
        b.LabUIndOverw[p]->setText(uit.indOverwU[p]);
    }
}

} // namespace sheet
