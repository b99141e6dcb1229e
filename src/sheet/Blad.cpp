#include "Blad.h"

#include "BladIndeling.h"
#include "BladOpbouw.h"
#include "Setinvoer.h"
#include "Uitslag.h"
#include "WedstrijdLaden.h"

#include "core/AlgemeneFuncties.h"
#include "core/Algemeen.h"
#include "core/FrmWedstrijdInput.h"
#include "core/Tekst.h"
#include "db/Database.h"

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
    new Setinvoer(venster, *this);
    connect(b.LstNaamLokaal, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0)
            LstNaamLokaal_Click();
    });
    connect(b.ChkAkkoord, &QCheckBox::toggled, this, &Blad::ChkAkkoord_Click);
    connect(b.ChkForfaitT, &QCheckBox::toggled, this, &Blad::ChkForfaitT_Click);
    connect(b.ChkForfaitUit, &QCheckBox::toggled, this, &Blad::ChkForfaitUit_Click);
}

void Blad::Blanco()
{
    if (m_venster && m_venster->blad.gebouwd())
        sheet::Blanco(m_venster->blad);
}

void Blad::ResultatenInvullen()
{
    if (m_venster)
        sheet::ResultatenInvullen(m_venster->blad);
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
    a.rsMatchen.edit();
    a.rsMatchen.zet(QStringLiteral("Akkoord2aan2"),
                    m_venster->blad.ChkAkkoord->isChecked() ? QStringLiteral("J") : QStringLiteral("N"));
    a.rsMatchen.update();
}

void Blad::ChkForfaitT_Click()
{
    forfaitInschakelen(m_venster->blad.ChkForfaitT->isChecked(), true);
}

void Blad::ChkForfaitUit_Click()
{
    forfaitInschakelen(m_venster->blad.ChkForfaitUit->isChecked(), false);
}

void Blad::forfaitInschakelen(bool aangevinkt, bool thuis)
{
    core::Wedstrijdblad& b = m_venster->blad;
    (thuis ? b.ChkForfaitUit : b.ChkForfaitT)->setEnabled(!aangevinkt);
    for (int r = 0; r <= algemeen().intLaatsteWedstrijd && r < core::Wedstrijdblad::AantalWedstrijden; ++r) {
        for (int s = 1; s <= core::Wedstrijdblad::AantalSets; ++s) {
            b.set(r, s, true)->setEnabled(!aangevinkt);
            b.set(r, s, false)->setEnabled(!aangevinkt);
        }
    }
}

} // namespace sheet
