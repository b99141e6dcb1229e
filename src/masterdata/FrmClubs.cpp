#include "FrmClubs.h"

#include "OptieBeheer.h"
#include "core/Algemeen.h"
#include "core/AlgemeneProcedures.h"
#include "core/FrmWedstrijdInput.h"
#include "core/MDIFrm.h"
#include "ui/Keuzelijst.h"
#include "ui/Meldingen.h"
#include "ui/Twips.h"
#include "ui/Vensters.h"
#include "ui/Toepassing.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <utility>

using masterdata::Club;
using masterdata::Lokaal;
using masterdata::Verantwoordelijke;

namespace {

const QString Titel = QStringLiteral("Clubs en Lokalen");

QLabel* label(QWidget* ouder, const QString& tekst, int top)
{
    auto* l = new QLabel(tekst, ouder);
    ui::zetGeometrie(l, 4920, top + 30, 1500, 255);
    return l;
}

template <typename T>
T* maak(QWidget* ouder, const char* naam, int l, int t, int w, int h)
{
    T* c = new T(ouder);
    c->setObjectName(QString::fromLatin1(naam));
    ui::zetGeometrie(c, l, t, w, h);
    return c;
}

QPushButton* knop(QWidget* ouder, const char* naam, const QString& tekst, int top)
{
    auto* k = maak<QPushButton>(ouder, naam, 9600, top, 1440, 375);
    k->setText(tekst);
    return k;
}

QString clubRegel(const Club& c)
{
    QString r = QStringLiteral("%1 %2 - %3").arg(core::ProvincieAfkorting(c.provincie), c.clubNr, c.clubNaam);
    if (c.geschrapt)
        r += QStringLiteral(" (geschrapt)");
    return r;
}

// A field differs from the stored value as it would be stored: without blanks around it.
bool anders(const QLineEdit* vak, const QString& opgeslagen)
{
    return vak->text().trimmed() != opgeslagen.trimmed();
}

QString verantwoordelijkeRegel(const Verantwoordelijke& v)
{
    QString r = v.naam;
    if (!v.compNr.isEmpty())
        r += QStringLiteral(" (%1)").arg(v.compNr);
    if (v.scheidsrechter)
        r += QStringLiteral(" - scheidsrechter");
    return r;
}

} // namespace

