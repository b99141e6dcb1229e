#include "BladIndeling.h"

#include "BladOpbouw.h"
#include "core/Algemeen.h"
#include "core/AlgemeneFuncties.h"
#include "core/Wedstrijdblad.h"
#include "ui/Meldingen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

using core::algemeen;

namespace sheet {

namespace {

constexpr int BovenVierdeRij = 1500;

// The controls of one team, so home and visitors go through the same code.
struct Ploeg
{
    QList<QLabel*>& NrSpeler;
    QList<QLabel*>& NaamSpeler;
    QList<QPushButton*>& CompNr;
    QList<QLabel*>& Volgnr;
    QList<QLabel*>& Index;
    QList<QLabel*>& Klas;
    QList<QLabel*>& IndOverw;
    QList<QRadioButton*>& Kapitein;

    static Ploeg thuis(core::Wedstrijdblad& b)
    {
        return {b.LabTNrSpeler, b.LabTNaamSpeler, b.CmdCompNrT, b.LabTVolgnr,
                b.LabTIndex,    b.LabTKlas,       b.LabTIndOverw, b.OptTKapitein};
    }
    static Ploeg uit(core::Wedstrijdblad& b)
    {
        return {b.LabUNrSpeler, b.LabUNaamSpeler, b.CmdCompNrU, b.LabUVolgnr,
                b.LabUIndex,    b.LabUKlas,       b.LabUIndOverw, b.OptUKapitein};
    }

    /** The eight controls of a player row (0-3). */
    QList<QWidget*> rij(int r) const
    {
        return {NrSpeler[r], NaamSpeler[r], CompNr[r], Volgnr[r], Index[r], Klas[r], IndOverw[r], Kapitein[r]};
    }
    /** The three controls of the doubles row. */
    QList<QWidget*> dubbelRij() const { return {NrSpeler[4], NaamSpeler[4], CompNr[4]}; }

    /** Empties what a player row shows; the place number stays. */
    void rijLeegmaken(int r) const
    {
        NaamSpeler[r]->setText(QString());
        CompNr[r]->setText(QString());
        Volgnr[r]->setText(QString());
        Index[r]->setText(QString());
        Klas[r]->setText(QString());
        IndOverw[r]->setText(QString());
    }

    /** A player row in use: at its place, emptied, no captain; its captain option shown, or the whole row. */
    void rijKlaarzetten(int r, int boven, bool heleRijTonen) const
    {
        for (QWidget* w : rij(r))
            zetBoven(w, boven);
        rijLeegmaken(r);
        Kapitein[r]->setChecked(false);
        if (heleRijTonen) {
            for (QWidget* w : rij(r))
                w->setVisible(true);
        } else {
            Kapitein[r]->setVisible(true);
        }
    }

    /** Four player rows; no doubles row. */
    void vierRijen() const
    {
        rijKlaarzetten(3, BovenVierdeRij, true);
        for (QWidget* w : dubbelRij())
            w->setVisible(false);
    }

