#include "WedstrijdLaden.h"

#include "Blad.h"
#include "BladIndeling.h"
#include "Setinvoer.h"

#include "core/AlgemeneFuncties.h"
#include "core/AlgemeneProcedures.h"
#include "core/Algemeen.h"
#include "core/FrmWedstrijdInput.h"
#include "core/FunctiesQJ.h"
#include "core/Matchkolommen.h"
#include "core/Tekst.h"
#include "db/Database.h"
#include "ui/Meldingen.h"
#include "ui/Opschriften.h"
#include "ui/Toepassing.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalBlocker>

#include <optional>

using core::algemeen;

namespace sheet {

namespace {

QString inhoud(const db::Waarde& w)
{
    return core::objAlgemeneFuncties().Inhoud(w).tekst();
}

QString veld(db::Recordset& rs, const QString& naam)
{
    return rs.veld(naam).tekst();
}

// The numeric value of a stored number text, as a whole number.
qint64 getal(const QString& tekst)
{
    return static_cast<qint64>(core::Val(tekst));
}

QString aanwijzing(const QString& provincie, const QString& clubNr)
{
    if (clubNr.trimmed().toLower() == u"vrij")
        return QString();
    return core::ProvincieAfkorting(db::Waarde(core::Val(provincie))) + u' ' + clubNr;
}

} // namespace

Lijstregel LijstregelLezen(const QString& regel)
{
    Lijstregel r;
    const qsizetype dubbelpunt = regel.indexOf(u':');
    if (dubbelpunt < 0)
        return r;
    r.geldig = true;
    r.wedstrNr = regel.left(dubbelpunt);
    const QString klein = regel.toLower();
    if (klein.contains(u"veteranen")) {
        r.categorie = QStringLiteral("V");
        r.titel = QStringLiteral("Vet.");
    } else if (klein.contains(u"dames")) {
        r.categorie = QStringLiteral("D");
        r.titel = QStringLiteral("Dames");
    } else if (klein.contains(u"jeugd")) {
        r.categorie = QStringLiteral("J");
        r.titel = QStringLiteral("Jeugd");
    } else {
        r.categorie = QStringLiteral("H");
        r.titel = QStringLiteral("Heren");
    }
    return r;
}

QString WedstrNrTonen(const QString& wedstrNr)
{
    if (wedstrNr.size() < 3)
        return wedstrNr;
    return wedstrNr.left(wedstrNr.size() - 3) + u'/' + wedstrNr.right(3);
}

bool AfdelingTekst(const QString& soort, const QString& naam, const QString& naamAfgekort, QString& afdeling,
                   QString& reeks)
{
    const QString vijfde = core::Mid(naamAfgekort, 5, 1);
    const QString rest = core::Mid(naamAfgekort, 6);
    if (soort == u"S" || (soort == u"N" && naam.toLower().startsWith(u"super "))) {
        afdeling = QStringLiteral("Super");
        reeks = QString();
    } else if (soort == u"N") {
        afdeling = vijfde + QStringLiteral("e Nat.");
        reeks = rest;
    } else if (soort == u"L") {
        afdeling = QStringLiteral("Land.");
        reeks = rest;
    } else if (soort == u"P") {
        afdeling = vijfde + QStringLiteral("e Prov.");
        reeks = rest;
    } else if (soort == u"J") {
        afdeling = vijfde + QStringLiteral("e Jeugd");
        reeks = rest;
    } else {
        return false;
    }
    return true;
}

void KapiteinAanduiden(core::Wedstrijdblad& b, bool thuis, int plaats)
{
    const QList<QRadioButton*>& opties = thuis ? b.OptTKapitein : b.OptUKapitein;
    // Unmark the others first: the options of a side exclude one another.
    for (int i = 0; i < opties.size(); ++i) {
        if (i != plaats)
            opties[i]->setChecked(false);
    }
    if (plaats >= 0 && plaats < opties.size())
        opties[plaats]->setChecked(true);
}

void GegevensSpelers(core::Wedstrijdblad& b, const QString& kant, const QString& clubNr,
                     const QString& provincieAfkorting, int aantalPlaatsen)
{
    core::Algemeen& a = algemeen();
    const bool thuis = kant == u"T";
    const QList<QPushButton*>& knoppen = thuis ? b.CmdCompNrT : b.CmdCompNrU;
    const QList<QLabel*>& namen = thuis ? b.LabTNaamSpeler : b.LabUNaamSpeler;
    const QList<QLabel*>& volgnrs = thuis ? b.LabTVolgnr : b.LabUVolgnr;
    const QList<QLabel*>& indexen = thuis ? b.LabTIndex : b.LabUIndex;
    const QList<QLabel*>& klassen = thuis ? b.LabTKlas : b.LabUKlas;

    const auto tonen = [&](int i, db::Recordset& rs) {
        namen[i]->setText(inhoud(rs.veld(QStringLiteral("Naam"))));
        volgnrs[i]->setText(inhoud(rs.veld(QStringLiteral("Volgnummer"))));
        indexen[i]->setText(inhoud(rs.veld(QStringLiteral("Index"))));
        klassen[i]->setText(inhoud(rs.veld(QStringLiteral("Klassering"))));
    };
    const auto alternatief = [&](int i, const QString& lid, int provincie) {
        a.rsAlternatief.setIndex(QStringLiteral("SpelerZoeken"));
        a.rsAlternatief.seek(QStringLiteral("="), {provincie, clubNr, lid, a.strSoortSterktelijst});
        if (!a.rsAlternatief.noMatch())
            tonen(i, a.rsAlternatief);
    };

    for (int i = 0; i < aantalPlaatsen && i < 4; ++i) {
        const QString lid = ui::gegevensTekst(knoppen[i]);
        db::Recordset leden = a.dbGegevens.openRecordset(
            QStringLiteral("SELECT CompNr From Leden WHERE CompNr = ?;"), {lid});
        const bool gekend = leden.recordCount() > 0;
        const int provincie = core::ProvincieNr(provincieAfkorting, 1);
        if (gekend) {
            if (lid.isEmpty() || lid == u" ")
                continue;
            a.rsSterktelijst.setIndex(QStringLiteral("SpelerZoeken"));
            a.rsSterktelijst.seek(QStringLiteral("="),
                                  {a.strGekozenSeizoen, provincie, clubNr, lid, a.strSoortSterktelijst});
            if (!a.rsSterktelijst.noMatch())
                tonen(i, a.rsSterktelijst);
            else
                alternatief(i, lid, provincie);
        } else if (clubNr != u"BYE") {
            alternatief(i, lid, provincie);
        }
    }

    KapiteinTonen(b, thuis);
}

void KapiteinTonen(core::Wedstrijdblad& b, bool thuis)
{
    const QList<QPushButton*>& knoppen = thuis ? b.CmdCompNrT : b.CmdCompNrU;
    const QList<QRadioButton*>& opties = thuis ? b.OptTKapitein : b.OptUKapitein;
    // A captain chosen empty is stored as one blank: that is no captain either.
    const QString kapitein = inhoud(thuis ? algemeen().rsMatchen.veld(QStringLiteral("KapiteinT"))
                                          : algemeen().rsMatchen.veld(QStringLiteral("KapiteinU")));
    int gevonden = -1;
    for (int i = 0; !kapitein.isEmpty() && i < knoppen.size() && i < opties.size(); ++i) {
        if (ui::gegevensTekst(knoppen[i]) == kapitein) {
            gevonden = i;
            break;
        }
    }
    // A captain who plays on no place is shown on the captain's button instead of the options; the
    // options are those of the places in use (no fourth in a team of three).
    const bool nietSpelend = !kapitein.isEmpty() && gevonden < 0;
    KapiteinAanduiden(b, thuis, gevonden);
    for (int i = 0; i < opties.size(); ++i)
        opties[i]->setVisible(!nietSpelend && i < knoppen.size() && !knoppen[i]->isHidden());
    (thuis ? b.CmdTKapitein : b.CmdUKapitein)->setVisible(nietSpelend);
}

void ResultatenInvullen(core::Wedstrijdblad& b)
{
    core::Algemeen& a = algemeen();
    for (int i = 0; i <= a.intLaatsteWedstrijd && i < core::Wedstrijdblad::AantalWedstrijden; ++i) {
        for (int s = 1; s <= core::Wedstrijdblad::AantalSets; ++s) {
            for (const bool thuis : {true, false})
                SetvakTonen(b.set(i, s, thuis), inhoud(a.rsMatchen.veld(core::SetKolom(i + 1, s, thuis))));
        }
    }
}

void Blad::LstWedstrijden_Click()
{
    core::Algemeen& a = algemeen();
    if (!a.blnEventsActief || !m_venster)
        return;
    a.blnEventsActief = false;
    // Whatever stops the loading, the handlers act again afterwards.
    const auto aan = qScopeGuard([&a] { a.blnEventsActief = true; });
    try {
        wedstrijdLaden();
    } catch (const db::DbFout& fout) {
        ui::meldingen().kritiek(QStringLiteral("Wedstrijdblad"),
                                QStringLiteral("De wedstrijd kan niet getoond worden.\n") + fout.tekst());
        bladLeegmaken();
    }
}

void Blad::bladLeegmaken()
{
    Blanco();
    m_venster->bladVergrendelen(false);
}

void Blad::wedstrijdLaden()
{
    m_nogTonen = false;
    core::Algemeen& a = algemeen();
    FrmWedstrijdInput& venster = *m_venster;
    core::Wedstrijdblad& b = venster.blad;
    QPointer<QWidget> focusVooraf = venster.window()->focusWidget();
    if (focusVooraf && !venster.isAncestorOf(focusVooraf))
        focusVooraf = nullptr;

    // 1. An empty list (or no line chosen): no match on the sheet.
    QListWidgetItem* gekozen = venster.LstWedstrijden->currentItem();
    if (venster.LstWedstrijden->count() == 0 || !gekozen) {
        bladLeegmaken();
        return;
    }
    const Lijstregel regel = LijstregelLezen(gekozen->text());
    if (!regel.geldig) {
        ui::meldingen().kritiek(QStringLiteral("Wedstrijdblad"),
                                QStringLiteral("De regel \"%1\" bevat geen wedstrijdnummer !").arg(gekozen->text()));
        bladLeegmaken();
        return;
    }

    // 4-6. Find the match, under "Q" when not under "P".
    const int vorige = a.intLaatsteWedstrijd;
    a.rsMatchen.setIndex(QStringLiteral("WedstrNr"));
    a.rsMatchen.seek(QStringLiteral("="), {a.strGekozenSeizoen, regel.wedstrNr});
    if (a.rsMatchen.noMatch()) {
        QString nr = regel.wedstrNr;
        nr.replace(u'P', u'Q');
        a.rsMatchen.seek(QStringLiteral("="), {a.strGekozenSeizoen, nr});
    }
    if (a.rsMatchen.noMatch()) {
        ui::meldingen().kritiek(QStringLiteral("Wedstrijdblad"),
                                QStringLiteral("De wedstrijd %1 werd niet gevonden in het seizoen %2 !")
                                    .arg(regel.wedstrNr, a.strGekozenSeizoen));
        bladLeegmaken();
        return;
    }
    db::Recordset& m = a.rsMatchen;
    // The same match shown again (the lists refreshed) or another one.
    const QString getoond = a.strGekozenSeizoen + u'|' + veld(m, QStringLiteral("WedstrNr"));
    const bool andereWedstrijd = getoond != m_getoond;
    m_getoond = getoond;

    // 2-3. Unlock the sheet; the category heading from the line.
    venster.bladOntgrendelen();
    b.Titel[0]->setText(regel.titel);
    m_vorigeLaatsteWedstrijd = vorige;

    // 7. The division, by the category of the line.
    const QString soortComp = veld(m, QStringLiteral("SoortComp"));
    const QString reeksNr = veld(m, QStringLiteral("ReeksNr"));
    a.rsReeksen.setIndex(QStringLiteral("Soort"));
    a.rsReeksen.seek(QStringLiteral("="), {a.strGekozenSeizoen, soortComp, regel.categorie, reeksNr});
    bool reeksGevonden = !a.rsReeksen.noMatch();
    int spelers = 4;
    if (reeksGevonden) {
        spelers = static_cast<int>(getal(veld(a.rsReeksen, QStringLiteral("AtlIndividueleMatchen"))));
        // A team size the sheet has no scheme for counts as a division not found.
        if (spelers < 2 || spelers > 4) {
            reeksGevonden = false;
            spelers = 4;
        }
    }

    // 8. Caption and teams.
    const QString thuis = veld(m, QStringLiteral("nmthuis"));
    const QString uit = veld(m, QStringLiteral("nmuit"));
    const QString lkThuis = veld(m, QStringLiteral("LKThuis"));
    const QString lkUit = veld(m, QStringLiteral("LKUIT"));
    const QString provThuis = veld(m, QStringLiteral("ProvThuis"));
    const QString provUit = veld(m, QStringLiteral("ProvUIT"));
    ui::zetGegevensTitel(b.FraWedstrijdblad,
                         QStringLiteral("Wedstrijdblad \"") + thuis + QStringLiteral(" - ") + uit + u'"');
    b.TxtTPloeg->setText(thuis);
    b.TxtTAanw->setText(aanwijzing(provThuis, lkThuis));
    b.TxtUPloeg->setText(uit);
    b.TxtUAanw->setText(aanwijzing(provUit, lkUit));

    // 9. Team size and number of teams.
    a.intLaatsteWedstrijd = spelers == 4 ? 15 : spelers == 3 ? 9 : 6;
    a.intAantalPloegen = reeksGevonden ? static_cast<int>(getal(veld(a.rsReeksen, QStringLiteral("AantPloeg")))) : 12;

    // 10. The two teams.
    a.strPloegGegevens[0][0] = thuis;
    a.strPloegGegevens[0][1] = uit;
    a.strPloegGegevens[1][0] = lkThuis;
    a.strPloegGegevens[1][1] = inhoud(m.veld(QStringLiteral("LKUIT")));
    a.strPloegGegevens[2][0] = core::ProvincieAfkorting(db::Waarde(core::Val(provThuis)));
    a.strPloegGegevens[2][1] = core::ProvincieAfkorting(db::Waarde(core::Val(provUit)));
    a.strPloegGegevens[3][0] = provThuis;
    a.strPloegGegevens[3][1] = provUit;

    // 11. Level, and the category of the strength lists by the match's own category.
    a.strSoortComp = soortComp;
    const QString herDam = veld(m, QStringLiteral("HerDam"));
    if (herDam == u"H")
        a.strSoortSterktelijst = a.strSoortComp == u"J" ? QStringLiteral("Jeugd") : QStringLiteral("Heren");
    else if (herDam == u"D")
        a.strSoortSterktelijst = a.strSoortComp == u"J" ? QStringLiteral("Jeugd") : QStringLiteral("Dames");
    else if (herDam == u"V")
        a.strSoortSterktelijst = QStringLiteral("Veteranen");
    else if (herDam == u"J")
        a.strSoortSterktelijst = QStringLiteral("Jeugd");

    // 12. Layout for the team size.
    VakjesWeergeven(b, m_vorigeLaatsteWedstrijd);

    // 13. The home club's venues.
    lokalenVullen(lkThuis, provThuis, m.veld(QStringLiteral("Zaal")));

    // 14. Kind of match.
    const QList<QRadioButton*> soorten{b.OptHeren, b.OptDames, b.OptJeugd, b.OptSuper, b.OptBekerHeren, b.OptBekerDames};
    const qsizetype soort = QStringList({"1", "2", "3", "4", "5", "6"}).indexOf(veld(m, QStringLiteral("Soort")));
    if (soort >= 0) {
        for (qsizetype i = 0; i < soorten.size(); ++i)
            soorten[i]->setChecked(i == soort);
    }

    // 15. Date, hour, number.
    b.TxtDatum->setText(inhoud(m.veld(QStringLiteral("Datum"))));
    b.TxtBeginuur->setText(inhoud(m.veld(QStringLiteral("Uur"))));
    b.TxtMatchNr->setText(WedstrNrTonen(veld(m, QStringLiteral("WedstrNr"))));

    // 16. Division and series, by the match's own category.
    a.rsReeksen.seek(QStringLiteral("="), {a.strGekozenSeizoen, soortComp, herDam, reeksNr});
    if (!a.rsReeksen.noMatch()) {
        QString afdeling;
        QString reeks;
        if (AfdelingTekst(veld(a.rsReeksen, QStringLiteral("Soort")), veld(a.rsReeksen, QStringLiteral("Naam")),
                          veld(a.rsReeksen, QStringLiteral("NaamAfgekort")), afdeling, reeks)) {
            const QString reeksHerDam = veld(a.rsReeksen, QStringLiteral("HerDam"));
            if (reeksHerDam == u"V")
                afdeling += QStringLiteral(" (V)");
            else if (reeksHerDam == u"D")
                afdeling += QStringLiteral(" (D)");
            b.TxtAfdeling->setText(afdeling);
            b.TxtReeks->setText(reeks);
        }
    }

    // 17-25. What the sheet's handlers write.
    gegevensTonen(true);

    // 26. The focus to the game being typed, unless the user is choosing in a list by
    // keyboard: the keys typed there are the list's (Enter then moves on to the sheet).
    a.blnEventsActief = true;
    if (QLineEdit* lopend = lopendSetvak()) {
        if (venster.isVisible() && !venster.kiezenMetToetsen())
            lopend->setFocus();
        return;
    }
    // No game is left to type (a decided match, a forfeit). A control that this match locked or hid
    // has passed the focus on to the next control of the tab order (the venue list, where an arrow key
    // would choose another venue): the window itself takes it, where no key stores anything.
    if (focusVooraf && (!focusVooraf->isEnabledTo(&venster) || !focusVooraf->isVisibleTo(&venster)))
        venster.setFocus(Qt::OtherFocusReason);
    // A box of the match left that kept the focus now holds a decided game's points (or the end time)
    // of this one, which the next keys would change unasked: the window takes the focus until the user
    // goes to one of this match's boxes. The same match shown again keeps the user where he was.
    if (andereWedstrijd)
        venster.focusVanHetBlad();
}

void Blad::gegevensTonen(bool laden)
{
    core::Algemeen& a = algemeen();
    const int spelers = a.intLaatsteWedstrijd == 15 ? 4 : a.intLaatsteWedstrijd == 9 ? 3 : 2;

    // 18. Line-up buttons: a team of two has three places with super doubles, four without.
    m_laatstePlaats = spelers - 1;
    if (spelers == 2) {
        m_laatstePlaats = SuperDubbelOptie() == u"J" ? 2 : 3;
    }
    // 18-20.
    opstellingTonen();
    // 17, 21-25.
    rijTonen(laden);
}

void Blad::opstellingTonen()
{
    core::Algemeen& a = algemeen();
    core::Wedstrijdblad& b = m_venster->blad;
    const core::AlgemeneFuncties& f = core::objAlgemeneFuncties();
    db::Recordset& m = a.rsMatchen;

    // 18. The members on the line-up buttons.
    for (int i = 0; i <= m_laatstePlaats; ++i) {
        ui::zetGegevensTekst(b.CmdCompNrT[i], inhoud(m.veld(QStringLiteral("THUISSP%1").arg(i + 1))));
        ui::zetGegevensTekst(b.CmdCompNrU[i], inhoud(m.veld(QStringLiteral("UITSP%1").arg(i + 1))));
    }

    // 19. Names and strength-list data of both line-ups, and the captains.
    GegevensSpelers(b, QStringLiteral("T"), a.strPloegGegevens[1][0], a.strPloegGegevens[2][0], m_laatstePlaats + 1);
    GegevensSpelers(b, QStringLiteral("U"), a.strPloegGegevens[1][1], a.strPloegGegevens[2][1], m_laatstePlaats + 1);

    // 20. Doubles pairs of teams of three and two.
    m_dubbels = {f.Inhoud(m.veld(QStringLiteral("Opmerk1"))).tekst(), f.Inhoud(m.veld(QStringLiteral("Opmerk2"))).tekst()};
    if (a.intLaatsteWedstrijd == 9 || a.intLaatsteWedstrijd == 6) {
        const auto dubbel = [&](const QList<QPushButton*>& knoppen, QLabel* label, const QString& kolom) {
            if (knoppen[0]->text().isEmpty() || knoppen[1]->text().isEmpty() || knoppen[2]->text().isEmpty())
                label->setText(QString());
            else
                label->setText(core::SpelerNamen(f.Inhoud(m.veld(kolom))));
        };
        dubbel(b.CmdCompNrT, b.LabTNaamSpeler[4], QStringLiteral("Opmerk1"));
        dubbel(b.CmdCompNrU, b.LabUNaamSpeler[4], QStringLiteral("Opmerk2"));
    }
}

bool Blad::opstellingGewijzigd() const
{
    core::Algemeen& a = algemeen();
    const core::Wedstrijdblad& b = m_venster->blad;
    const core::AlgemeneFuncties& f = core::objAlgemeneFuncties();
    const db::Recordset& m = a.rsMatchen;
    for (int i = 0; i <= m_laatstePlaats && i < 4; ++i) {
        if (ui::gegevensTekst(b.CmdCompNrT[i]) != inhoud(m.veld(QStringLiteral("THUISSP%1").arg(i + 1)))
            || ui::gegevensTekst(b.CmdCompNrU[i]) != inhoud(m.veld(QStringLiteral("UITSP%1").arg(i + 1))))
            return true;
    }
    return m_dubbels
           != QStringList{f.Inhoud(m.veld(QStringLiteral("Opmerk1"))).tekst(), f.Inhoud(m.veld(QStringLiteral("Opmerk2"))).tekst()};
}

void Blad::rijTonen(bool laden)
{
    core::Algemeen& a = algemeen();
    core::Wedstrijdblad& b = m_venster->blad;
    const core::AlgemeneFuncties& f = core::objAlgemeneFuncties();
    db::Recordset& m = a.rsMatchen;

    // 17. End time.
    b.TxtEinduur->setText(inhoud(m.veld(QStringLiteral("Einduur"))));

    // 21. Forfeits: with the events off only the boxes' enabling rule runs.
    b.ChkForfaitT->setChecked(core::UCase(veld(m, QStringLiteral("forfaitth"))) == u"J");
    b.ChkForfaitUit->setChecked(core::UCase(veld(m, QStringLiteral("forfaituit"))) == u"J");

    // 22. Stored set scores and the results, without storing.
    ResultatenInvullen();
    UitslagBerekenen(false);

    // 23. A walk-over game's set boxes are locked, every other game's are enabled.
    walkoversVergrendelen(true);

    // 24. The agreement box; on loading its click stores what it shows.
    {
        std::optional<QSignalBlocker> stil;
        if (!laden)
            stil.emplace(b.ChkAkkoord);
        b.ChkAkkoord->setChecked(veld(m, QStringLiteral("Akkoord2aan2")) == u"J");
    }

    // 25. Officials, padded to the width of a member number.
    ui::zetGegevensTekst(b.CmdCompNrHoofdscheidsrechter,
                         core::objFunctiesQJ().BeginNulToevoegen(f.Inhoud(m.veld(QStringLiteral("HoofdschCompnr"))),
                                                                 a.intAantalKaraktersCompNr));
    ui::zetGegevensTekst(b.CmdCompNrZaalcommissaris,
                         core::objFunctiesQJ().BeginNulToevoegen(f.Inhoud(m.veld(QStringLiteral("ZaalcommCompnr"))),
                                                                 a.intAantalKaraktersCompNr));
}

void Blad::OpgeslagenTonen()
{
    m_nogTonen = false;
    if (!m_venster || !m_venster->blad.gebouwd())
        return;
    core::Wedstrijdblad& b = m_venster->blad;
    // Locked by its own flag: no match on the sheet (the whole window is disabled while a window
    // such as the player picker is open, with a match on the sheet).
    if (!b.FraWedstrijdblad || b.FraWedstrijdblad->testAttribute(Qt::WA_ForceDisabled))
        return;
    core::EventsUit uit;
    try {
        // Other tables are looked up only where the sheet shows something else than the match
        // row holds: while another program keeps even readers out, the row read before still is.
        const db::Waarde zaal = algemeen().rsMatchen.veld(QStringLiteral("Zaal"));
        if (b.LstNaamLokaal->count() > 0 && b.LstNaamLokaal->currentIndex() != lokaalKeuze(zaal))
            lokaalKiezen(zaal);
        if (opstellingGewijzigd()) {
            opstellingTonen();
        } else {
            KapiteinTonen(b, true);
            KapiteinTonen(b, false);
        }
        rijTonen(false);
    } catch (const db::DbFout& fout) {
        if (!fout.inGebruik()) {
            bladLeegmaken();
            return;
        }
        // Another program keeps even readers out for a while: the match stays on the sheet, and
        // what is stored is shown as soon as the user acts again and the file can be read.
        m_nogTonen = true;
        qApp->installEventFilter(this);
    } catch (const std::exception&) {
        // What is stored cannot be read: rather no match on the sheet than one that shows values
        // that were never stored.
        bladLeegmaken();
    }
}

bool Blad::eventFilter(QObject* object, QEvent* event)
{
    if (!m_nogTonen) {
        qApp->removeEventFilter(this);
        return false;
    }
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        break;
    default:
        return false;
    }
    auto* w = qobject_cast<QWidget*>(object);
    if (!m_venster || !w || (w != m_venster && !m_venster->isAncestorOf(w)))
        return false;
    ui::afgeschermd([this] { OpgeslagenTonen(); });
    if (!m_nogTonen)
        qApp->removeEventFilter(this);
    return false;
}