FrmClubs::FrmClubs()
    : QWidget(MDIFrm::bestaat() ? &MDIFrm::standaard() : nullptr, ui::KindvensterVlaggen)
{
    setObjectName(QStringLiteral("FrmClubs"));
    setWindowTitle(Titel);
    ui::vensterPlaatsen(this, 0, 0, 11400, 9900);

    FraClubs = maak<QGroupBox>(this, "FraClubs", 120, 60, 11160, 3300);
    FraClubs->setTitle(QStringLiteral("Clubs"));
    LstClubs = maak<ui::Keuzelijst>(FraClubs, "LstClubs", 120, 300, 4680, 2880);
    label(FraClubs, QStringLiteral("Provincie"), 300);
    CboProvincie = maak<QComboBox>(FraClubs, "CboProvincie", 6480, 300, 3000, 315);
    for (const auto& [nr, naam] : masterdata::provinciesVoorKeuze()) {
        if (nr >= 1 && nr <= 11)
            CboProvincie->addItem(naam, nr);
    }
    label(FraClubs, QStringLiteral("Clubnummer"), 720);
    // No length limit: a number typed too long is refused whole rather than cut to another club's.
    TxtClubNr = maak<QLineEdit>(FraClubs, "TxtClubNr", 6480, 720, 900, 315);
    label(FraClubs, QStringLiteral("Naam"), 1140);
    TxtClubNaam = maak<QLineEdit>(FraClubs, "TxtClubNaam", 6480, 1140, 3000, 315);
    label(FraClubs, QStringLiteral("Ploegnaam"), 1560);
    TxtPloegnaam = maak<QLineEdit>(FraClubs, "TxtPloegnaam", 6480, 1560, 3000, 315);
    ChkGeschrapt = maak<QCheckBox>(FraClubs, "ChkGeschrapt", 6480, 1980, 2000, 315);
    ChkGeschrapt->setText(QStringLiteral("Geschrapt"));
    CmdClubOpslaan = knop(FraClubs, "CmdClubOpslaan", QStringLiteral("Opslaan"), 300);
    CmdClubNieuw = knop(FraClubs, "CmdClubNieuw", QStringLiteral("Nieuw"), 780);
    CmdClubVerwijderen = knop(FraClubs, "CmdClubVerwijderen", QStringLiteral("Verwijderen"), 1260);

    FraLokalen = maak<QGroupBox>(this, "FraLokalen", 120, 3420, 11160, 3300);
    FraLokalen->setTitle(QStringLiteral("Lokalen van de club, in hun volgorde"));
    LstLokalen = maak<ui::Keuzelijst>(FraLokalen, "LstLokalen", 120, 300, 4680, 2400);
    CmdLokaalHoger = maak<QPushButton>(FraLokalen, "CmdLokaalHoger", 120, 2760, 1500, 375);
    CmdLokaalHoger->setText(QStringLiteral("Hoger"));
    CmdLokaalLager = maak<QPushButton>(FraLokalen, "CmdLokaalLager", 1740, 2760, 1500, 375);
    CmdLokaalLager->setText(QStringLiteral("Lager"));
    label(FraLokalen, QStringLiteral("Naam"), 300);
    TxtLokaalNaam = maak<QLineEdit>(FraLokalen, "TxtLokaalNaam", 6480, 300, 3000, 315);
    label(FraLokalen, QStringLiteral("Straat"), 720);
    TxtStraat = maak<QLineEdit>(FraLokalen, "TxtStraat", 6480, 720, 3000, 315);
    label(FraLokalen, QStringLiteral("Postnummer"), 1140);
    TxtPostnummer = maak<QLineEdit>(FraLokalen, "TxtPostnummer", 6480, 1140, 1200, 315);
    label(FraLokalen, QStringLiteral("Gemeente"), 1560);
    TxtGemeente = maak<QLineEdit>(FraLokalen, "TxtGemeente", 6480, 1560, 3000, 315);
    CmdLokaalOpslaan = knop(FraLokalen, "CmdLokaalOpslaan", QStringLiteral("Opslaan"), 300);
    CmdLokaalNieuw = knop(FraLokalen, "CmdLokaalNieuw", QStringLiteral("Nieuw"), 780);
    CmdLokaalVerwijderen = knop(FraLokalen, "CmdLokaalVerwijderen", QStringLiteral("Verwijderen"), 1260);

    FraVerantwoordelijken = maak<QGroupBox>(this, "FraVerantwoordelijken", 120, 6780, 11160, 2460);
    FraVerantwoordelijken->setTitle(QStringLiteral("Verantwoordelijken en scheidsrechters"));
    LstVerantwoordelijken = maak<ui::Keuzelijst>(FraVerantwoordelijken, "LstVerantwoordelijken", 120, 300, 4680, 2040);
    label(FraVerantwoordelijken, QStringLiteral("Naam"), 300);
    TxtVerantwNaam = maak<QLineEdit>(FraVerantwoordelijken, "TxtVerantwNaam", 6480, 300, 3000, 315);
    label(FraVerantwoordelijken, QStringLiteral("Computernummer"), 720);
    TxtVerantwCompNr = maak<QLineEdit>(FraVerantwoordelijken, "TxtVerantwCompNr", 6480, 720, 1500, 315);
    ChkScheidsrechter = maak<QCheckBox>(FraVerantwoordelijken, "ChkScheidsrechter", 6480, 1140, 2000, 315);
    ChkScheidsrechter->setText(QStringLiteral("Scheidsrechter"));
    CmdVerantwOpslaan = knop(FraVerantwoordelijken, "CmdVerantwOpslaan", QStringLiteral("Opslaan"), 300);
    CmdVerantwNieuw = knop(FraVerantwoordelijken, "CmdVerantwNieuw", QStringLiteral("Nieuw"), 780);
    CmdVerantwVerwijderen = knop(FraVerantwoordelijken, "CmdVerantwVerwijderen", QStringLiteral("Verwijderen"), 1260);

    CmdSluiten = maak<QPushButton>(this, "CmdSluiten", 9840, 9360, 1440, 375);
    CmdSluiten->setText(QStringLiteral("&Sluiten"));

    ui::verbinden(LstClubs, &QListWidget::currentRowChanged, this, [this] {
        if (!m_vullen)
            LstClubs_Click();
    });
    ui::verbinden(CmdClubOpslaan, &QPushButton::clicked, this, &FrmClubs::CmdClubOpslaan_Click);
    ui::verbinden(CmdClubNieuw, &QPushButton::clicked, this, &FrmClubs::CmdClubNieuw_Click);
    ui::verbinden(CmdClubVerwijderen, &QPushButton::clicked, this, &FrmClubs::CmdClubVerwijderen_Click);
    ui::verbinden(LstLokalen, &QListWidget::currentRowChanged, this, [this] {
        if (!m_vullen)
            LstLokalen_Click();
    });
    ui::verbinden(CmdLokaalHoger, &QPushButton::clicked, this, &FrmClubs::CmdLokaalHoger_Click);
    ui::verbinden(CmdLokaalLager, &QPushButton::clicked, this, &FrmClubs::CmdLokaalLager_Click);
    ui::verbinden(CmdLokaalOpslaan, &QPushButton::clicked, this, &FrmClubs::CmdLokaalOpslaan_Click);
    ui::verbinden(CmdLokaalNieuw, &QPushButton::clicked, this, &FrmClubs::CmdLokaalNieuw_Click);
    ui::verbinden(CmdLokaalVerwijderen, &QPushButton::clicked, this, &FrmClubs::CmdLokaalVerwijderen_Click);
    ui::verbinden(LstVerantwoordelijken, &QListWidget::currentRowChanged, this, [this] {
        if (!m_vullen)
            LstVerantwoordelijken_Click();
    });
    ui::verbinden(CmdVerantwOpslaan, &QPushButton::clicked, this, &FrmClubs::CmdVerantwOpslaan_Click);
    ui::verbinden(CmdVerantwNieuw, &QPushButton::clicked, this, &FrmClubs::CmdVerantwNieuw_Click);
    ui::verbinden(CmdVerantwVerwijderen, &QPushButton::clicked, this, &FrmClubs::CmdVerantwVerwijderen_Click);
    ui::verbinden(CmdSluiten, &QPushButton::clicked, this, &FrmClubs::CmdSluiten_Click);
}

