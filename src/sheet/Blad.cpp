#include "Blad.h"

#include "BladIndeling.h"
#include "BladOpbouw.h"
#include "Einduur.h"
#include "FrmVoorbehoud.h"
#include "Forfait.h"
#include "Opstellingknoppen.h"
#include "Setinvoer.h"
#include "Uitslag.h"
#include "WedstrijdLaden.h"

#include "core/AlgemeneFuncties.h"
#include "core/Algemeen.h"
#include "core/FrmWedstrijdInput.h"
#include "core/Tekst.h"
#include "db/Database.h"
#include "ui/Keuzelijst.h"
#include "ui/Meldingen.h"
#include "ui/Toepassing.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

using core::algemeen;

namespace sheet {

void Blad::bouwen(FrmWedstrijdInput& venster)
{
    m_venster = &venster;
    core::Wedstrijdblad& b = venster.blad;
    if (b.gebouwd())
        return;
    bladBouwen(venster.werkvlak(), b);
    // The window's own borders, caption and menu bar take what they take: its work area holds at
    // least the sheet and the controls above it, so that none of them is cut off at its edges.
    QWidget* vlak = venster.werkvlak();
    const QRect inhoud = vlak->childrenRect();
    vlak->setMinimumSize(inhoud.x() + inhoud.width(), inhoud.y() + inhoud.height());
    // How a report of a failed action names the controls that have no caption.
    b.LstNaamLokaal->setAccessibleName(QStringLiteral("zaal"));
    b.TxtEinduur->setAccessibleName(QStringLiteral("einduur"));
    m_setinvoer = new Setinvoer(venster, *this);
    m_einduur = &Einduur::verbinden(venster);
    VoorbehoudVerbinden(venster);
    OpstellingknoppenVerbinden(venster);
    // Every choice of a venue, also of the one the list shows already, runs the venue's handling.
    ui::keuzeVolgen(b.LstNaamLokaal, [this] { LstNaamLokaal_Click(); });
    // Only a choice changes the match's venue: scrolling the window over the list chooses none.
    ui::keuzeZonderWiel(b.LstNaamLokaal);
    ui::verbinden(b.ChkAkkoord, &QCheckBox::toggled, this, &Blad::ChkAkkoord_Click);
    ui::verbinden(b.ChkForfaitT, &QCheckBox::toggled, this, &Blad::ChkForfaitT_Click);
    ui::verbinden(b.ChkForfaitUit, &QCheckBox::toggled, this, &Blad::ChkForfaitUit_Click);
}

bool Blad::InvoerAfmaken()
{
    // The sheet's boxes that check and store what is typed when they are left: the set boxes and the
    // end time. Only the one with the focus has anything to finish.
    if (!m_venster || !m_venster->blad.gebouwd())
        return true;
    if (m_setinvoer && !m_setinvoer->afmaken())
        return false;
    return !m_einduur || m_einduur->afmaken();
}

void Blad::Blanco()
{
    m_getoond.clear();
    if (m_venster && m_venster->blad.gebouwd())
        sheet::Blanco(m_venster->blad);
}

void Blad::ResultatenInvullen()
{
    if (m_venster)
        sheet::ResultatenInvullen(m_venster->blad);
}

void Blad::KapiteinenTonen()
{
    if (!m_venster)
        return;
    sheet::KapiteinTonen(m_venster->blad, true);
    sheet::KapiteinTonen(m_venster->blad, false);
}

bool Blad::naarLopendeWedstrijd()
{
    QLineEdit* vak = lopendSetvak();
    if (vak)
        vak->setFocus();
    return vak;
}

QLineEdit* Blad::lopendSetvak() const
{
    if (!m_venster || !m_venster->blad.gebouwd())
        return nullptr;
    const core::Wedstrijdblad& b = m_venster->blad;
    const int laatste = std::min(algemeen().intLaatsteWedstrijd, core::Wedstrijdblad::AantalWedstrijden - 1);
    for (int rij = 0; rij <= laatste; ++rij) {
        SetTeksten sets;
        for (int s = 1; s <= core::Wedstrijdblad::AantalSets; ++s) {
            sets[2 * (s - 1)] = b.set(rij, s, true)->text();
            sets[2 * (s - 1) + 1] = b.set(rij, s, false)->text();
        }
        // A walk-over game is decided without sets, whichever case its mark is written in.
        if (SetsGewonnen(sets) || WalkOverSpel(sets))
            continue;
        for (int i = 0; i < int(sets.size()); ++i) {
            QLineEdit* vak = b.set(rij, i / 2 + 1, i % 2 == 0);
            if (!vak->testAttribute(Qt::WA_Disabled) && sets[i].isEmpty())
                return vak;
        }
    }
    return nullptr;
}

void Blad::VolgendeWedstrijd(int rij)
{
    if (!m_venster)
        return;
    core::Wedstrijdblad& b = m_venster->blad;
    const int laatste = std::min(algemeen().intLaatsteWedstrijd, core::Wedstrijdblad::AantalWedstrijden - 1);
    if (rij < 0 || rij >= laatste)
        return;
    SetTeksten sets;
    for (int s = 1; s <= core::Wedstrijdblad::AantalSets; ++s) {
        sets[2 * (s - 1)] = b.set(rij, s, true)->text();
        sets[2 * (s - 1) + 1] = b.set(rij, s, false)->text();
    }
    if (!SetsGewonnen(sets))
        return;
    for (int j = rij + 1; j <= laatste; ++j) {
        QLineEdit* vak = b.TxtSet1T[j];
        if (!vak->testAttribute(Qt::WA_Disabled) && vak->text().isEmpty()) {
            vak->setFocus();
            return;
        }
    }
}

void Blad::LstNaamLokaal_Click()
{
    core::Algemeen& a = algemeen();
    core::Wedstrijdblad& b = m_venster->blad;
    const qint64 id = b.LstNaamLokaal->currentData().toLongLong();
    const core::AlgemeneFuncties& f = core::objAlgemeneFuncties();
    db::Recordset lokaal = a.dbGegevens.openRecordset(QStringLiteral("SELECT * FROM Lokalen WHERE id = ?;"), {id});
    if (!lokaal.eof()) {
        b.TxtStraat->setText(f.Inhoud(lokaal.veld(QStringLiteral("Straat"))).tekst());
        const QString postnummer = f.Inhoud(lokaal.veld(QStringLiteral("Postnummer"))).tekst();
        const QString gemeente = f.Inhoud(lokaal.veld(QStringLiteral("Gemeente"))).tekst();
        b.TxtPlaats->setText(postnummer.isEmpty() ? gemeente : postnummer + u' ' + gemeente);
    }
    if (a.blnEventsActief) {
        a.rsMatchen.edit();
        a.rsMatchen.zet(QStringLiteral("Zaal"), id);
        a.rsMatchen.update();
    }
}

void Blad::ChkAkkoord_Click()
{
    core::Algemeen& a = algemeen();
    const QString akkoord = m_venster->blad.ChkAkkoord->isChecked() ? QStringLiteral("J") : QStringLiteral("N");
    // Loading a match sets the box from the stored value: what is stored already is not written again, so
    // that showing a match writes nothing (also not while another program reads the database).
    const db::Waarde opgeslagen = a.rsMatchen.veld(QStringLiteral("Akkoord2aan2"));
    if (!opgeslagen.isNull() && opgeslagen.tekst() == akkoord)
        return;
    a.rsMatchen.edit();
    a.rsMatchen.zet(QStringLiteral("Akkoord2aan2"), akkoord);
    a.rsMatchen.update();
}

void Blad::ChkForfaitT_Click()
{
    forfaitKlik(true);
}

void Blad::ChkForfaitUit_Click()
{
    forfaitKlik(false);
}

void Blad::forfaitKlik(bool thuis)
{
    core::Algemeen& a = algemeen();
    core::Wedstrijdblad& b = m_venster->blad;
    QCheckBox* vak = thuis ? b.ChkForfaitT : b.ChkForfaitUit;
    bool doorgaan = true;
    bool ingetrokken = false;
    // With the events off (loading, emptying the sheet, taking back a tick) only the enabling runs.
    if (a.blnEventsActief) {
        if (vak->isChecked() && ForfaitResultatenIngevuld())
            doorgaan = ui::meldingen().vraagJaNee(
                QStringLiteral("Forfait"),
                QStringLiteral("Er zijn al resultaten ingevuld. Deze zullen gewist worden. Doorgaan ?"));
        if (doorgaan) {
            GegevensForfaitAanpassen(*vak, thuis ? QStringLiteral("T") : QStringLiteral("U"));
            // The withdrawal emptied every game: the absences and games not played that remain
            // give their walk-overs again, with their winners stored as marking them stored them.
            ingetrokken = !vak->isChecked();
            if (ingetrokken) {
                if (core::IOpstelling* o = core::diensten().opstelling)
                    o->WalkoversHerstellen(b);
            }
            const bool geenForfait = !b.ChkForfaitT->isChecked() && !b.ChkForfaitUit->isChecked();
            core::EventsUit uit;
            ResultatenInvullen();
            UitslagBerekenen(ingetrokken && geenForfait);
        } else {
            // Untick without storing; the handler this runs only enables again.
            core::EventsUit uit;
            vak->setChecked(false);
        }
    }
    if (doorgaan)
        forfaitInschakelen();
    if (ingetrokken)
        walkoversVergrendelen(false);
}

void Blad::walkoversVergrendelen(bool andereOpen)
{
    core::Wedstrijdblad& b = m_venster->blad;
    for (int i = 0; i <= algemeen().intLaatsteWedstrijd && i < core::Wedstrijdblad::AantalWedstrijden; ++i) {
        const bool walkover = b.TxtSet1T[i]->text() == u"w";
        if (!walkover && !andereOpen)
            continue;
        for (int s = 1; s <= core::Wedstrijdblad::AantalSets; ++s) {
            b.set(i, s, true)->setEnabled(!walkover);
            b.set(i, s, false)->setEnabled(!walkover);
        }
    }
}

void Blad::forfaitInschakelen()
{
    core::Wedstrijdblad& b = m_venster->blad;
    const bool thuis = b.ChkForfaitT->isChecked();
    const bool bezoekers = b.ChkForfaitUit->isChecked();
    // Only one team can be declared forfeit from the sheet, so a ticked box locks the other one.
    // Imported data can hold a forfeit of both teams: then neither box is locked, so that either
    // can be withdrawn; once one is, the one still ticked locks it as usual.
    b.ChkForfaitT->setEnabled(thuis || !bezoekers);
    b.ChkForfaitUit->setEnabled(bezoekers || !thuis);
    const bool open = !thuis && !bezoekers;
    for (int r = 0; r <= algemeen().intLaatsteWedstrijd && r < core::Wedstrijdblad::AantalWedstrijden; ++r) {
        for (int s = 1; s <= core::Wedstrijdblad::AantalSets; ++s) {
            b.set(r, s, true)->setEnabled(open);
            b.set(r, s, false)->setEnabled(open);
        }
    }
}

} // namespace sheet