void Blad::lokalenVullen(const QString& lkThuis, const QString& provThuis, const db::Waarde& zaal)
{
    core::Algemeen& a = algemeen();
    core::Wedstrijdblad& b = m_venster->blad;
    {
        const QSignalBlocker stil(b.LstNaamLokaal);
        b.LstNaamLokaal->clear();
    }
    b.TxtStraat->setText(QString());
    b.TxtPlaats->setText(QString());
    if (lkThuis.left(4).toLower() == u"vrij")
        return;

    const QSignalBlocker stil(b.LstNaamLokaal);
    db::Recordset lokalen = a.dbGegevens.openRecordset(
        QStringLiteral("SELECT * FROM rel_club_lokaal as R INNER JOIN lokalen as L ON R.id_lokaal = L.id "
                       "WHERE R.Clubnummer = ? AND R.Provincie = ? ORDER BY R.Volgorde ASC;"),
        {getal(lkThuis), getal(provThuis)});
    for (; !lokalen.eof(); lokalen.moveNext()) {
        const QString naam = lokalen.veld(QStringLiteral("Naam")).tekst();
        if (!naam.isEmpty())
            b.LstNaamLokaal->addItem(naam, lokalen.veld(QStringLiteral("id_lokaal")).geheel());
    }
    const qint64 zaalId = zaal.isNull() ? 0 : static_cast<qint64>(core::Val(zaal));
    if (b.LstNaamLokaal->count() == 0) {
        if (zaalId <= 0) {
            ui::meldingen().informatie(QStringLiteral("Clublokaal"),
                                       QStringLiteral("Er is geen lokaal ingesteld voor de thuisclub. Voeg een lokaal "
                                                      "toe via Beheer - clubs en Lokalen !"));
        } else {
            db::Recordset lokaal
                = a.dbGegevens.openRecordset(QStringLiteral("SELECT * from Lokalen WHERE id = ?;"), {zaalId});
            for (; !lokaal.eof(); lokaal.moveNext())
                b.LstNaamLokaal->addItem(lokaal.veld(QStringLiteral("Naam")).tekst(),
                                         lokaal.veld(QStringLiteral("id")).geheel());
        }
    }
    lokaalKiezen(zaal);
}

int Blad::lokaalKeuze(const db::Waarde& zaal) const
{
    const qint64 zaalId = zaal.isNull() ? 0 : static_cast<qint64>(core::Val(zaal));
    const int i = zaalId > 0 ? m_venster->blad.LstNaamLokaal->findData(zaalId) : -1;
    return i >= 0 ? i : 0;
}

void Blad::lokaalKiezen(const db::Waarde& zaal)
{
    core::Wedstrijdblad& b = m_venster->blad;
    if (b.LstNaamLokaal->count() == 0)
        return;
    // Showing the entry runs the venue list's click handling: street and town.
    {
        const QSignalBlocker stil(b.LstNaamLokaal);
        b.LstNaamLokaal->setCurrentIndex(lokaalKeuze(zaal));
    }
    LstNaamLokaal_Click();
}

} // namespace sheet