void FrmClubs::toon()
{
    const core::Algemeen& a = core::algemeen();
    clubsVullen(a.strClubProv.toInt(), a.strClubNr);
    verantwoordelijkenVullen(0);
    show();
    raise();
    activateWindow();
}

void FrmClubs::clubsVullen(int provincie, const QString& clubNr)
{
    m_clubs = masterdata::clubsLijst();
    int kies = m_clubs.isEmpty() ? -1 : 0;
    m_vullen = true;
    LstClubs->clear();
    for (int i = 0; i < m_clubs.size(); ++i) {
        LstClubs->addItem(clubRegel(m_clubs[i]));
        if (m_clubs[i].provincie == provincie && m_clubs[i].clubNr == clubNr)
            kies = i;
    }
    LstClubs->setCurrentRow(kies);
    m_vullen = false;
    LstClubs_Click();
}

bool FrmClubs::gekozenClub(Club& club) const
{
    const int rij = LstClubs->currentRow();
    if (m_nieuweClub || rij < 0 || rij >= m_clubs.size())
        return false;
    club = m_clubs[rij];
    return true;
}

void FrmClubs::LstClubs_Click()
{
    m_nieuweClub = false;
    Club c;
    const bool gekozen = gekozenClub(c);
    CboProvincie->setCurrentIndex(CboProvincie->findData(c.provincie));
    TxtClubNr->setText(c.clubNr);
    TxtClubNaam->setText(c.clubNaam);
    TxtPloegnaam->setText(c.ploegnaam);
    ChkGeschrapt->setChecked(c.geschrapt);
    // Province and number are the club's key: they are typed only for a new club.
    CboProvincie->setEnabled(false);
    TxtClubNr->setEnabled(false);
    FraLokalen->setEnabled(gekozen);
    lokalenVullen(0);
}

void FrmClubs::CmdClubNieuw_Click()
{
    m_vullen = true;
    LstClubs->setCurrentRow(-1);
    m_vullen = false;
    m_nieuweClub = true;
    CboProvincie->setEnabled(true);
    TxtClubNr->setEnabled(true);
    CboProvincie->setCurrentIndex(CboProvincie->findData(core::algemeen().strClubProv.toInt()));
    TxtClubNr->clear();
    TxtClubNaam->clear();
    TxtPloegnaam->clear();
    ChkGeschrapt->setChecked(false);
    FraLokalen->setEnabled(false);
    lokalenVullen(0);
    TxtClubNr->setFocus();
}

