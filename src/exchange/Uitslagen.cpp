#include "Uitslagen.h"

#include "Wedstrijdrecord.h"

#include "core/Algemeen.h"
#include "core/AlgemeneFuncties.h"
#include "core/AlgemeneProcedures.h"
#include "core/Ansi.h"
#include "core/Matchkolommen.h"
#include "core/Tekst.h"
#include "core/Voortgang.h"

#include <algorithm>
#include <optional>

using core::algemeen;

namespace exchange {

namespace {

bool gevuld(const db::Recordset& rij, const QString& veld)
{
    return !core::objAlgemeneFuncties().Inhoud(rij.veld(veld)).tekst().isEmpty();
}

// Every place of a side (THUISSP or UITSP) filled.
bool plaatsenGevuld(const db::Recordset& rij, const QString& kolom, int plaatsen)
{
    for (int k = 1; k <= plaatsen; ++k) {
        if (!PlaatsGevuld(rij, kolom == u"THUISSP", k))
            return false;
    }
    return true;
}

// Every game marker of the match filled: 7 games for two players, 10 for three, 16 otherwise.
bool spellenGevuld(const db::Recordset& rij, int spelers)
{
    const int aantal = spelers == 2 ? 7 : spelers == 3 ? 10 : 16;
    for (int i = 1; i <= aantal; ++i) {
        if (!gevuld(rij, core::SpelKolom(i)))
            return false;
    }
    return true;
}

bool isJ(const db::Recordset& rij, const QString& veld)
{
    return rij.veld(veld).tekst() == u"J";
}

QString regeleinde()
{
    return QStringLiteral("\r\n");
}

} // namespace

Reeks ReeksZoeker::zoeken(const db::Recordset& rij)
{
    const QString seizoen = rij.veld(QStringLiteral("Seizoen")).tekst();
    const QString soort = rij.veld(QStringLiteral("SoortComp")).tekst();
    const QString herDam = rij.veld(QStringLiteral("HerDam")).tekst();
    const QString reeksNr = rij.veld(QStringLiteral("ReeksNr")).tekst();
    const QString sleutel = seizoen + u'\x1f' + soort + u'\x1f' + herDam + u'\x1f' + reeksNr;
    const auto bekend = m_reeksen.constFind(sleutel);
    if (bekend != m_reeksen.constEnd())
        return *bekend;
    Reeks r;
    db::Recordset rs = algemeen().dbGegevens.openRecordset(
        QStringLiteral("SELECT Naam, AtlIndividueleMatchen FROM Reeksen WHERE Seizoen = ? AND Soort = ? "
                       "AND Herdam = ? AND ReeksNr = ? ORDER BY rowid"),
        {seizoen, soort, herDam, reeksNr});
    if (!rs.eof()) {
        r.gevonden = true;
        r.naam = rs.veld(0).tekst();
        r.spelers = static_cast<int>(LeidendGetal(rs.veld(1).tekst()));
    }
    m_reeksen.insert(sleutel, r);
    return r;
}

Clubcode ClubcodeLezen(const QString& clubcode)
{
    Clubcode c;
    c.clubNr = core::Right(clubcode, 3);
    c.provincie = c.clubNr.isEmpty() ? clubcode : QString(clubcode).remove(c.clubNr);
    // The main window makes the own club's code from its province's abbreviation, which is not always
    // a TabT code (LK for Limburg, L for Luik while TabT has L for Limburg): the own club's code names
    // the own club's province by its number.
    const core::Algemeen& a = algemeen();
    const QString eigenLetters = QString(a.strClubProvAfkorting).remove(u'.');
    const int eigenProvincie = static_cast<int>(core::Val(a.strClubProv));
    const bool eigenClub = !eigenLetters.isEmpty() && eigenProvincie > 0 && c.provincie == eigenLetters;
    if (c.provincie == u"B")
        c.provincie = QStringLiteral("BBW");
    else if (c.provincie == u"O")
        c.provincie = QStringLiteral("OVL");
    else if (c.provincie == u"VB")
        c.provincie = QStringLiteral("VLB");
    // Without province letters the code names no province (an empty TabT would find a row).
    if (eigenClub)
        c.provincieNr = eigenProvincie;
    else
        c.provincieNr = c.provincie.isEmpty() ? -1 : core::ProvincieNr(c.provincie, 4);
    c.povl = c.clubNr == u"247" && c.provincie == u"VLB";
    return c;
}

bool PlaatsGevuld(const db::Recordset& rij, bool thuis, int plaats)
{
    return gevuld(rij, (thuis ? QStringLiteral("THUISSP%1") : QStringLiteral("UITSP%1")).arg(plaats))
           || rij.veld((thuis ? QStringLiteral("AFWTH%1") : QStringLiteral("AFWUIT%1")).arg(plaats)).tekst() == u"J";
}

QString WedstrijdNoemen(const db::Recordset& rij)
{
    return QStringLiteral("- Wedstrijd \"") + rij.veld(QStringLiteral("WedstrNr")).tekst().replace(u'Q', u'P')
           + QStringLiteral(": ") + rij.veld(QStringLiteral("nmthuis")).tekst() + QStringLiteral(" - ")
           + rij.veld(QStringLiteral("nmuit")).tekst() + u'"';
}

QString VerlorenLetterNoemen(const QString& waar, QString waarde)
{
    waarde.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    waarde.replace(u'\r', u' ');
    waarde.replace(u'\n', u' ');
    waarde.replace(u'\v', u' ');
    return waar + QStringLiteral(": \"") + waarde + u'"';
}

QStringList VerlorenLettersVanRecord(const QString& record, const db::Recordset& rij, const Recordgegevens& gegevens)
{
    if (core::pastInAnsi(record))
        return {};
    QStringList genoemd;
    for (const QString& waarde : WaardenBuitenAnsi(rij, gegevens))
        genoemd << VerlorenLetterNoemen(WedstrijdNoemen(rij), waarde);
    // A letter of a province's code (not a value of the match row): the match alone.
    if (genoemd.isEmpty())
        genoemd << WedstrijdNoemen(rij);
    return genoemd;
}

QString VerlorenLettersMelding(const QStringList& waarden)
{
    const QString n = regeleinde();
    return QStringLiteral("%1 waarde(n) bevatte(n) een letter die niet in het bestand past; die letter werd een \"?\":")
               .arg(waarden.size())
           + n + waarden.join(n);
}

Uitslagenverslag UitslagenSchrijven(const QString& clubcode, const QString& datum, const QString& map)
{
    const Clubcode club = ClubcodeLezen(clubcode);
    if (club.provincieNr < 0)
        throw core::ActieFout(QStringLiteral("De clubcode \"%1\" hoort bij geen enkele provincie. Kies de provincie "
                                             "van de club in de opties.\r\n\r\nEr werd niets geëxporteerd.")
                                  .arg(clubcode));
    Uitslagenverslag verslag;
    verslag.bestandsnaam = clubcode + u'-' + core::DatumTekst(datum) + QStringLiteral(".ttr");
    verslag.pad = map + verslag.bestandsnaam;

    db::Database& d = algemeen().dbGegevens;
    const Recordgegevens gegevens = Recordgegevens::lezen(d);
    const QString provincie = QString::number(club.provincieNr);
    db::Recordset rij = d.openRecordset(
        QStringLiteral("SELECT * FROM Matchen WHERE Datum = ? AND ((ProvThuis = ? AND LKTHUIS = ?) OR "
                       "(ProvUIT = ? AND LKUIT = ?)) ORDER BY SoortComp ASC, rowid"),
        {core::DatumTekst(datum), provincie, club.clubNr, provincie, club.clubNr});

    ReeksZoeker reeksen;
    QStringList regels;
    QString superDubbel = QStringLiteral("J");
    for (; !rij.eof(); rij.moveNext()) {
        // Of the own club's away matches only those whose home team forfeited or is a free place, a
        // free place being known as everywhere by the first four letters of its club number.
        const bool eigenThuis = rij.veld(QStringLiteral("LKThuis")).tekst() == club.clubNr
                                && rij.veld(QStringLiteral("ProvThuis")).tekst() == provincie;
        const bool forfaitThuis = isJ(rij, QStringLiteral("forfaitth"));
        if (!eigenThuis && !forfaitThuis && !IsVrijePlaats(rij.veld(QStringLiteral("LKThuis")).tekst()))
            continue;
        const Reeks reeks = reeksen.zoeken(rij);
        if (!reeks.gevonden) {
            verslag.nietGemaakt << WedstrijdNoemen(rij) + QStringLiteral(" (de reeks staat niet in de tabel Reeksen)");
            continue;
        }
        if (core::Val(rij.veld(QStringLiteral("Soort"))) == 4) {
            if (!gegevens.superDubbel) {
                verslag.nietGemaakt << WedstrijdNoemen(rij) + QStringLiteral(" (de optie 'SuperDubbelSpelen' ontbreekt)");
                continue;
            }
            superDubbel = *gegevens.superDubbel;
        }
        const int a = reeks.spelers;
        Recordkenmerken k;
        k.spelersPerPloeg = a;
        k.plaatsen = Plaatsen(a, superDubbel);
        ReeksKenmerkenZetten(reeks.naam, k);
        const bool forfaitUit = isJ(rij, QStringLiteral("forfaituit"));
        const bool vrijThuis = IsVrijePlaats(rij.veld(QStringLiteral("nmthuis")).tekst());
        const bool vrijUit = IsVrijePlaats(rij.veld(QStringLiteral("nmuit")).tekst());
        k.forfait = forfaitThuis || forfaitUit;
        k.vrijePlaats = vrijThuis || vrijUit;
        k.povl = club.povl;
        const QString eigenKant = eigenThuis ? QStringLiteral("THUISSP") : QStringLiteral("UITSP");

        bool compleet;
        if (forfaitThuis)
            compleet = plaatsenGevuld(rij, eigenKant, k.plaatsen);
        else if (vrijThuis)
            compleet = plaatsenGevuld(rij, QStringLiteral("UITSP"), k.plaatsen);
        else if (forfaitUit)
            compleet = plaatsenGevuld(rij, eigenKant, k.plaatsen);
        else if (vrijUit)
            compleet = plaatsenGevuld(rij, QStringLiteral("THUISSP"), k.plaatsen);
        else
            compleet = plaatsenGevuld(rij, QStringLiteral("THUISSP"), k.plaatsen)
                       && plaatsenGevuld(rij, QStringLiteral("UITSP"), k.plaatsen);
        if (compleet && !k.forfait && !k.vrijePlaats)
            compleet = spellenGevuld(rij, a);

        if (!compleet) {
            verslag.onvolledig << WedstrijdNoemen(rij);
            continue;
        }
        try {
            regels << WedstrijdRecordMaken(rij, k, gegevens);
            verslag.verlorenLetters << VerlorenLettersVanRecord(regels.last(), rij, gegevens);
        } catch (const RecordFout& fout) {
            verslag.nietGemaakt << WedstrijdNoemen(rij) + QStringLiteral(" (") + fout.reden() + u')';
        }
    }

    QString fout;
    if (!core::ansiBestandSchrijven(verslag.pad, regels, &fout))
        throw core::ActieFout(fout + QStringLiteral("\r\n\r\nEr werd niets geëxporteerd."));
    verslag.geschreven = static_cast<int>(regels.size());
    return verslag;
}

QString UitslagenMelding(const Uitslagenverslag& verslag, const QString& datum, const QString& map)
{
    const QString n = regeleinde();
    QString tekst = QStringLiteral("Het bestand \"") + verslag.bestandsnaam + QStringLiteral("\" (wedstrijden van ") + datum
                    + QStringLiteral(") werd opgeslagen in de map \"") + map + QStringLiteral("\".") + n
                    + QStringLiteral("Voer de upload uit naar de competitiewebsite of stuur dit, in geval van problemen, "
                                     "naar de interclubleider.");
    if (!verslag.onvolledig.isEmpty())
        tekst += OnvolledigMelding(verslag.onvolledig);
    if (!verslag.nietGemaakt.isEmpty())
        tekst += (verslag.onvolledig.isEmpty() ? n + n : QString())
                 + QStringLiteral("Volgende wedstrijd(en) konden niet geëxporteerd worden:") + n + n
                 + verslag.nietGemaakt.join(n) + n;
    if (!verslag.verlorenLetters.isEmpty())
        tekst += (tekst.endsWith(n + n) ? QString() : tekst.endsWith(n) ? n : n + n)
                 + VerlorenLettersMelding(verslag.verlorenLetters) + n;
    return tekst;
}

QString OnvolledigMelding(const QStringList& wedstrijden)
{
    const QString n = regeleinde();
    return n + n + QStringLiteral("Volgende wedstrijd(en) werden niet geëxporteerd omdat niet alle gegevens ingevuld zijn:")
           + n + n + wedstrijden.join(n) + n + n;
}

QStringList IngevuldeWedstrijdenMarkeren(QSet<qint64>* nietBeoordeeld)
{
    db::Database& d = algemeen().dbGegevens;
    QStringList nietTeBeoordelen;
    ReeksZoeker reeksen;
    const std::optional<QString> superDubbelOptie = Recordgegevens::lezen(d).superDubbel;
    // Only the columns that the judgement reads.
    QStringList kolommen{"rowid AS Rijnummer", "Seizoen", "SoortComp", "HerDam", "ReeksNr", "WedstrNr", "nmthuis", "nmuit",
                         "forfaitth", "forfaituit", "Ingeput"};
    for (int k = 1; k <= 4; ++k)
        kolommen << QStringLiteral("THUISSP%1").arg(k) << QStringLiteral("UITSP%1").arg(k);
    for (int g = 1; g <= 16; ++g)
        kolommen << core::SpelKolom(g);
    kolommen << QStringLiteral("Soort");
    for (int k = 1; k <= 4; ++k)
        kolommen << QStringLiteral("AFWTH%1").arg(k) << QStringLiteral("AFWUIT%1").arg(k);
    db::Recordset rij = d.openRecordset(QStringLiteral("SELECT ") + kolommen.join(QStringLiteral(", "))
                                        + QStringLiteral(" FROM Matchen ORDER BY SoortComp ASC, rowid"));
    // The columns by their place in the selection: THUISSP and UITSP of each place side by side, then
    // the games, then Soort, then AFWTH and AFWUIT of each place side by side.
    const auto leeg = [&rij](int kolom) { return core::objAlgemeneFuncties().Inhoud(rij.veld(kolom)).tekst().isEmpty(); };
    const auto thuis = [](int k) { return 11 + (k - 1) * 2; };
    const auto uit = [](int k) { return 12 + (k - 1) * 2; };
    const auto spel = [](int g) { return 19 + g - 1; };
    const int soort = 35;
    const auto afwezig = [&rij](bool thuisKant, int k) { return rij.veld(36 + (k - 1) * 2 + (thuisKant ? 0 : 1)).tekst() == u"J"; };
    QList<qint64> wordtJ;
    QList<qint64> wordtN;
    for (; !rij.eof(); rij.moveNext()) {
        const Reeks reeks = reeksen.zoeken(rij);
        const auto kantGevuld = [&](bool thuisKant, int plaatsen) {
            for (int k = 1; k <= plaatsen; ++k) {
                // An absent player counts as a place, also without a member number.
                if (leeg(thuisKant ? thuis(k) : uit(k)) && !afwezig(thuisKant, k))
                    return false;
            }
            return true;
        };
        bool compleet = false;
        if (reeks.gevonden) {
            const int a = reeks.spelers;
            try {
                // The places and the side that must be filled as the result line and the results
                // file count them: a forfeit or a free place needs the side that played, a match
                // played both sides and every game.
                const int plaatsen = std::min(
                    Plaatsen(a, SuperDubbelWaarde(rij.veld(2).tekst(), rij.veld(3).tekst(), rij.veld(soort), superDubbelOptie)),
                    4);
                const int spellen = a == 2 ? 7 : a == 3 ? 10 : 16;
                const bool forfaitThuis = rij.veld(8).tekst() == u"J";
                const bool forfaitUit = rij.veld(9).tekst() == u"J";
                const bool vrijThuis = IsVrijePlaats(rij.veld(6).tekst());
                const bool vrijUit = IsVrijePlaats(rij.veld(7).tekst());
                if (forfaitThuis || vrijThuis)
                    compleet = kantGevuld(false, plaatsen);
                else if (forfaitUit || vrijUit)
                    compleet = kantGevuld(true, plaatsen);
                else
                    compleet = kantGevuld(true, plaatsen) && kantGevuld(false, plaatsen);
                if (compleet && !forfaitThuis && !forfaitUit && !vrijThuis && !vrijUit) {
                    for (int g = 1; compleet && g <= spellen; ++g)
                        compleet = !leeg(spel(g));
                }
            } catch (const RecordFout& fout) {
                if (!leeg(thuis(1)) || !leeg(uit(1)) || !leeg(spel(1)))
                    nietTeBeoordelen << WedstrijdNoemen(rij) + QStringLiteral(" (") + fout.reden() + u')';
                if (nietBeoordeeld)
                    nietBeoordeeld->insert(rij.veld(0).geheel());
            }
        } else {
            if (!leeg(thuis(1)) || !leeg(uit(1)) || !leeg(spel(1)))
                nietTeBeoordelen << WedstrijdNoemen(rij) + QStringLiteral(" (de reeks staat niet in de tabel Reeksen)");
            if (nietBeoordeeld)
                nietBeoordeeld->insert(rij.veld(0).geheel());
        }
        const QString merk = compleet ? QStringLiteral("J") : QStringLiteral("N");
        if (rij.veld(10).tekst() != merk)
            (compleet ? wordtJ : wordtN) << rij.veld(0).geheel();
    }
    // The changed rows in blocks, each block one statement.
    db::Transactie transactie(d);
    for (const auto& [merk, rijen] : {qMakePair(QStringLiteral("J"), wordtJ), qMakePair(QStringLiteral("N"), wordtN)}) {
        for (qsizetype van = 0; van < rijen.size(); van += 500) {
            const QList<qint64> blok = rijen.mid(van, 500);
            QList<db::Waarde> waarden{merk};
            QStringList vragen;
            for (qint64 r : blok) {
                waarden << db::Waarde(r);
                vragen << QStringLiteral("?");
            }
            d.uitvoeren(QStringLiteral("UPDATE Matchen SET Ingeput = ? WHERE rowid IN (") + vragen.join(u',') + u')', waarden);
        }
    }
    transactie.vastleggen();
    return nietTeBeoordelen;
}

QStringList OnvolledigeWedstrijden(const QString& seizoen, const QSet<qint64>& behalve)
{
    // What counts as typed: a value that is neither Null nor one blank, as Inhoud reads it.
    const auto getypt = [](const QString& kolom) { return QStringLiteral("ifnull(%1, '') NOT IN ('', ' ')").arg(kolom); };
    QStringList voorwaarden;
    for (int k = 1; k <= 4; ++k) {
        voorwaarden << getypt(QStringLiteral("THUISSP%1").arg(k)) << getypt(QStringLiteral("UITSP%1").arg(k))
                    << QStringLiteral("AFWTH%1 = 'J'").arg(k) << QStringLiteral("AFWUIT%1 = 'J'").arg(k);
    }
    for (const char* kolom : {"KapiteinT", "KapiteinU", "HoofdschCompnr", "HoofdSchNaam", "ZaalcommCompnr", "ZaalCommNaam"})
        voorwaarden << getypt(QString::fromLatin1(kolom));
    for (int g = 1; g <= 16; ++g) {
        for (int set = 1; set <= 5; ++set) {
            for (const bool thuis : {true, false})
                voorwaarden << QStringLiteral("ifnull(%1, '') NOT IN ('', ' ', 'w', 'o')").arg(core::SetKolom(g, set, thuis));
        }
    }
    db::Recordset rij = algemeen().dbGegevens.openRecordset(
        QStringLiteral("SELECT rowid AS Rijnummer, WedstrNr, nmthuis, nmuit FROM Matchen WHERE Seizoen = ? AND "
                       "ifnull(Ingeput, '') <> 'J' AND (")
            + voorwaarden.join(QStringLiteral(" OR ")) + QStringLiteral(") ORDER BY SoortComp ASC, rowid"),
        {seizoen});
    QStringList wedstrijden;
    for (; !rij.eof(); rij.moveNext()) {
        if (!behalve.contains(rij.veld(0).geheel()))
            wedstrijden << WedstrijdNoemen(rij);
    }
    return wedstrijden;
}

} // namespace exchange