    /** Three player rows and the doubles row in the fourth place. */
    void drieRijenEnDubbel() const
    {
        for (QWidget* w : dubbelRij()) {
            zetBoven(w, BovenVierdeRij);
            w->setVisible(true);
        }
        NaamSpeler[4]->setText(QString());
        CompNr[4]->setText(QStringLiteral("Dubb."));
        for (QWidget* w : rij(3))
            w->setVisible(false);
        rijLeegmaken(3);
    }
};

/** The controls of game row i: its fourteen boxes and its three labels. */
QList<QWidget*> wedstrijdRij(const core::Wedstrijdblad& b, int i)
{
    QList<QWidget*> rij{b.LabNrW[i], b.LabThuisspeler[i], b.LabUitspeler[i]};
    for (int s = 1; s <= core::Wedstrijdblad::AantalSets; ++s) {
        rij.append(b.set(i, s, true));
        rij.append(b.set(i, s, false));
    }
    rij << b.TxtSetsThuis[i] << b.TxtSetsUit[i] << b.TxtWedstrThuis[i] << b.TxtWedstrUit[i];
    return rij;
}

void wedstrijdRijenTonen(const core::Wedstrijdblad& b, int van, int tot, bool tonen)
{
    for (int i = van; i <= tot; ++i)
        for (QWidget* w : wedstrijdRij(b, i))
            w->setVisible(tonen);
}

void wedstrijdRijLeegmaken(const core::Wedstrijdblad& b, int i)
{
    for (int s = 1; s <= core::Wedstrijdblad::AantalSets; ++s) {
        b.set(i, s, true)->setText(QString());
        b.set(i, s, false)->setText(QString());
    }
    b.TxtSetsThuis[i]->setText(QString());
    b.TxtSetsUit[i]->setText(QString());
    b.TxtWedstrThuis[i]->setText(QString());
    b.TxtWedstrUit[i]->setText(QString());
}

/** Labels the game rows with the places that play them; false when a row of the order is missing. */
bool wedstrijdenBenoemen(core::Wedstrijdblad& b, int spelers, int wedstrijden)
{
    db::Recordset& rs = algemeen().rsVolgordeWedstrijden;
    const core::AlgemeneFuncties& f = core::objAlgemeneFuncties();
    rs.setIndex(QStringLiteral("Volgorde"));
    for (int n = 1; n <= wedstrijden; ++n) {
        rs.seek(QStringLiteral("="), {db::Waarde(spelers), db::Waarde(n)});
        if (rs.noMatch()) {
            ui::meldingen().kritiek(
                QStringLiteral("Wedstrijdblad"),
                QStringLiteral("De tabel 'Volgorde Wedstrijden' heeft geen rij voor %1 spelers, wedstrijd %2 !")
                    .arg(spelers)
                    .arg(n));
            return false;
        }
        const db::Waarde thuis = rs.veld(QStringLiteral("thuis"));
        const db::Waarde uit = rs.veld(QStringLiteral("uit"));
        QLabel* labThuis = b.LabThuisspeler[n - 1];
        QLabel* labUit = b.LabUitspeler[n - 1];
        if (spelers == 4 || !f.Inhoud(thuis).tekst().isEmpty()) {
            labThuis->setText(thuis.tekst());
            labUit->setText(uit.tekst());
            zetBreedte(labThuis, 255);
        } else {
            // The doubles game: its label spans the home and away columns.
            labThuis->setText(QStringLiteral("Dubb."));
            zetBreedte(labThuis, 511);
            labUit->setText(QString());
        }
    }
    return true;
}

} // namespace

void VakjesWeergeven(core::Wedstrijdblad& b, int vorigeLaatste)
{
    const int laatste = algemeen().intLaatsteWedstrijd;
    const Ploeg ploegen[] = {Ploeg::thuis(b), Ploeg::uit(b)};

    b.CmdTKapitein->setVisible(false);
    b.CmdUKapitein->setVisible(false);

    for (int r = 0; r < 3; ++r)
        for (const Ploeg& p : ploegen)
            p.rijKlaarzetten(r, 720 + 260 * r, false);

    const int spelers = laatste == 15 ? 4 : laatste == 9 ? 3 : 2;
    const int wedstrijden = spelers == 4 ? 16 : spelers == 3 ? 10 : 7;
    if (!wedstrijdenBenoemen(b, spelers, wedstrijden))
        return;

    const bool metDubbel = spelers == 3 || (spelers == 2 && SuperDubbelOptie() == u"J");
    for (const Ploeg& p : ploegen) {
        if (metDubbel)
            p.drieRijenEnDubbel();
        else
            p.vierRijen();
    }

    for (int i = 0; i < core::Wedstrijdblad::AantalWedstrijden; ++i)
        wedstrijdRijLeegmaken(b, i);

    if (laatste == vorigeLaatste)
        return;
    switch (laatste) {
    case 15:
        wedstrijdRijenTonen(b, 7, 15, true);
        break;
    case 9:
        // Rows 7-9 are hidden only after a match of two; after a match of four they still show.
        if (vorigeLaatste != 15)
            wedstrijdRijenTonen(b, 7, 9, true);
        wedstrijdRijenTonen(b, 10, 15, false);
        break;
    case 6:
        wedstrijdRijenTonen(b, 7, 15, false);
        break;
    default:
        break;
    }
}

void Blanco(core::Wedstrijdblad& b)
{
    {
        // Emptying the list is no choice of a venue.
        const QSignalBlocker stil(b.LstNaamLokaal);
        b.LstNaamLokaal->clear();
    }
    b.TxtStraat->setText(QString());
    b.TxtPlaats->setText(QString());

    b.TxtDatum->setText(QString());
    b.TxtAfdeling->setText(QString());
    b.TxtReeks->setText(QString());
    b.TxtMatchNr->setText(QString());
    b.TxtBeginuur->setText(QString());
    b.TxtEinduur->setText(QString());

    b.TxtTPloeg->setText(QString());
    b.TxtUPloeg->setText(QString());
    b.TxtTAanw->setText(QString());
    b.TxtUAanw->setText(QString());

    for (int r = 0; r < core::Wedstrijdblad::AantalSpelerRijen; ++r) {
        b.LabTNaamSpeler[r]->setText(QString());
        b.CmdCompNrT[r]->setText(QString());
        b.LabUNaamSpeler[r]->setText(QString());
        b.CmdCompNrU[r]->setText(QString());
        if (r == 4)
            break;
        b.LabTVolgnr[r]->setText(QString());
        b.LabTIndex[r]->setText(QString());
        b.LabTKlas[r]->setText(QString());
        b.LabTIndOverw[r]->setText(QString());
        b.LabUVolgnr[r]->setText(QString());
        b.LabUIndex[r]->setText(QString());
        b.LabUKlas[r]->setText(QString());
        b.LabUIndOverw[r]->setText(QString());
        b.OptTKapitein[r]->setVisible(true);
        b.OptUKapitein[r]->setVisible(true);
    }
    b.CmdTKapitein->setVisible(false);
    b.CmdUKapitein->setVisible(false);

    b.ChkForfaitT->setChecked(false);
    b.ChkForfaitUit->setChecked(false);

    for (int i = 0; i < core::Wedstrijdblad::AantalWedstrijden; ++i)
        wedstrijdRijLeegmaken(b, i);
    b.TxtResT->setText(QString());
    b.TxtResU->setText(QString());
}

} // namespace sheet