void FrmClubs::CmdClubOpslaan_Click()
{
    Club c;
    if (!m_nieuweClub && !gekozenClub(c)) {
        ui::meldingen().kritiek(Titel, QStringLiteral("Kies eerst een club, of Nieuw voor een nieuwe club !"));
        return;
    }
    if (m_nieuweClub) {
        c.provincie = CboProvincie->currentData().toInt();
        c.clubNr = TxtClubNr->text();
    }
    c.clubNaam = TxtClubNaam->text().trimmed();
    c.ploegnaam = TxtPloegnaam->text().trimmed();
    c.geschrapt = ChkGeschrapt->isChecked();
    const QString fout = masterdata::clubOpslaan(c, m_nieuweClub);
    if (!fout.isEmpty()) {
        ui::meldingen().kritiek(Titel, fout);
        return;
    }
    masterdata::clubControleren(c);
    clubsVullen(c.provincie, c.clubNr);
    hoofdvensterVernieuwen(true, c.provincie, c.clubNr);
}

void FrmClubs::CmdClubVerwijderen_Click()
{
    Club c;
    if (!gekozenClub(c)) {
        ui::meldingen().kritiek(Titel, QStringLiteral("Kies eerst de club die verwijderd moet worden !"));
        return;
    }
    if (!ui::meldingen().vraagNeeJa(Titel, QStringLiteral("De club %1 wordt verwijderd, met de verwijzingen naar haar "
                                                          "lokalen. Doorgaan ?")
                                               .arg(clubRegel(c))))
        return;
    masterdata::clubVerwijderen(c.provincie, c.clubNr);
    clubsVullen(0, QString());
    hoofdvensterVernieuwen(true, c.provincie, c.clubNr);
}

void FrmClubs::lokalenVullen(qint64 id)
{
    Club c;
    m_lokalen.clear();
    if (gekozenClub(c))
        m_lokalen = masterdata::lokalenVanClub(c.provincie, c.clubNr);
    int kies = m_lokalen.isEmpty() ? -1 : 0;
    m_vullen = true;
    LstLokalen->clear();
    for (int i = 0; i < m_lokalen.size(); ++i) {
        LstLokalen->addItem(m_lokalen[i].naam);
        if (m_lokalen[i].id == id)
            kies = i;
    }
    LstLokalen->setCurrentRow(kies);
    m_vullen = false;
    LstLokalen_Click();
}

void FrmClubs::lokaalVeldenVullen(const Lokaal& l)
{
    TxtLokaalNaam->setText(l.naam);
    TxtStraat->setText(l.straat);
    TxtPostnummer->setText(l.postnummer);
    TxtGemeente->setText(l.gemeente);
}

void FrmClubs::LstLokalen_Click()
{
    const int rij = LstLokalen->currentRow();
    lokaalVeldenVullen(rij >= 0 && rij < m_lokalen.size() ? m_lokalen[rij] : Lokaal());
}

void FrmClubs::CmdLokaalNieuw_Click()
{
    m_vullen = true;
    LstLokalen->setCurrentRow(-1);
    m_vullen = false;
    lokaalVeldenVullen(Lokaal());
    TxtLokaalNaam->setFocus();
}

void FrmClubs::CmdLokaalOpslaan_Click()
{
    Club c;
    if (!gekozenClub(c)) {
        ui::meldingen().kritiek(Titel, QStringLiteral("Sla eerst de club op !"));
        return;
    }
    Lokaal l;
    l.naam = TxtLokaalNaam->text().trimmed();
    l.straat = TxtStraat->text().trimmed();
    l.postnummer = TxtPostnummer->text().trimmed();
    l.gemeente = TxtGemeente->text().trimmed();
    const QString fout = masterdata::lokaalControleren(l);
    if (!fout.isEmpty()) {
        ui::meldingen().kritiek(Titel, fout);
        return;
    }
    const int rij = LstLokalen->currentRow();
    if (rij >= 0 && rij < m_lokalen.size()) {
        l.id = m_lokalen[rij].id;
        masterdata::lokaalWijzigen(l);
    } else {
        l.id = masterdata::lokaalToevoegen(c.provincie, c.clubNr, l);
    }
    lokalenVullen(l.id);
    hoofdvensterVernieuwen(false, c.provincie, c.clubNr);
}

