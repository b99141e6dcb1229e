#include "Opstellingsregels.h"

#include "core/AlgemeneFuncties.h"
#include "core/AlgemeneProcedures.h"
#include "core/Algemeen.h"
#include "core/Opstart.h"
#include "core/FunctiesQJ.h"
#include "core/Tekst.h"
#include "db/Database.h"
#include "ui/Meldingen.h"

using core::algemeen;

namespace lineup {

namespace {

const QString Titel = QStringLiteral("Speler Kiezen");

QString inhoud(const db::Waarde& w)
{
    return core::objAlgemeneFuncties().Inhoud(w).tekst();
}

bool isSup(const QString& index)
{
    return index == u"SUP";
}

// Fills name, ranking, index and sequence number from an Alternatief row of the member, when there is one.
void uitAlternatief(const Slot& slot, const QString& compNr, Opstellingsuitvoer& uit, bool naamOok)
{
    core::Algemeen& a = algemeen();
    a.rsAlternatief.setIndex(QStringLiteral("SpelerZoeken"));
    a.rsAlternatief.seek(QStringLiteral("="), {slot.ploegProvNr, slot.ploegClubNr, compNr, a.strSoortSterktelijst});
    if (a.rsAlternatief.noMatch())
        return;
    if (naamOok)
        uit.naam = inhoud(a.rsAlternatief.veld(QStringLiteral("Naam")));
    uit.klas = inhoud(a.rsAlternatief.veld(QStringLiteral("Klassering")));
    uit.index = inhoud(a.rsAlternatief.veld(QStringLiteral("Index")));
    uit.volgNr = inhoud(a.rsAlternatief.veld(QStringLiteral("Volgnummer")));
}

// The short name (Ploegnaam) or the full name (ClubNaam) of a club; empty when the club is not in Clubs.
QString clubVeld(int provincie, const QString& clubNr, const QString& veld)
{
    core::Algemeen& a = algemeen();
    a.rsClubs.setIndex(QStringLiteral("ClubNr"));
    a.rsClubs.seek(QStringLiteral("="), {provincie, clubNr});
    if (a.rsClubs.noMatch())
        return QString();
    return inhoud(a.rsClubs.veld(veld));
}

int provincie(const QString& nr)
{
    return static_cast<int>(core::Val(nr));
}

void weigeren(Opstellingsuitvoer& uit)
{
    uit.geweigerd = true;
    uit.compNr.clear();
}

// A breach that strict control refuses on the home side and that is otherwise a question.
bool aanvaard(const Opstellingsinvoer& in, const QString& streng, const QString& vraag)
{
    if (in.streng && in.slot.kant == u"T") {
        ui::meldingen().kritiek(Titel, streng);
        return false;
    }
    return ui::meldingen().vraagJaNee(Titel, vraag);
}

} // namespace

bool Slot::officieel() const
{
    return woord == u"HS" || woord == u"ZC" || woord.startsWith(u"Kap");
}

int RegelPloeggrootte(int laatsteWedstrijd)
{
    return laatsteWedstrijd == 15 ? 4 : 3;
}

int PlaatsenInGebruik(int laatsteWedstrijd)
{
    if (laatsteWedstrijd == 15)
        return 4;
    if (laatsteWedstrijd != 6)
        return 3;
    // A team of two plays on three places and the doubles, or, without the doubles, on four places.
    return core::SuperDubbelOptie() == u"J" ? 3 : 4;
}

bool ControleDubbeleOpstellingPloeg(const QStringList& knoppen, int plaats, const QString& compNr, int plaatsen)
{
    for (int k = 0; k < plaatsen && k < knoppen.size(); ++k) {
        if (k != plaats && knoppen[k] == compNr)
            return true;
    }
    return false;
}

bool ControleTeLageIndex(const QString& ploegNaam, int grootte, int plaats, const QString& index)
{
    const QString letter = core::UCase(core::Right(ploegNaam, 1));
    const int code = letter.isEmpty() ? 0 : letter.at(0).unicode();
    const double minimum = grootte * (code - 65) + plaats + 1;
    return core::Val(index) < minimum;
}

bool ControleIndexHogereSpelersInPloeg(const QStringList& indexen, int plaats, const QString& index)
{
    if (isSup(index))
        return false;
    for (int k = 0; k < plaats && k < indexen.size(); ++k) {
        if (!indexen[k].isEmpty() && core::Val(index) < core::Val(indexen[k]))
            return true;
    }
    return false;
}

bool ControleIndexLagereSpelersInPloeg(const QStringList& indexen, int plaats, const QString& index, int grootte)
{
    if (isSup(index))
        return false;
    for (int k = grootte - 1; k > plaats; --k) {
        if (k < indexen.size() && !indexen[k].isEmpty() && core::Val(index) > core::Val(indexen[k]))
            return true;
    }
    return false;
}

bool ControleOpstellingInAnderePloeg(const Slot& slot, const QString& compNr)
{
    core::Algemeen& a = algemeen();
    if (provincie(slot.ploegProvNr) != provincie(a.strClubProv) || slot.ploegClubNr != a.strClubNr)
        return false;
    // Read from the match on the sheet without moving rsMatchen: the other matches of the same week
    // come from a query of their own.
    const db::Recordset& m = a.rsMatchen;
    const QString wedstrNr = m.veld(QStringLiteral("WedstrNr")).tekst();
    // Every place of the other match counts: a team of four can play in the week of a team of three.
    constexpr int Plaatsen = 4;
    QStringList plaatsen;
    for (int k = 1; k <= Plaatsen; ++k)
        plaatsen << QStringLiteral("THUISSP%1 = ?").arg(k);
    const QString sql = QStringLiteral("SELECT WedstrNr FROM Matchen WHERE Seizoen = ? AND SoortComp = ? AND WeekNr = ? "
                                       "AND HerDam = ? AND LKThuis = ? AND WedstrNr <> ? AND (%1);")
                            .arg(plaatsen.join(QStringLiteral(" OR ")));
    QList<db::Waarde> waarden{m.veld(QStringLiteral("Seizoen")), m.veld(QStringLiteral("SoortComp")),
                              m.veld(QStringLiteral("WeekNr")),  m.veld(QStringLiteral("HerDam")),
                              a.strClubNr,                       wedstrNr};
    for (int k = 1; k <= Plaatsen; ++k)
        waarden << compNr;
    db::Recordset andere = a.dbGegevens.openRecordset(sql, waarden);
    return !andere.eof();
}

bool StrengeControle()
{
    core::Algemeen& a = algemeen();
    a.rsOpties.setIndex(QStringLiteral("Soort"));
    a.rsOpties.seek(QStringLiteral("="), {QStringLiteral("Streng")});
    return !a.rsOpties.noMatch() && a.rsOpties.veld(QStringLiteral("Item")).tekst() == u"J";
}

Opstellingsuitvoer SpelerInvullen(const Opstellingsinvoer& in)
{
    core::Algemeen& a = algemeen();
    const Slot& slot = in.slot;
    Opstellingsuitvoer uit;
    if (in.compNr.isEmpty()) {
        uit.provincieZetten = true;
        uit.provincie = slot.ploegProvAfk;
        return uit;
    }
    QString compNr = in.compNr;
    core::objFunctiesQJ().BeginNulToevoegen(compNr, a.intAantalKaraktersCompNr);
    uit.compNr = compNr;

    db::Recordset leden =
        a.dbGegevens.openRecordset(QStringLiteral("SELECT CompNr From Leden WHERE CompNr = ?;"), {compNr});
    const bool lid = !leden.eof();

    // Officials and captains, and the member already on the place, pass without a rule or a question.
    const bool ongetoetst = slot.officieel() || in.opPlaats;
    if (lid) {
        uit.selecteren = true;
        a.rsSterktelijst.setIndex(QStringLiteral("SpelerZoeken"));
        a.rsSterktelijst.seek(QStringLiteral("="), {a.strGekozenSeizoen, provincie(slot.ploegProvNr),
                                                    slot.ploegClubNr, compNr, a.strSoortSterktelijst});
        uit.opSterktelijst = !a.rsSterktelijst.noMatch();
    }
    // Nobody stands twice in one team, on the strength list or not: refused before any question.
    if (!ongetoetst
        && ControleDubbeleOpstellingPloeg(in.knoppen, slot.plaats, compNr, PlaatsenInGebruik(a.intLaatsteWedstrijd))) {
        ui::meldingen().kritiek(Titel,
                                QStringLiteral("Deze speler mag geen tweede keer in dezelfde ploeg opgesteld worden !"));
        weigeren(uit);
        return uit;
    }
    if (!lid) {
        uitAlternatief(slot, compNr, uit, true);
        return uit;
    }

    if (!uit.opSterktelijst) {
        if (!ongetoetst) {
            bool ja;
            if (in.streng && slot.kant == u"T") {
                ui::meldingen().kritiek(
                    Titel, QStringLiteral("Deze speler staat niet op de sterktelijst en kan dus niet toegevoegd worden !"));
                ja = false;
            } else {
                ja = ui::meldingen().vraagJaNee(
                    Titel, QStringLiteral("Deze speler staat niet op de sterktelijst. Wenst u deze toch toe te voegen ?"));
            }
            if (!ja) {
                weigeren(uit);
                return uit;
            }
        }
        a.rsLeden.setIndex(QStringLiteral("CompNr"));
        a.rsLeden.seek(QStringLiteral("="), {compNr});
        if (a.rsLeden.noMatch()) {
            if (!in.opPlaats)
                ui::meldingen().informatie(Titel,
                                           QStringLiteral("Deze speler staat niet in het provinciale ledenbestand !"));
            uitAlternatief(slot, compNr, uit, true);
            return uit;
        }
        const QString lidClub = inhoud(a.rsLeden.veld(QStringLiteral("Clubnummer")));
        const int lidProvincie = provincie(inhoud(a.rsLeden.veld(QStringLiteral("Provincie"))));
        if (!ongetoetst && (lidClub != slot.ploegClubNr || lidProvincie != provincie(slot.ploegProvNr))) {
            QString clubNaam = clubVeld(provincie(slot.ploegProvNr), slot.ploegClubNr, QStringLiteral("ClubNaam"));
            if (clubNaam.isEmpty())
                clubNaam = slot.ploegNaam;
            if (!aanvaard(in,
                          QStringLiteral("Deze speler is geen lid van ") + clubNaam +
                              QStringLiteral(" en kan dus niet toegevoegd worden !"),
                          QStringLiteral("Deze speler is geen lid van ") + clubNaam +
                              QStringLiteral(". Wenst u deze toch toe te voegen ?"))) {
                weigeren(uit);
                return uit;
            }
        }
        uit.naam = inhoud(a.rsLeden.veld(QStringLiteral("Naam")));
        // The ranking of the match's category: the youth list holds boys and girls alike, so the
        // list's word does not tell. A match without a known category goes by the list's word.
        QString categorie = core::UCase(inhoud(a.rsMatchen.veld(QStringLiteral("HerDam"))).trimmed());
        if (categorie != u"H" && categorie != u"V" && categorie != u"D")
            categorie = core::Left(a.strSoortSterktelijst, 1);
        uit.klas = inhoud(a.rsLeden.veld(categorie == u"H" || categorie == u"V" ? QStringLiteral("KlasHeren")
                                                                                : QStringLiteral("KlasDames")));
        uit.clubNr = lidClub;
        uit.provincieZetten = true;
        uit.provincie = core::ProvincieAfkorting(db::Waarde(lidProvincie));
        uit.clubnaam = clubVeld(lidProvincie, uit.clubNr, QStringLiteral("Ploegnaam"));
        uitAlternatief(slot, compNr, uit, false);
        return uit;
    }

    const db::Recordset& s = a.rsSterktelijst;
    const QString index = inhoud(s.veld(QStringLiteral("Index")));
    if (!ongetoetst) {
        const int grootte = RegelPloeggrootte(a.intLaatsteWedstrijd);
        if (ControleTeLageIndex(slot.ploegNaam, grootte, slot.plaats, index) && core::UCase(index) != u"SUP") {
            if (!aanvaard(in, QStringLiteral("Deze speler mag niet op deze plaats opgesteld worden ! Te lage index !"),
                          QStringLiteral("Deze speler mag niet op deze plaats opgesteld worden ! Te lage index ! "
                                         "Wenst u deze toch op deze plaats op te stellen ?"))) {
                weigeren(uit);
                return uit;
            }
        }
        if (!isSup(index)) {
            if (ControleIndexHogereSpelersInPloeg(in.indexen, slot.plaats, index) && !in.superMatch) {
                ui::meldingen().kritiek(Titel, QStringLiteral("Deze speler mag in deze ploeg niet op deze plaats "
                                                              "opgesteld worden. Eén of meer spelers op een hogere "
                                                              "plaats hebben een hogere index !"));
                weigeren(uit);
                return uit;
            }
            if (ControleIndexLagereSpelersInPloeg(in.indexen, slot.plaats, index, grootte)) {
                ui::meldingen().kritiek(Titel, QStringLiteral("Deze speler mag in deze ploeg niet op deze plaats "
                                                              "opgesteld worden. Eén of meer spelers op een lagere "
                                                              "plaats hebben een lagere index !"));
                weigeren(uit);
                return uit;
            }
        }
        if (ControleOpstellingInAnderePloeg(slot, compNr)) {
            if (!aanvaard(in,
                          QStringLiteral("Deze speler mag in deze ploeg niet opgesteld worden omdat hij al opgesteld "
                                         "is in een andere ploeg."),
                          QStringLiteral("Deze speler mag in deze ploeg niet opgesteld worden omdat hij al opgesteld "
                                         "is in een andere ploeg. Wenst u deze toch op deze plaats op te stellen ?"))) {
                weigeren(uit);
                return uit;
            }
        }
    }
    // The checks may have run queries; the strength-list row is still the current one of rsSterktelijst.
    uit.naam = inhoud(s.veld(QStringLiteral("Naam")));
    uit.klas = inhoud(s.veld(QStringLiteral("Klassering")));
    uit.index = index;
    uit.volgNr = inhoud(s.veld(QStringLiteral("Volgnummer")));
    // The head referee is of the club whose list he stands on: the home club also when the own club plays away.
    if (slot.woord == u"HS") {
        uit.clubNr = slot.ploegClubNr;
        uit.clubnaam = clubVeld(provincie(slot.ploegProvNr), slot.ploegClubNr, QStringLiteral("Ploegnaam"));
    }
    return uit;
}

} // namespace lineup