void FrmClubs::CmdLokaalVerwijderen_Click()
{
    Club c;
    const int rij = LstLokalen->currentRow();
    if (!gekozenClub(c) || rij < 0 || rij >= m_lokalen.size()) {
        ui::meldingen().kritiek(Titel, QStringLiteral("Kies eerst het lokaal dat verwijderd moet worden !"));
        return;
    }
    if (!ui::meldingen().vraagNeeJa(Titel, QStringLiteral("Het lokaal %1 wordt uit de lijst van de club gehaald. "
                                                          "Doorgaan ?")
                                               .arg(m_lokalen[rij].naam)))
        return;
    masterdata::lokaalLosmaken(c.provincie, c.clubNr, m_lokalen[rij].id);
    lokalenVullen(0);
    hoofdvensterVernieuwen(false, c.provincie, c.clubNr);
}

void FrmClubs::verplaatsen(int richting)
{
    Club c;
    const int rij = LstLokalen->currentRow();
    if (!gekozenClub(c) || rij < 0 || rij >= m_lokalen.size())
        return;
    const qint64 id = m_lokalen[rij].id;
    if (!masterdata::lokaalVerplaatsen(c.provincie, c.clubNr, id, richting))
        return;
    lokalenVullen(id);
    hoofdvensterVernieuwen(false, c.provincie, c.clubNr);
}

void FrmClubs::CmdLokaalHoger_Click()
{
    verplaatsen(-1);
}

void FrmClubs::CmdLokaalLager_Click()
{
    verplaatsen(1);
}

void FrmClubs::verantwoordelijkenVullen(qint64 rij)
{
    m_verantwoordelijken = masterdata::verantwoordelijkenLijst();
    int kies = m_verantwoordelijken.isEmpty() ? -1 : 0;
    m_vullen = true;
    LstVerantwoordelijken->clear();
    for (int i = 0; i < m_verantwoordelijken.size(); ++i) {
        LstVerantwoordelijken->addItem(verantwoordelijkeRegel(m_verantwoordelijken[i]));
        if (m_verantwoordelijken[i].rij == rij)
            kies = i;
    }
    LstVerantwoordelijken->setCurrentRow(kies);
    m_vullen = false;
    LstVerantwoordelijken_Click();
}

void FrmClubs::LstVerantwoordelijken_Click()
{
    const int rij = LstVerantwoordelijken->currentRow();
    const Verantwoordelijke v = rij >= 0 && rij < m_verantwoordelijken.size() ? m_verantwoordelijken[rij]
                                                                              : Verantwoordelijke();
    TxtVerantwNaam->setText(v.naam);
    TxtVerantwCompNr->setText(v.compNr);
    ChkScheidsrechter->setChecked(v.scheidsrechter);
}

void FrmClubs::CmdVerantwNieuw_Click()
{
    m_vullen = true;
    LstVerantwoordelijken->setCurrentRow(-1);
    m_vullen = false;
    LstVerantwoordelijken_Click();
    TxtVerantwNaam->setFocus();
}

void FrmClubs::CmdVerantwOpslaan_Click()
{
    const int rij = LstVerantwoordelijken->currentRow();
    Verantwoordelijke v;
    if (rij >= 0 && rij < m_verantwoordelijken.size())
        v.rij = m_verantwoordelijken[rij].rij;
    v.naam = TxtVerantwNaam->text().trimmed();
    v.compNr = TxtVerantwCompNr->text().trimmed();
    v.scheidsrechter = ChkScheidsrechter->isChecked();
    const QString fout = masterdata::verantwoordelijkeOpslaan(v);
    if (!fout.isEmpty()) {
        ui::meldingen().kritiek(Titel, fout);
        return;
    }
    verantwoordelijkenVullen(v.rij);
}

void FrmClubs::CmdVerantwVerwijderen_Click()
{
    const int rij = LstVerantwoordelijken->currentRow();
    if (rij < 0 || rij >= m_verantwoordelijken.size()) {
        ui::meldingen().kritiek(Titel, QStringLiteral("Kies eerst de verantwoordelijke die verwijderd moet worden !"));
        return;
    }
    if (!ui::meldingen().vraagNeeJa(Titel, QStringLiteral("%1 wordt uit de lijst van de verantwoordelijken gehaald. "
                                                          "Doorgaan ?")
                                               .arg(m_verantwoordelijken[rij].naam)))
        return;
    masterdata::verantwoordelijkeVerwijderen(m_verantwoordelijken[rij].rij);
    verantwoordelijkenVullen(0);
}

void FrmClubs::CmdSluiten_Click()
{
    close();
}

bool FrmClubs::clubGewijzigd() const
{
    if (m_nieuweClub)
        return anders(TxtClubNr, QString()) || anders(TxtClubNaam, QString()) || anders(TxtPloegnaam, QString())
               || ChkGeschrapt->isChecked();
    Club c;
    if (!gekozenClub(c))
        return false;
    return anders(TxtClubNaam, c.clubNaam) || anders(TxtPloegnaam, c.ploegnaam) || ChkGeschrapt->isChecked() != c.geschrapt;
}

bool FrmClubs::lokaalGewijzigd() const
{
    Club c;
    if (!gekozenClub(c))
        return false; // venues are kept for a stored club only
    const int rij = LstLokalen->currentRow();
    const Lokaal l = rij >= 0 && rij < m_lokalen.size() ? m_lokalen[rij] : Lokaal();
    return anders(TxtLokaalNaam, l.naam) || anders(TxtStraat, l.straat) || anders(TxtPostnummer, l.postnummer)
           || anders(TxtGemeente, l.gemeente);
}

bool FrmClubs::verantwoordelijkeGewijzigd() const
{
    const int rij = LstVerantwoordelijken->currentRow();
    const Verantwoordelijke v = rij >= 0 && rij < m_verantwoordelijken.size() ? m_verantwoordelijken[rij]
                                                                              : Verantwoordelijke();
    return anders(TxtVerantwNaam, v.naam) || anders(TxtVerantwCompNr, v.compNr)
           || ChkScheidsrechter->isChecked() != v.scheidsrechter;
}

void FrmClubs::closeEvent(QCloseEvent* event)
{
    ui::afgeschermd([&] {
        if ((clubGewijzigd() || lokaalGewijzigd() || verantwoordelijkeGewijzigd())
            && ui::meldingen().vraagJaNee(Titel, QStringLiteral("Er zijn wijzigingen die nog niet opgeslagen zijn.\r\n"
                                                                 "Wilt u ze opslaan ?"))) {
            // Each part is stored as its own Opslaan does, the club last: storing it fills the venues
            // again. A part that cannot be stored was told why; the window stays open with it.
            const std::pair<bool (FrmClubs::*)() const, void (FrmClubs::*)()> delen[] = {
                {&FrmClubs::lokaalGewijzigd, &FrmClubs::CmdLokaalOpslaan_Click},
                {&FrmClubs::verantwoordelijkeGewijzigd, &FrmClubs::CmdVerantwOpslaan_Click},
                {&FrmClubs::clubGewijzigd, &FrmClubs::CmdClubOpslaan_Click}};
            for (const auto& [gewijzigd, opslaan] : delen) {
                if (!(this->*gewijzigd)())
                    continue;
                (this->*opslaan)();
                if ((this->*gewijzigd)()) {
                    event->ignore();
                    return;
                }
            }
        }
        QWidget::closeEvent(event);
    });
}

void FrmClubs::hoofdvensterVernieuwen(bool club, int provincie, const QString& clubNr)
{
    if (!FrmWedstrijdInput::bestaat())
        return;
    FrmWedstrijdInput& hoofd = FrmWedstrijdInput::standaard();
    if (!hoofd.isGeladen())
        return;
    const core::Algemeen& a = core::algemeen();
    if (club) {
        // The own club's name stands in the caption, and whether it exists decides the view.
        if (QString::number(provincie) == a.strClubProv && clubNr == a.strClubNr && hoofd.LstSpeelweek->currentItem())
            hoofd.LijstHerselecteren(hoofd.LstSpeelweek);
        return;
    }
    // The sheet lists the venues of the home club of its match.
    if (hoofd.LstWedstrijden->currentItem() && a.strPloegGegevens[1][0] == clubNr
        && a.strPloegGegevens[3][0].toInt() == provincie)
        hoofd.LijstHerselecteren(hoofd.LstWedstrijden);
}
