// Taking the result lines of filled-in matches from Export.ttr onto the sheets of their matches, also
// into a calendar of the same file that is not yet written.

#include "IngevuldeWedstrijden.h"

#include "Wedstrijdrecord.h"

#include "core/Algemeen.h"
#include "core/AlgemeneFuncties.h"
#include "core/AlgemeneProcedures.h"
#include "core/FunctiesQJ.h"
#include "core/Matchkolommen.h"
#include "core/Spelschema.h"
#include "core/Tekst.h"

#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <limits>
#include <memory>

using core::algemeen;

namespace exchange {

// One side's line-up: member number and absence per place, and the doubles pair.
struct RecordOpstelling
{
    QString lid[4];
    QString afwezig[4];
    QString dubbel;
    QString halfDubbel; ///< a pair of which one player left the line-up, as written ("1-", "-3")
};

namespace {

QString sleutel(std::initializer_list<QStringView> delen)
{
    qsizetype lengte = 0;
    bool ascii = true;
    for (const QStringView deel : delen) {
        lengte += deel.size() + 1;
        ascii = ascii && std::all_of(deel.cbegin(), deel.cend(), [](QChar c) { return c.unicode() < 0x80; });
    }
    if (ascii) {
        // Most keys are ASCII, made upper case here in one piece of memory.
        QString s(lengte, Qt::Uninitialized);
        char16_t* c = reinterpret_cast<char16_t*>(s.data());
        for (const QStringView deel : delen) {
            for (const QChar t : deel)
                *c++ = t >= u'a' && t <= u'z' ? static_cast<char16_t>(t.unicode() - (u'a' - u'A')) : t.unicode();
            *c++ = u'\x1f';
        }
        return s;
    }
    // The rest as Qt makes it upper case (which makes ASCII upper case as above).
    QString s;
    for (const QStringView deel : delen)
        s += deel.toString().toUpper() + u'\x1f';
    return s;
}

// The text before the first separator; the rest continues after it (empty when there is none).
QString neem(QString& rest, QChar scheiding)
{
    const qsizetype plaats = rest.indexOf(scheiding);
    if (plaats < 0) {
        QString alles = rest;
        rest.clear();
        return alles;
    }
    QString voor = rest.left(plaats);
    rest.remove(0, plaats + 1);
    return voor;
}


// The parts of a text between commas, one after another; empty once they are used up.
class Delen
{
public:
    explicit Delen(QStringView tekst)
        : m_tekst(tekst)
    {
    }
    QStringView volgende()
    {
        if (m_plaats >= m_tekst.size())
            return {};
        qsizetype einde = m_tekst.indexOf(u',', m_plaats);
        if (einde < 0)
            einde = m_tekst.size();
        const QStringView deel = m_tekst.sliced(m_plaats, einde - m_plaats);
        m_plaats = einde + 1;
        return deel;
    }

private:
    QStringView m_tekst;
    qsizetype m_plaats = 0;
};

RecordOpstelling opstellingLezen(const QString& veld, int laatstePlaats)
{
    RecordOpstelling o;
    Delen delen(veld);
    for (int i = 0; i <= 3; ++i) {
        if (laatstePlaats == 3 || i < 3) {
            QStringView plaats = delen.volgende();
            if (plaats.startsWith(u'-') && plaats.size() > 1) {
                o.afwezig[i] = QStringLiteral("J");
                plaats = plaats.sliced(1);
            } else {
                o.afwezig[i] = QStringLiteral("N");
            }
            if (plaats == u"-" || plaats == u" ")
                plaats = {};
            o.lid[i] = plaats.toString();
        } else {
            const QString paar = delen.volgende().toString();
            const auto opPlaats = [laatstePlaats](QChar c) {
                const int p = c.digitValue();
                return p >= 1 && p <= laatstePlaats + 1;
            };
            // A pair of which one player no longer stands on a place is written with that side
            // empty ("1-", "-3"): no pair can be made of it, and the stored one stays.
            if (paar.size() == 2 && ((opPlaats(paar[0]) && paar[1] == u'-') || (paar[0] == u'-' && opPlaats(paar[1])))) {
                o.halfDubbel = paar;
            } else if (!paar.startsWith(u'-') && !paar.isEmpty()) {
                const int a = paar.size() >= 1 ? paar[0].digitValue() : -1;
                const int b = paar.size() >= 3 ? paar[2].digitValue() : -1;
                if (a < 1 || a > laatstePlaats + 1 || b < 1 || b > laatstePlaats + 1)
                    throw RecordFout(QStringLiteral("het dubbel \"%1\" noemt geen plaatsen van de opstelling").arg(paar));
                o.dubbel = o.lid[a - 1] + o.lid[b - 1];
            }
        }
    }
    return o;
}

// A number as text (the points of a set, a mask). The numbers below 100 are texts of fixed
// memory: a copy of one is a pointer, shared without a reference count, so that the thousands of
// set points of an import cost no counting on every copy and release.
QString getalTekst(qint64 getal)
{
    static constexpr std::array<char16_t, 200> cijfers = [] {
        std::array<char16_t, 200> c{};
        for (int i = 0; i < 100; ++i) {
            c[static_cast<size_t>(2 * i)] = static_cast<char16_t>(i < 10 ? u'0' + i : u'0' + i / 10);
            c[static_cast<size_t>(2 * i + 1)] = static_cast<char16_t>(u'0' + i % 10);
        }
        return c;
    }();
    if (getal < 0 || getal >= 100)
        return QString::number(getal);
    return QString::fromRawData(reinterpret_cast<const QChar*>(cijfers.data() + 2 * getal), getal < 10 ? 1 : 2);
}

// Whether a game's entry is a walk-over: "-" not played, "8" won by the visitors, "9" won at home.
bool isWalkOver(QStringView invoer)
{
    return invoer == u"-" || invoer == u"8" || invoer == u"9";
}

// One game into the sheet's columns of that game (its marker, then the points of sets 1 to 5, home
// and away, side by side): a walk-over ("-", "8", "9") or the sets one after another, each ended by
// "/" (the last by the end of the text); a last "/" with nothing after it ends the game. The sets
// after the last one the entry lists are emptied, as the sheet empties a set box: a game corrected
// to fewer sets keeps none of the sets it no longer has.
void spelZetten(QStringView invoer, QString* kolommen, char* gezet)
{
    const auto zet = [kolommen, gezet](int kolom, const QString& waarde) {
        kolommen[kolom] = waarde;
        gezet[kolom] = 1;
    };
    const auto legen = [&zet](int vanaf) {
        for (int k = vanaf; k < 5; ++k) {
            zet(1 + 2 * k, QStringLiteral(" "));
            zet(2 + 2 * k, QStringLiteral(" "));
        }
    };
    if (isWalkOver(invoer)) {
        zet(0, invoer == u"-" ? QStringLiteral("=") : invoer == u"8" ? QStringLiteral("-") : QStringLiteral("+"));
        for (int k = 0; k < 3; ++k) {
            zet(1 + 2 * k, QStringLiteral("w"));
            zet(2 + 2 * k, QStringLiteral("o"));
        }
        legen(3);
        return;
    }
    const QStringView tekst = invoer;
    const qsizetype n = tekst.size();
    int thuisSets = 0;
    int k = 0;
    qsizetype begin = 0;
    while (n + 1 - begin >= 2) {
        qsizetype einde = begin;
        while (einde < n && tekst[einde] != u'/')
            ++einde;
        const QStringView set = tekst.sliced(begin, einde - begin);
        begin = einde + 1;
        if (k == 5)
            throw RecordFout(QStringLiteral("het spel \"%1\" heeft meer dan vijf sets").arg(invoer));
        const bool bezoekers = set.startsWith(u'-');
        const QStringView verliezer = bezoekers ? set.sliced(1) : set;
        // Only digits; a number too large for its type counts as 0.
        bool cijfers = !verliezer.isEmpty();
        qint64 punten = 0;
        for (QChar c : verliezer) {
            if (c < u'0' || c > u'9') {
                cijfers = false;
                break;
            }
            const int cijfer = c.unicode() - u'0';
            if (punten >= 0 && punten <= (std::numeric_limits<qint64>::max() - cijfer) / 10)
                punten = punten * 10 + cijfer;
            else
                punten = -1;
        }
        if (!cijfers)
            throw RecordFout(QStringLiteral("de set \"%1\" in het spel \"%2\" is geen getal").arg(set, invoer));
        if (punten < 0)
            punten = 0;
        // The loser's points as written; shared when written as the number is.
        QString verliezerTekst = getalTekst(punten);
        if (verliezer != verliezerTekst)
            verliezerTekst = verliezer.toString();
        const QString winnaar = getalTekst(std::max<qint64>(punten + 2, 11));
        if (bezoekers) {
            zet(1 + 2 * k, verliezerTekst);
            zet(2 + 2 * k, winnaar);
        } else {
            zet(1 + 2 * k, winnaar);
            zet(2 + 2 * k, verliezerTekst);
            ++thuisSets;
        }
        ++k;
    }
    legen(k);
    zet(0, thuisSets >= 3 ? QStringLiteral("+") : QStringLiteral("-"));
}

// In a division whose result lines write one game as "-" whatever its sheet holds (game 7 of a
// recreational division of Limburg), that entry is the game's own: the game was not played. A line
// that lists fewer games than its number has that entry last, after the games it does list (a game
// with nothing typed leaves no entry), and the entry goes to its own game. A line whose only entry it
// is (a bye, where no game is played) carries no game at all.
void vastSpelPlaatsen(QVarLengthArray<QStringView, 20>& invoer, int vastSpel)
{
    if (vastSpel <= 0)
        return;
    qsizetype n = invoer.size();
    // The entry is always followed by a ",", also as the last.
    if (n > 0 && invoer[n - 1].isEmpty())
        --n;
    if (n == 0 || n >= vastSpel || invoer[n - 1] != u"-")
        return;
    if (n == 1) {
        invoer.clear();
        return;
    }
    invoer.resize(n - 1);
    while (invoer.size() < vastSpel - 1)
        invoer.append(QStringView());
    invoer.append(QStringView(u"-"));
}

// The team that the record says forfeited the whole match: 'T' the home team, 'U' the visitors,
// nothing when none did. The record of a forfeit gives every game, the doubles too, to the other
// team ("8" to the visitors, "9" to the home team), marks every place of the team that forfeited
// absent and names no captain. Without a forfeit the doubles game of a team of three or two is
// never such a game, and a team whose players all stayed away still has the visitors' or its own
// captain named; only a team of four (or a Super match without its doubles) whose players all
// stayed away and whose sheet names no captain gives the same record, and the same result line,
// as a forfeit.
QChar forfaitVan(const QVarLengthArray<QStringView, 20>& spellen, int aantalSpellen, int zonderSpel,
                 const RecordOpstelling& thuis, const RecordOpstelling& uit, int laatstePlaats, const QString& kapiteinen)
{
    if (spellen.size() != aantalSpellen || spellen.isEmpty())
        return {};
    const QStringView eerste = spellen[0];
    if (eerste != u"8" && eerste != u"9")
        return {};
    for (int g = 0; g < aantalSpellen; ++g) {
        if (g == zonderSpel ? !spellen[g].isEmpty() : spellen[g] != eerste)
            return {};
    }
    const RecordOpstelling& afwezig = eerste == u"8" ? thuis : uit;
    for (int i = 0; i <= laatstePlaats; ++i) {
        if (afwezig.afwezig[i] != u"J")
            return {};
    }
    if (!kapiteinen.startsWith(QStringLiteral("-,-,")))
        return {};
    return eerste == u"8" ? u'T' : u'U';
}

// The captain as the sheet stores one chosen there: his member number, whether he plays on a place
// or on none, so that the sheet marks him on his place or shows him on the captain's button, and his
// result line names him again. (A place number would be ambiguous: place 1, counted from 0, reads
// as "0", which the after-match sheet takes for a missing captain.) A "-" names no captain: what is
// stored stays. A member number of one digit 0 to 3 would be read back as a place: such a captain
// is stored as the place on which he plays.
QString kapiteinVan(const QString& lid, const RecordOpstelling& o, int laatstePlaats)
{
    if (lid.isEmpty() || lid == u"-")
        return QString();
    if (lid.size() == 1 && lid[0] >= u'0' && lid[0] <= u'3') {
        for (int i = laatstePlaats; i >= 0; --i) {
            if (o.lid[i] == lid)
                return QString::number(i);
        }
    }
    return lid;
}

// The sheet's columns that a record may write, in the order of the statement below: per place
// THUISSP, UITSP, AFWTH and AFWUIT; then the doubles, captains, officials and times; then per game
// its marker and the points of its five sets, home and away; then the not-played masks, the forfeits
// and the reservations.
namespace blad {
constexpr int Thuis = 0, Uit = 1, AfwThuis = 2, AfwUit = 3; // + 4 * place
constexpr int Opmerk1 = 16, Opmerk2 = 17, KapiteinT = 18, KapiteinU = 19, Hoofdscheids = 20, Zaalcomm = 21,
              Einduur = 22, Uur = 23;
constexpr int Spel = 24; // + 11 * game: the marker, then set k home at + 1 + 2k and away at + 2 + 2k
constexpr int MaskerThuis = Spel + 16 * 11, MaskerUit = MaskerThuis + 4; // + place
constexpr int ForfaitThuis = MaskerUit + 4, ForfaitUit = ForfaitThuis + 1;
constexpr int Voorbehoud = ForfaitUit + 1; // + 0 home team, 1 visitors, 2 official
// What the player picker stores of an official besides his member number.
constexpr int HoofdscheidsNaam = Voorbehoud + 3, HoofdscheidsProv = HoofdscheidsNaam + 1,
              HoofdscheidsClubNr = HoofdscheidsNaam + 2, HoofdscheidsClubNaam = HoofdscheidsNaam + 3,
              ZaalcommNaam = HoofdscheidsNaam + 4, ZaalcommProv = HoofdscheidsNaam + 5;
constexpr int Aantal = ZaalcommProv + 1;
// How a column is written: its value, or (a mask without games not played) "0" only where the row
// holds a mask, so that a row without one stays without; a reservation left out, and an official or
// end time that the record names as none, are a blank alike.
constexpr char Waarde = 1, GeenMasker = 2;
// The text columns that a record can empty: a stored text becomes a blank, as the sheet stores an
// emptied one.
constexpr bool Wisbaar(int k)
{
    return k == Hoofdscheids || k == Zaalcomm || k == Einduur || (k >= Voorbehoud && k < Voorbehoud + 3)
           || (k >= HoofdscheidsNaam && k <= ZaalcommProv) || (k >= Thuis && k < Opmerk1 && k % 4 < 2) || k == Opmerk1
           || k == Opmerk2;
}
} // namespace blad

// The held-back sheets (UitgesteldeKalender::m_bladen): the end of a block, the mark of a column
// emptied, and a row without a next block.
constexpr char16_t BladEinde = 0xffff;
constexpr char16_t BladLeeg = 0x8000;
constexpr qsizetype GeenBlad = 0xffffffff;

// The sheet's column names in the order above.
const QStringList& bladKolommen()
{
    static const QStringList kolommen = [] {
        QStringList k;
        for (int i = 1; i <= 4; ++i)
            k << QStringLiteral("THUISSP%1").arg(i) << QStringLiteral("UITSP%1").arg(i) << QStringLiteral("AFWTH%1").arg(i)
              << QStringLiteral("AFWUIT%1").arg(i);
        k << QStringLiteral("Opmerk1") << QStringLiteral("Opmerk2") << QStringLiteral("KapiteinT") << QStringLiteral("KapiteinU")
          << QStringLiteral("HoofdschCompnr") << QStringLiteral("ZaalcommCompnr") << QStringLiteral("Einduur")
          << QStringLiteral("Uur");
        for (int g = 1; g <= 16; ++g) {
            k << core::SpelKolom(g);
            for (int s = 1; s <= 5; ++s)
                k << core::SetKolom(g, s, true) << core::SetKolom(g, s, false);
        }
        for (int i = 1; i <= 4; ++i)
            k << QStringLiteral("WOT%1").arg(i);
        for (int i = 1; i <= 4; ++i)
            k << QStringLiteral("WOU%1").arg(i);
        k << QStringLiteral("forfaitth") << QStringLiteral("forfaituit");
        k << QStringLiteral("VoorbehoudT") << QStringLiteral("Voorbehoudu") << QStringLiteral("OpmOffScheids");
        k << QStringLiteral("HoofdSchNaam") << QStringLiteral("HoofdschProv") << QStringLiteral("HoofdschClubNr")
          << QStringLiteral("HoofdschClubNaam") << QStringLiteral("ZaalCommNaam") << QStringLiteral("ZaalCommProv");
        Q_ASSERT(k.size() == blad::Aantal);
        return k;
    }();
    return kolommen;
}

// The statement that writes the columns a record fills (one bit each in the mask) into the row
// of a match; the others keep what is stored.
QString bladOpdracht(const QByteArray& vorm)
{
    QStringList delen;
    for (int k = 0; k < blad::Aantal; ++k) {
        const QString& kolom = bladKolommen()[k];
        if (vorm[k] == blad::Waarde)
            delen << kolom + QStringLiteral(" = ?");
        else if (vorm[k] == blad::GeenMasker)
            delen << kolom + QStringLiteral(" = CASE WHEN trim(ifnull(") + kolom + QStringLiteral(", '')) = '' THEN ") + kolom
                         + QStringLiteral(" ELSE ? END");
    }
    if (delen.isEmpty())
        delen << QStringLiteral("rowid = rowid");
    return QStringLiteral("UPDATE Matchen SET ") + delen.join(QStringLiteral(", ")) + QStringLiteral(" WHERE rowid = ?");
}

// Season and match number as the index WedstrNr compares them: A-Z without regard to case.
QString nummerSleutel(const QString& seizoen, const QString& wedstrNr)
{
    QString s(seizoen.size() + 1 + wedstrNr.size(), Qt::Uninitialized);
    char16_t* c = reinterpret_cast<char16_t*>(s.data());
    const auto kleinIn = [&c](QStringView tekst) {
        for (const QChar t : tekst)
            *c++ = t >= u'A' && t <= u'Z' ? static_cast<char16_t>(t.unicode() + (u'a' - u'A')) : t.unicode();
    };
    kleinIn(seizoen);
    *c++ = u'\x1f';
    kleinIn(wedstrNr);
    return s;
}

// A value of a held-back calendar row; empty for a column the calendar does not have. The value
// stays where the row holds it (the line read, or a text of fixed memory), for as long as the
// reader lives: it is used in place, not copied.
QString kalenderWaarde(const std::vector<QStringView>& waarden, int kolom)
{
    if (kolom < 0)
        return QString();
    const QStringView w = waarden[static_cast<size_t>(kolom)];
    return QString::fromRawData(w.data(), w.size());
}

} // namespace

IngevuldRecord IngevuldRecordLezen(const QString& invoer)
{
    IngevuldRecord r;
    // A line is read as if it ended in a ";" (it need not).
    const qsizetype lengte = invoer.size();
    const bool afgesloten = invoer.endsWith(u';');
    qsizetype begin = 0;
    for (int i = 0; i < 10; ++i) {
        qsizetype einde = invoer.indexOf(u';', begin);
        if (einde < 0 && !afgesloten && begin <= lengte)
            einde = lengte;
        if (einde < 0)
            throw RecordFout(QStringLiteral("de regel heeft maar %1 van de tien velden").arg(i));
        r.velden[i] = invoer.mid(begin, einde - begin);
        begin = einde + 1;
    }
    // The reservations are the rest of the line as written (they may hold a ";").
    r.voorbehoud = invoer.mid(begin);
    const QString seizoen = r.velden[1].trimmed();
    if (!core::AlleenCijfers(seizoen))
        throw RecordFout(QStringLiteral("het seizoen \"%1\" is geen getal").arg(r.velden[1]));
    const int n = seizoen.toInt();
    r.seizoen = QString::number(n + 1999) + u'-' + QString::number(n + 2000);

    // code-category-week-number; the number is what follows the third "-".
    const QString& wedstrijd = r.velden[2];
    const qsizetype streep1 = wedstrijd.indexOf(u'-');
    const qsizetype streep2 = streep1 < 0 ? -1 : wedstrijd.indexOf(u'-', streep1 + 1);
    const qsizetype streep3 = streep2 < 0 ? -1 : wedstrijd.indexOf(u'-', streep2 + 1);
    if (streep3 < 0)
        throw RecordFout(QStringLiteral("de wedstrijd \"%1\" is niet van de vorm code-categorie-week-nummer").arg(wedstrijd));
    r.niveau = wedstrijd.left(1);
    if (const int provincie = ProvincieVanCompetitiecode(wedstrijd))
        r.provincieNr = QString::number(provincie);
    r.categorie = wedstrijd.mid(streep1 + 1, streep2 - streep1 - 1).left(1);
    r.week = wedstrijd.mid(streep2 + 1, streep3 - streep2 - 1);
    QString cijfers = core::Right(wedstrijd.mid(streep3 + 1), 3);
    while (cijfers.size() < 3)
        cijfers.prepend(u'0');
    r.cijfers = cijfers;
    return r;
}

void UitgesteldeKalender::beginnen(const QStringList& kolommen)
{
    Q_ASSERT(m_rijen.empty());
    m_kolommen = kolommen;
}

void UitgesteldeKalender::toevoegen(const QString& regel, std::vector<QStringView> waarden)
{
    Q_ASSERT(waarden.size() == static_cast<size_t>(m_kolommen.size()));
    m_rijen.push_back(Rij{regel, std::move(waarden)});
}

int UitgesteldeKalender::kolom(const QString& naam) const
{
    for (int i = 0; i < m_kolommen.size(); ++i) {
        if (m_kolommen[i].compare(naam, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void UitgesteldeKalender::schrijven()
{
    if (m_rijen.empty())
        return;
    db::Database& d = algemeen().dbGegevens;
    // One statement per set of sheet columns: the row's fields, then those of the sheet columns
    // that are not among them. A sheet column among them takes the record's value, as the update
    // after the row would have given it.
    struct Schrijver
    {
        db::Toevoeger toevoeger;
        QList<int> plaatsen; // per sheet column: its place among the fields written
    };
    QHash<QByteArray, std::shared_ptr<Schrijver>> schrijvers;
    // The place of each sheet column among the row's fields; -1 for one that is not among them.
    QList<int> bladPlaatsen;
    const auto schrijverVoor = [&](const QByteArray& vorm) -> Schrijver& {
        std::shared_ptr<Schrijver>& s = schrijvers[vorm];
        if (!s) {
            QStringList kolommen = m_kolommen;
            QList<int> plaatsen(blad::Aantal, -1);
            for (int k = 0; k < vorm.size(); ++k) {
                if (!vorm[k])
                    continue;
                if (bladPlaatsen.isEmpty()) {
                    for (const QString& naam : bladKolommen())
                        bladPlaatsen << kolom(naam);
                }
                plaatsen[k] = bladPlaatsen[k];
                if (plaatsen[k] < 0) {
                    plaatsen[k] = static_cast<int>(kolommen.size());
                    kolommen << bladKolommen()[k];
                }
            }
            s = std::make_shared<Schrijver>(Schrijver{d.toevoeger(QStringLiteral("Matchen"), kolommen), plaatsen});
        }
        return *s;
    };
    // The sheet's columns of a row as its records left them.
    const QByteArray geenBlad;
    QByteArray vorm;
    std::array<QStringView, blad::Aantal> bladWaarden;
    const char16_t* bladen = m_bladen.data();
    for (const Rij& rij : m_rijen) {
        if (rij.blad >= 0) {
            vorm.fill(0, blad::Aantal);
            for (qsizetype b = rij.blad; b >= 0;) {
                const qsizetype volgende = bladen[b] | qsizetype(bladen[b + 1]) << 16;
                qsizetype p = b + 2;
                for (; bladen[p] != BladEinde; p += 3 + (bladen[p + 1] | qsizetype(bladen[p + 2]) << 16)) {
                    const int k = bladen[p] & ~BladLeeg;
                    if (bladen[p] & BladLeeg) {
                        // A text that a later record of the match empties (a reservation, an official
                        // and what is stored of him, the end time, a place, a doubles pair) empties the
                        // text an earlier one gave, as the statement below empties a stored text.
                        if (blad::Wisbaar(k) && vorm[k] == blad::Waarde
                            && !bladWaarden[static_cast<size_t>(k)].trimmed().isEmpty())
                            bladWaarden[static_cast<size_t>(k)] = QStringView(u" ");
                        else
                            vorm[k] = 0;
                    } else {
                        vorm[k] = blad::Waarde;
                        bladWaarden[static_cast<size_t>(k)] =
                            QStringView(bladen + p + 3, bladen[p + 1] | qsizetype(bladen[p + 2]) << 16);
                    }
                }
                b = volgende == GeenBlad ? -1 : volgende;
            }
        }
        const QByteArray& rijVorm = rij.blad >= 0 ? vorm : geenBlad;
        Schrijver& s = schrijverVoor(rijVorm);
        // A value the field cannot hold (a blank in a number field) leaves the field empty.
        for (size_t i = 0; i < rij.waarden.size(); ++i)
            s.toevoeger.zetOfLeeg(static_cast<int>(i), rij.waarden[i]);
        for (int k = 0; k < rijVorm.size(); ++k) {
            if (rijVorm[k])
                s.toevoeger.zetOfLeeg(s.plaatsen[k], bladWaarden[static_cast<size_t>(k)]);
        }
        s.toevoeger.toevoegen();
    }
    m_rijen.clear();
    m_bladen.clear();
}

void UitgesteldeKalender::bladToevoegen(size_t rij, const QByteArray& vorm, const QList<QString>& waarden)
{
    // The block's size first, so that it is written in place at once.
    size_t lengte = 3;
    for (int k = 0; k < vorm.size(); ++k) {
        if (vorm[k] == blad::Waarde)
            lengte += 3 + static_cast<size_t>(waarden[k].size());
        else if (vorm[k] == blad::GeenMasker)
            lengte += 3;
    }
    const size_t begin = m_bladen.size();
    m_bladen.resize(begin + lengte);
    char16_t* p = m_bladen.data() + begin;
    const auto tweeDelen = [&p](qsizetype getal) {
        *p++ = static_cast<char16_t>(getal & 0xffff);
        *p++ = static_cast<char16_t>((getal >> 16) & 0xffff);
    };
    tweeDelen(GeenBlad);
    for (int k = 0; k < vorm.size(); ++k) {
        if (vorm[k] == blad::Waarde) {
            const QString& w = waarden[k];
            *p++ = static_cast<char16_t>(k);
            tweeDelen(w.size());
            p = std::copy_n(reinterpret_cast<const char16_t*>(w.constData()), w.size(), p);
        } else if (vorm[k] == blad::GeenMasker) {
            *p++ = static_cast<char16_t>(k | BladLeeg);
            tweeDelen(0);
        }
    }
    *p = BladEinde;
    // After the row's blocks so far.
    Rij& r = m_rijen[rij];
    if (r.laatsteBlad >= 0) {
        p = m_bladen.data() + r.laatsteBlad;
        tweeDelen(static_cast<qsizetype>(begin));
    } else {
        r.blad = static_cast<qsizetype>(begin);
    }
    r.laatsteBlad = static_cast<qsizetype>(begin);
}

template <size_t N, typename Doen>
void IngevuldeWedstrijdenLezer::matchenLezen(const std::array<QString, N>& kolommen, Doen&& doen) const
{
    std::array<QString, N> waarden;
    if (m_kalender) {
        std::array<int, N> plaatsen;
        for (size_t k = 0; k < N; ++k)
            plaatsen[k] = m_kalender->kolom(kolommen[k]);
        for (size_t i = 0; i < m_kalender->m_rijen.size(); ++i) {
            const UitgesteldeKalender::Rij& rij = m_kalender->m_rijen[i];
            for (size_t k = 0; k < N; ++k)
                waarden[k] = kalenderWaarde(rij.waarden, plaatsen[k]);
            doen(static_cast<qint64>(i), waarden);
        }
        return;
    }
    QString sql = QStringLiteral("SELECT rowid");
    for (const QString& kolom : kolommen)
        sql += QStringLiteral(", ") + kolom;
    db::Recordset m = algemeen().dbGegevens.openRecordset(sql + QStringLiteral(" FROM Matchen ORDER BY rowid"));
    for (; !m.eof(); m.moveNext()) {
        for (size_t k = 0; k < N; ++k)
            waarden[k] = m.veld(static_cast<int>(k) + 1).tekst();
        doen(m.veld(0).geheel(), waarden);
    }
}

IngevuldeWedstrijdenLezer::IngevuldeWedstrijdenLezer(UitgesteldeKalender* kalender)
{
    db::Database& d = algemeen().dbGegevens;
    // The calendar not yet written is the whole of Matchen: its rows in the order they will have.
    if (kalender && !kalender->leeg()) {
        m_kalender = kalender;
        m_rijen.reserve(kalender->m_rijen.size());
        m_matchen.reserve(static_cast<qsizetype>(kalender->m_rijen.size()));
        m_opNummer.reserve(static_cast<qsizetype>(kalender->m_rijen.size()));
    }
    matchenLezen(std::array<QString, 17>{QStringLiteral("Seizoen"), QStringLiteral("SoortComp"), QStringLiteral("HerDam"),
                                         QStringLiteral("WedstrNr"), QStringLiteral("ProvThuis"), QStringLiteral("ReeksNr"),
                                         QStringLiteral("Soort"), QStringLiteral("HoofdschCompnr"),
                                         QStringLiteral("ZaalcommCompnr"), QStringLiteral("THUISSP1"), QStringLiteral("THUISSP2"),
                                         QStringLiteral("THUISSP3"), QStringLiteral("UITSP1"), QStringLiteral("UITSP2"),
                                         QStringLiteral("UITSP3"), QStringLiteral("Opmerk1"), QStringLiteral("Opmerk2")},
                 [this](qint64 rijnummer, std::array<QString, 17>& w) {
                     // A sheet's value as the program reads it: Null and one blank are empty.
                     const auto opgeslagen = [](QString& waarde) {
                         return waarde == u" " ? QString() : std::move(waarde);
                     };
                     Match match;
                     match.rijnummer = rijnummer;
                     match.seizoen = std::move(w[0]);
                     match.soortComp = std::move(w[1]);
                     match.herDam = std::move(w[2]);
                     match.wedstrNr = std::move(w[3]);
                     match.provThuis = std::move(w[4]);
                     match.reeksNr = std::move(w[5]);
                     match.soort = std::move(w[6]);
                     match.hoofdscheids = opgeslagen(w[7]);
                     match.zaalcomm = opgeslagen(w[8]);
                     for (size_t i = 0; i < 3; ++i) {
                         match.lid[0][i] = opgeslagen(w[9 + i]);
                         match.lid[1][i] = opgeslagen(w[12 + i]);
                     }
                     match.dubbel[0] = opgeslagen(w[15]);
                     match.dubbel[1] = opgeslagen(w[16]);
                     matchToevoegen(std::move(match));
                 });
    // The places of every game by team size; a place that is no number 1 to 4 (the doubles game) is 0.
    db::Recordset v = d.openRecordset(QStringLiteral("SELECT AantalSpelers, Wedstrijd, thuis, uit FROM ")
                                      + db::sqlNaam(QStringLiteral("Volgorde Wedstrijden")));
    for (; !v.eof(); v.moveNext()) {
        const qint64 spel = LeidendGetal(v.veld(1).tekst());
        if (spel < 1 || spel > 16)
            continue;
        const auto plaats = [](const QString& tekst) {
            const QString p = tekst.trimmed();
            return p.size() == 1 && p[0] >= u'1' && p[0] <= u'4' ? p[0].digitValue() : 0;
        };
        m_volgorde[static_cast<int>(LeidendGetal(v.veld(0).tekst()))][static_cast<size_t>(spel - 1)]
            = {plaats(v.veld(2).tekst()), plaats(v.veld(3).tekst())};
    }
    db::Recordset r = d.openRecordset(
        QStringLiteral("SELECT Seizoen, Soort, HerDam, ReeksNr, AtlIndividueleMatchen, Naam FROM Reeksen ORDER BY rowid"));
    for (; !r.eof(); r.moveNext()) {
        const QString s = sleutel({r.veld(0).tekst(), r.veld(1).tekst(), r.veld(2).tekst(), r.veld(3).tekst()});
        if (!m_reeksen.contains(s)) {
            Recordkenmerken k;
            ReeksKenmerkenZetten(r.veld(5).tekst(), k);
            m_reeksen.insert(s, Reeks{static_cast<int>(LeidendGetal(r.veld(4).tekst())), IsSuperReeks(r.veld(5).tekst()),
                                      VastNietGespeeldSpel(k)});
        }
    }
    const Recordgegevens gegevens = Recordgegevens::lezen(d);
    m_superDubbel = gegevens.superDubbel;
    m_tabT = gegevens.tabT;
    m_breedte = gegevens.breedteCompNr;
    m_blad.resize(blad::Aantal);
}

void IngevuldeWedstrijdenLezer::maskersZetten(const QVarLengthArray<QStringView, 20>& spellen, int spelers,
                                               const QString (&afwezigThuis)[4], const QString (&afwezigUit)[4])
{
    // A walk-over's winner is not in the record: the sheet works it out from the absences and the
    // not-played masks of the two players. The masks are therefore those that give every walk-over
    // of the record its result, as the player picker stores them: a game that a present player did
    // not play is the flag of its turn in his mask; an absent player's walk-overs follow from his
    // absence, and his mask is left as it is. The doubles game needs no mask.
    const auto volgorde = m_volgorde.constFind(spelers);
    if (volgorde == m_volgorde.constEnd())
        return;
    const int aantal = AantalSpellen(spelers);
    const int laatstePlaats = spelers == 4 ? 3 : 2;
    int maskers[2][4] = {};
    for (int g = 0; g < aantal && g < spellen.size(); ++g) {
        const QStringView spel = spellen[g];
        if (!isWalkOver(spel))
            continue;
        const auto [h, a] = (*volgorde)[static_cast<size_t>(g)];
        if (h < 1 || a < 1 || h > laatstePlaats + 1 || a > laatstePlaats + 1)
            continue;
        const bool afwezigT = afwezigThuis[h - 1] == u"J";
        const bool afwezigU = afwezigUit[a - 1] == u"J";
        // "9" won at home: the visitor did not play it; "8" the other way round; "-" neither did.
        const int vlag = core::BeurtWaarde(core::Beurt(g, aantal - 1));
        if (spel != u"9" && !afwezigT)
            maskers[0][h - 1] |= vlag;
        if (spel != u"8" && !afwezigU)
            maskers[1][a - 1] |= vlag;
    }
    for (int kant = 0; kant < 2; ++kant) {
        const QString(&afwezig)[4] = kant == 0 ? afwezigThuis : afwezigUit;
        for (int p = 0; p <= laatstePlaats; ++p) {
            if (afwezig[p] == u"J")
                continue;
            const int kolom = (kant == 0 ? blad::MaskerThuis : blad::MaskerUit) + p;
            m_blad[kolom] = getalTekst(maskers[kant][p]);
            m_vorm[kolom] = maskers[kant][p] ? blad::Waarde : blad::GeenMasker;
        }
    }
}

void IngevuldeWedstrijdenLezer::matchToevoegen(Match match)
{
    const int plaats = static_cast<int>(m_rijen.size());
    m_rijen.push_back(std::move(match));
    const Match& m = m_rijen.back();
    const QStringView nummer(m.wedstrNr);
    const QStringView letter = nummer.first(std::min<qsizetype>(1, nummer.size()));
    const QStringView cijfers = nummer.last(std::min<qsizetype>(3, nummer.size()));
    const auto aanhangen = [this, plaats](QHash<QString, Keten>& ketens, QString sleutel, int Match::*volgende) {
        Keten& keten = ketens[std::move(sleutel)];
        if (keten.eerste < 0)
            keten.eerste = plaats;
        else
            m_rijen[static_cast<size_t>(keten.laatste)].*volgende = plaats;
        keten.laatste = plaats;
    };
    aanhangen(m_matchen, sleutel({m.seizoen, m.soortComp, m.herDam, letter, cijfers}), &Match::volgendeMatch);
    aanhangen(m_opNummer, nummerSleutel(m.seizoen, m.wedstrNr), &Match::volgendOpNummer);
}

const std::vector<std::array<QString, 2>>& IngevuldeWedstrijdenLezer::clubcodes()
{
    if (!m_clubcodes) {
        // Needed for few records: read once, when the first of them comes.
        m_clubcodes.emplace(m_rijen.size());
        const auto code = [this](const QString& lk, const QString& prov) {
            if (IsVrijePlaats(lk))
                return QStringLiteral("Bye");
            const auto tabT = m_tabT.constFind(static_cast<int>(LeidendGetal(prov)));
            return tabT == m_tabT.constEnd() ? QString() : *tabT + QString::number(LeidendGetal(lk));
        };
        matchenLezen(std::array<QString, 4>{QStringLiteral("LKThuis"), QStringLiteral("ProvThuis"), QStringLiteral("LKUIT"),
                                            QStringLiteral("ProvUIT")},
                     [this, &code](qint64 rijnummer, std::array<QString, 4>& w) {
                         // The rows as they were read at the start of the section, in the order of their row numbers.
                         const auto plaats = std::lower_bound(m_rijen.cbegin(), m_rijen.cend(), rijnummer,
                                                              [](const Match& a, qint64 b) { return a.rijnummer < b; });
                         if (plaats != m_rijen.cend() && plaats->rijnummer == rijnummer)
                             (*m_clubcodes)[static_cast<size_t>(plaats - m_rijen.cbegin())] = {code(w[0], w[1]),
                                                                                              code(w[2], w[3])};
                     });
    }
    return *m_clubcodes;
}

bool IngevuldeWedstrijdenLezer::clubsVan(const Match& m, const IngevuldRecord& r)
{
    const std::array<QString, 2>& codes = clubcodes()[static_cast<size_t>(&m - m_rijen.data())];
    return !codes[0].isNull() && !codes[1].isNull() && codes[0].compare(r.velden[3], Qt::CaseInsensitive) == 0
           && codes[1].compare(r.velden[4], Qt::CaseInsensitive) == 0;
}

const IngevuldeWedstrijdenLezer::Match* IngevuldeWedstrijdenLezer::vrijThuisZoeken(const IngevuldRecord& r,
                                                                                   const QString& einde)
{
    if (!m_vrijThuis) {
        // Byes are few: the rows they can be are gathered once, when the first record of one comes.
        m_vrijThuis.emplace();
        const std::vector<std::array<QString, 2>>& codes = clubcodes();
        for (size_t plaats = 0; plaats < m_rijen.size(); ++plaats) {
            const Match& m = m_rijen[plaats];
            // The rows whose record names no code: a free place at home, and a level and home
            // province that give no code; with the visitors' club code as their record writes it.
            if (codes[plaats][0] != u"Bye" || codes[plaats][1].isNull()
                || !Competitiecode(m.soortComp, m.herDam, static_cast<int>(LeidendGetal(m.provThuis)), false).isEmpty())
                continue;
            const QStringView nummer(m.wedstrNr);
            (*m_vrijThuis)[sleutel({m.seizoen, m.herDam, nummer.last(std::min<qsizetype>(3, nummer.size())), codes[plaats][1]})]
                << static_cast<int>(plaats);
        }
    }
    const auto rijen = m_vrijThuis->constFind(sleutel({r.seizoen, r.categorie, r.cijfers, r.velden[4]}));
    if (rijen == m_vrijThuis->constEnd())
        return nullptr;
    for (const int i : *rijen) {
        const Match& m = m_rijen[static_cast<size_t>(i)];
        if (m.wedstrNr.size() > einde.size() && m.wedstrNr.toUpper().endsWith(einde))
            return &m;
    }
    return nullptr;
}

int IngevuldeWedstrijdenLezer::provincieVanClubcode(const QString& code) const
{
    // The TabT code is what comes before the club number.
    qsizetype einde = code.size();
    while (einde > 0 && code[einde - 1].isDigit())
        --einde;
    const QStringView tabT = QStringView(code).first(einde);
    if (tabT.isEmpty() || einde == code.size())
        return 0;
    for (auto p = m_tabT.cbegin(); p != m_tabT.cend(); ++p) {
        if (p.value().compare(tabT, Qt::CaseInsensitive) == 0)
            return p.key();
    }
    return 0;
}

IngevuldeWedstrijdenLezer::Vondst IngevuldeWedstrijdenLezer::matchZoeken(const IngevuldRecord& r)
{
    Vondst v;
    // The match: season, level, category, the home province of a provincial record, and a number
    // that begins with the level letter and ends in the week and the digits. A bye at home whose
    // record names no competition code (its home side has no province) has no level in it either.
    const QString einde = (r.week + r.cijfers).toUpper();
    const bool zonderCode = r.velden[2].startsWith(u'-');
    const bool vrijZonderCode = zonderCode && r.velden[3] == u"Bye";
    const auto zoeken = [&](const QString& niveau, const QString& provincieNr) -> const Match* {
        const auto matchen = m_matchen.constFind(sleutel({r.seizoen, niveau, r.categorie, niveau, r.cijfers}));
        for (int i = matchen == m_matchen.constEnd() ? -1 : matchen->eerste; i >= 0;
             i = m_rijen[static_cast<size_t>(i)].volgendeMatch) {
            const Match& m = m_rijen[static_cast<size_t>(i)];
            if (m.wedstrNr.size() > einde.size() && m.wedstrNr.toUpper().endsWith(einde)
                && (provincieNr.isEmpty() || m.provThuis.compare(provincieNr, Qt::CaseInsensitive) == 0))
                return &m;
        }
        return nullptr;
    };
    // A record without a competition code: a bye at home, found by its visitors, or a provincial
    // match of a province that has no code, whose home club's code (TabT and club number) names the
    // province. A Super ladies' match is coded NATL as a national ladies' one is: the clubs of the
    // record tell them apart where both have the number, and where the national one is missing it
    // is the Super one.
    bool superDames = false;
    if (vrijZonderCode) {
        v.match = vrijThuisZoeken(r, einde);
    } else if (zonderCode) {
        const int provincie = provincieVanClubcode(r.velden[3]);
        if (provincie > 0)
            v.match = zoeken(QStringLiteral("P"), QString::number(provincie));
    } else {
        v.match = zoeken(r.niveau, r.provincieNr);
        if (r.velden[2].startsWith(QLatin1String("NATL-")) && r.categorie == u"D") {
            const Match* super = zoeken(QStringLiteral("S"), QString());
            if (super && (!v.match || (!clubsVan(*v.match, r) && clubsVan(*super, r)))) {
                v.match = super;
                superDames = true;
            }
        }
    }
    if (!v.match)
        return v;
    const Match* gevonden = v.match;
    v.niveau = zonderCode || superDames ? gevonden->soortComp : r.niveau;

    // The row of the match: its season and number, and among rows with the same (there should be
    // none) the one of its level, category and province. The rows are taken in the order of the
    // index WedstrNr (by row number among equal keys); a row whose season or number differs from
    // the match's in the case of a letter ends the search, as it ends a seek on that index. The row of
    // a bye found by its visitors is the row found: byes of several provinces can share the rest.
    v.rij = vrijZonderCode ? &m_rijen[static_cast<size_t>(gevonden - m_rijen.data())] : nullptr;
    const auto opNummer = vrijZonderCode ? m_opNummer.constEnd()
                                         : m_opNummer.constFind(nummerSleutel(gevonden->seizoen, gevonden->wedstrNr));
    for (int i = opNummer == m_opNummer.constEnd() ? -1 : opNummer->eerste; i >= 0;
         i = m_rijen[static_cast<size_t>(i)].volgendOpNummer) {
        Match& m = m_rijen[static_cast<size_t>(i)];
        if (m.wedstrNr != gevonden->wedstrNr || m.seizoen != gevonden->seizoen)
            break;
        if (m.soortComp == gevonden->soortComp && m.herDam == gevonden->herDam && m.provThuis == gevonden->provThuis) {
            v.rij = &m;
            break;
        }
    }
    return v;
}

const IngevuldeWedstrijdenLezer::Lid* IngevuldeWedstrijdenLezer::lidZoeken(const QString& compNr)
{
    if (!m_leden) {
        // Read once, for the first official that a record changes; the first row of a number counts,
        // as the first row a seek finds.
        m_leden.emplace();
        const core::AlgemeneFuncties& f = core::objAlgemeneFuncties();
        db::Database& d = algemeen().dbGegevens;
        db::Recordset l = d.openRecordset(QStringLiteral("SELECT CompNr, Naam, Provincie, Clubnummer FROM Leden ORDER BY rowid"));
        for (; !l.eof(); l.moveNext()) {
            const QString nr = sleutel({l.veld(0).tekst()});
            if (!m_leden->contains(nr))
                m_leden->insert(nr, Lid{f.Inhoud(l.veld(1)).tekst(), static_cast<int>(core::Val(f.Inhoud(l.veld(2)))),
                                        f.Inhoud(l.veld(3)).tekst()});
        }
        db::Recordset c = d.openRecordset(QStringLiteral("SELECT Provincie, ClubNr, Ploegnaam FROM Clubs ORDER BY rowid"));
        for (; !c.eof(); c.moveNext()) {
            const QString club = sleutel({QString::number(c.veld(0).geheel()), c.veld(1).tekst()});
            if (!m_clubnamen.contains(club))
                m_clubnamen.insert(club, f.Inhoud(c.veld(2)).tekst());
        }
    }
    // The number as the picker looks it up: padded with zeros to the width.
    QString nr = compNr;
    core::objFunctiesQJ().BeginNulToevoegen(nr, m_breedte);
    const auto lid = m_leden->constFind(sleutel({nr}));
    return lid == m_leden->constEnd() ? nullptr : &*lid;
}

void IngevuldeWedstrijdenLezer::overOpgeslagen(Match& rij, const RecordOpstelling& thuis, const RecordOpstelling& uit,
                                               int laatstePlaats, const Forfait& forfait, const QString& hoofdscheids,
                                               const QString& zaalcommissaris)
{
    QString* bladWaarden = m_blad.data();
    char* vorm = m_vorm.data();
    const auto zetWaarde = [bladWaarden, vorm](int kolom, const QString& waarde) {
        bladWaarden[kolom] = waarde;
        vorm[kolom] = blad::Waarde;
    };
    // Only what the record holds is written; what it leaves empty stays as stored.
    const auto zet = [&zetWaarde](int kolom, const QString& waarde) {
        if (!waarde.isEmpty())
            zetWaarde(kolom, waarde);
    };
    // A text that the record names as none: the stored text becomes a blank, as the sheet stores an
    // emptied one; where none was stored it stays without a value.
    const auto wissen = [bladWaarden, vorm](int kolom) {
        bladWaarden[kolom] = QStringLiteral(" ");
        vorm[kolom] = blad::GeenMasker;
    };

    // A forfeit is stored as the sheet's forfeit box stores it, so that the match shows, counts and
    // is sent on as a forfeit here too; a record of a match that was played withdraws a forfeit
    // stored here, and the record of one team's forfeit the other team's: a match has one forfeit at
    // a time. A record without games leaves the forfeits as they are.
    if (forfait.metSpellen) {
        if (forfait.kant.isNull()) {
            zetWaarde(blad::ForfaitThuis, QStringLiteral("N"));
            zetWaarde(blad::ForfaitUit, QStringLiteral("N"));
        } else {
            const bool thuisForfait = forfait.kant == u'T';
            zetWaarde(thuisForfait ? blad::ForfaitThuis : blad::ForfaitUit, QStringLiteral("J"));
            zetWaarde(thuisForfait ? blad::ForfaitUit : blad::ForfaitThuis, QStringLiteral("N"));
            // Every game a walk-over, under the forfeit's own marker.
            for (int g = 0; g < forfait.aantalSpellen && g < 16; ++g) {
                const int spel = blad::Spel + 11 * g;
                spelZetten(u"-", bladWaarden + spel, vorm + spel);
                zetWaarde(spel, thuisForfait ? QStringLiteral("/") : QStringLiteral("*"));
            }
            for (int i = 0; i < 4; ++i)
                zetWaarde(4 * i + (thuisForfait ? blad::AfwThuis : blad::AfwUit), QStringLiteral("J"));
            // The forfeit decides every game: the not-played masks stay as they are, as the box leaves them.
            std::fill(vorm + blad::MaskerThuis, vorm + blad::MaskerUit + 4, char(0));
        }
        // A team that did not forfeit has every place back, as the forfeit box gives them back when
        // it is untied: also the places that a smaller team does not use, which the record leaves out.
        for (int kant = 0; kant < 2; ++kant) {
            if (forfait.kant == (kant == 0 ? u'T' : u'U'))
                continue;
            for (int i = laatstePlaats + 1; i < 4; ++i)
                zetWaarde(4 * i + (kant == 0 ? blad::AfwThuis : blad::AfwUit), QStringLiteral("N"));
        }
    }

    // The places: a member number, or an absent player without one ("--"), whose place is emptied
    // here as it is there; an empty place ("-") keeps what is stored.
    for (int kant = 0; kant < 2; ++kant) {
        const RecordOpstelling& o = kant == 0 ? thuis : uit;
        for (int i = 0; i <= laatstePlaats; ++i) {
            const int kolom = 4 * i + (kant == 0 ? blad::Thuis : blad::Uit);
            const bool zonderLid = o.lid[i].isEmpty() && o.afwezig[i] == u"J";
            if (zonderLid)
                wissen(kolom);
            else
                zet(kolom, o.lid[i]);
            zet(4 * i + (kant == 0 ? blad::AfwThuis : blad::AfwUit), o.afwezig[i]);
            if (i < 3 && (zonderLid || !o.lid[i].isEmpty()))
                rij.lid[kant][i] = o.lid[i];
        }
    }
    // The doubles pairs of a team of three. A record without one leaves a pair of two players still
    // on their places as it is, and empties one of a player who left them: its result line would
    // name half a pair that the other installation does not have.
    if (laatstePlaats == 2) {
        for (int kant = 0; kant < 2; ++kant) {
            const RecordOpstelling& o = kant == 0 ? thuis : uit;
            const int kolom = kant == 0 ? blad::Opmerk1 : blad::Opmerk2;
            QString& paar = rij.dubbel[kant];
            if (!o.dubbel.isEmpty()) {
                zetWaarde(kolom, o.dubbel);
                paar = o.dubbel;
            } else if (o.halfDubbel.isEmpty() && !paar.isEmpty()) {
                const auto opPlaats = [&rij, kant](const QString& lid) {
                    return !lid.isEmpty() && std::find(std::begin(rij.lid[kant]), std::end(rij.lid[kant]), lid)
                                                 != std::end(rij.lid[kant]);
                };
                if (!opPlaats(core::Left(paar, m_breedte)) || !opPlaats(core::Right(paar, m_breedte))) {
                    wissen(kolom);
                    paar.clear();
                }
            }
        }
    }

    // An official follows his member number: another number than the one held here brings the name,
    // province and club that the player picker stores for that member (from the members here; none
    // for a number they lack), and "-" takes them away with the number. The number held here changes
    // nothing, so that a name typed here stays.
    const auto officialZetten = [&](int kolom, const QString& lid, QString& opgeslagen,
                                    std::initializer_list<std::pair<int, QString Lid::*>> velden, int provKolom,
                                    int clubNaamKolom) {
        if (lid.isEmpty())
            return;
        if (lid == u"-")
            wissen(kolom);
        else
            zet(kolom, lid);
        const QString nieuw = lid == u"-" ? QString() : lid;
        QString a = nieuw, b = opgeslagen;
        core::objFunctiesQJ().BeginNulToevoegen(a, m_breedte);
        core::objFunctiesQJ().BeginNulToevoegen(b, m_breedte);
        if (nieuw.isEmpty() == opgeslagen.isEmpty() && a == b)
            return;
        opgeslagen = nieuw;
        const Lid* l = nieuw.isEmpty() ? nullptr : lidZoeken(nieuw);
        const auto waarde = [&zetWaarde, &wissen](int k, const QString& tekst) {
            if (tekst.isEmpty())
                wissen(k);
            else
                zetWaarde(k, tekst);
        };
        for (const auto& [k, veld] : velden)
            waarde(k, l ? l->*veld : QString());
        QString afkorting;
        if (l) {
            auto p = m_afkortingen.constFind(l->provincie);
            if (p == m_afkortingen.constEnd())
                p = m_afkortingen.insert(l->provincie, core::ProvincieAfkorting(db::Waarde(l->provincie)));
            afkorting = *p;
        }
        waarde(provKolom, afkorting);
        if (clubNaamKolom >= 0)
            waarde(clubNaamKolom,
                   l ? m_clubnamen.value(sleutel({QString::number(l->provincie), l->clubNr})) : QString());
    };
    officialZetten(blad::Hoofdscheids, hoofdscheids, rij.hoofdscheids,
                   {{blad::HoofdscheidsNaam, &Lid::naam}, {blad::HoofdscheidsClubNr, &Lid::clubNr}},
                   blad::HoofdscheidsProv, blad::HoofdscheidsClubNaam);
    officialZetten(blad::Zaalcomm, zaalcommissaris, rij.zaalcomm, {{blad::ZaalcommNaam, &Lid::naam}}, blad::ZaalcommProv, -1);
}

QString IngevuldeWedstrijdenLezer::inlezen(const QString& regel)
{
    const IngevuldRecord r = IngevuldRecordLezen(regel);
    const auto naam = [&r] { return QStringLiteral("wedstrijd %1 van %2").arg(r.velden[2], r.seizoen); };

    if (!r.provincieNr.isEmpty() && !m_provincies.contains(r.provincieNr))
        m_provincies.insert(r.provincieNr, !core::ProvincieAfkorting(r.provincieNr).isEmpty());
    if (!r.provincieNr.isEmpty() && !m_provincies.value(r.provincieNr))
        return naam() + QStringLiteral(": provincie %1 staat niet in de tabel Provincies").arg(r.provincieNr);

    const Vondst vondst = matchZoeken(r);
    if (!vondst.match)
        return naam() + QStringLiteral(": de wedstrijd staat niet in de kalender");
    const Match* gevonden = vondst.match;
    Match* rij = vondst.rij;
    const QString& niveau = vondst.niveau;
    const auto reeks = m_reeksen.constFind(sleutel({r.seizoen, niveau, r.categorie, gevonden->reeksNr}));
    if (reeks == m_reeksen.constEnd())
        return naam() + QStringLiteral(": de reeks %1 staat niet in de tabel Reeksen").arg(gevonden->reeksNr);
    const int spelers = reeks->spelers;
    if (spelers < 2 || spelers > 4)
        return naam() + QStringLiteral(": de reeks %1 heeft geen ploegen van 2, 3 of 4 spelers").arg(gevonden->reeksNr);

    // The places of the result line: a Super match without its doubles has four places for a team
    // of two, and no entry for game 4. A Super men's match whose games are all there shows which
    // way it was written: every game (with its doubles) or all but game 4. Otherwise the match's
    // kind decides, as stored, or, when none is stored yet, as the sheet defaults after the import
    // give it.
    const int aantalSpellen = AantalSpellen(spelers);
    QString superDubbel;
    const QString& spelVeld = r.velden[7];
    const qsizetype spelInvoer = spelVeld.startsWith(u'P') && spelVeld.size() > 1 ? spelVeld.count(u',') + 1 : 0;
    if (niveau == u"S" && r.categorie != u"D" && spelInvoer == aantalSpellen) {
        superDubbel = QStringLiteral("J");
    } else if (niveau == u"S" && r.categorie != u"D" && spelInvoer == aantalSpellen - 1) {
        superDubbel = QStringLiteral("N");
    } else {
        const QString& soort = (rij ? rij : gevonden)->soort;
        const bool geenSoort = soort.isEmpty() || soort == u" ";
        try {
            superDubbel = SuperDubbelWaarde(niveau, r.categorie, geenSoort && reeks->super ? QStringLiteral("4") : soort,
                                            m_superDubbel);
        } catch (const RecordFout& fout) {
            return naam() + QStringLiteral(": ") + fout.reden();
        }
    }
    const int laatstePlaats = Plaatsen(spelers, superDubbel) - 1;

    const RecordOpstelling thuis = opstellingLezen(r.velden[5], laatstePlaats);
    const RecordOpstelling uit = opstellingLezen(r.velden[6], laatstePlaats);

    // The captains and officials, each ended by a comma.
    QString rest = r.velden[8] + u',';

    // The games go straight into the sheet's columns; what the record leaves empty stays as stored.
    m_vorm.fill(0, blad::Aantal);
    QString* bladWaarden = m_blad.data();
    char* vorm = m_vorm.data();
    Forfait forfait;
    forfait.aantalSpellen = aantalSpellen;
    QVarLengthArray<QStringView, 20> invoer;
    if (spelVeld.startsWith(u'P') && spelVeld.size() > 1) {
        for (const QStringView spel : QStringView(spelVeld).sliced(1).tokenize(u','))
            invoer.append(spel);
        vastSpelPlaatsen(invoer, reeks->vastSpel);
    }
    if (!invoer.isEmpty()) {
        // A Super match without its doubles has no entry for game 4: the later games keep their own
        // numbers, and game 4 is marked not played, home "w" and away "o" in sets 1 to 3, as the
        // calendar import marks it.
        int zonderSpel = -1;
        if (superDubbel == u"N" && aantalSpellen > 3) {
            // Games 1 to 3 come before the doubles' place: a line that lists fewer is damaged.
            if (invoer.size() < 3)
                throw RecordFout(QStringLiteral("de spellen \"%1\" van een Supermatch zonder dubbel hebben maar %2 van de "
                                                "%3 spellen")
                                     .arg(spelVeld)
                                     .arg(invoer.size())
                                     .arg(aantalSpellen - 1));
            invoer.insert(3, QStringView());
            zonderSpel = 3;
        }
        for (int g = 0; g < aantalSpellen && g < 16; ++g) {
            const QStringView spel = g < invoer.size() ? invoer[g] : QStringView();
            if (!spel.isEmpty())
                spelZetten(spel, bladWaarden + blad::Spel + 11 * g, vorm + blad::Spel + 11 * g);
        }
        if (zonderSpel >= 0) {
            const int spel = blad::Spel + 11 * zonderSpel;
            bladWaarden[spel] = QStringLiteral("=");
            vorm[spel] = blad::Waarde;
            for (int k = 0; k < 3; ++k) {
                bladWaarden[spel + 1 + 2 * k] = QStringLiteral("w");
                bladWaarden[spel + 2 + 2 * k] = QStringLiteral("o");
                vorm[spel + 1 + 2 * k] = vorm[spel + 2 + 2 * k] = blad::Waarde;
            }
        }
        maskersZetten(invoer, spelers, thuis.afwezig, uit.afwezig);
        forfait.metSpellen = true;
        forfait.kant = forfaitVan(invoer, aantalSpellen, zonderSpel, thuis, uit, laatstePlaats, rest);
    }

    const QString kapiteinT = kapiteinVan(neem(rest, u','), thuis, laatstePlaats);
    const QString kapiteinU = kapiteinVan(neem(rest, u','), uit, laatstePlaats);
    // A "-" stands for no official; a line without the hall commissioner or the end time says nothing
    // of them (null).
    const QString hoofdscheids = neem(rest, u',');
    const QString zaalcommissaris = rest.isEmpty() ? QString() : neem(rest, u',');
    rest = r.velden[9] + u',';
    const QString uur = neem(rest, u',').replace(u':', u'.');
    const bool metEinduur = !rest.isEmpty();
    const QString einduurVeld = metEinduur ? neem(rest, u',') : QString();
    const QString einduur = QString(einduurVeld).replace(u':', u'.');
    // An end time that the sheet's box would refuse is as damaged as a set that is no number.
    if (!einduur.isEmpty() && !core::EinduurLezen(einduur))
        throw RecordFout(QStringLiteral("het einduur \"%1\" is geen geldig uur").arg(einduurVeld));

    if (!rij)
        return naam() + QStringLiteral(": de wedstrijd staat niet in de kalender");
    for (const auto& [opstelling, ploeg] : {std::pair{&thuis, "thuisploeg"}, std::pair{&uit, "bezoekers"}}) {
        if (!opstelling->halfDubbel.isEmpty())
            m_opmerkingen << naam()
                                 + QStringLiteral(": het dubbel \"%1\" van de %2 noemt maar één speler van de opstelling; "
                                                  "het dubbel werd niet overgenomen")
                                       .arg(opstelling->halfDubbel, QLatin1String(ploeg));
    }

    overOpgeslagen(*rij, thuis, uit, laatstePlaats, forfait, hoofdscheids, zaalcommissaris);

    // Only what the record holds is written; what it leaves empty stays as stored.
    const auto zet = [bladWaarden, vorm](int kolom, const QString& waarde) {
        if (!waarde.isEmpty()) {
            bladWaarden[kolom] = waarde;
            vorm[kolom] = 1;
        }
    };
    // A text that the record names as none: the end time emptied in its box (nothing after the start
    // time), the reservations all withdrawn. The stored text becomes a blank, as the sheet stores an
    // emptied one; where none was stored it stays without a value.
    const auto wissen = [bladWaarden, vorm](int kolom) {
        bladWaarden[kolom] = QStringLiteral(" ");
        vorm[kolom] = blad::GeenMasker;
    };
    zet(blad::KapiteinT, kapiteinT);
    zet(blad::KapiteinU, kapiteinU);
    if (einduur.isEmpty() && metEinduur)
        wissen(blad::Einduur);
    else
        zet(blad::Einduur, einduur);
    zet(blad::Uur, uur);
    // The reservations of both teams and the official's remark, as the remarks window stores them. A
    // remark the line leaves out is none: a text stored here becomes empty (a blank, as the window
    // stores an emptied one), and a remark never entered stays without a value; a line whose
    // reservations are empty ("") has none of them. A result line without the field leaves those
    // stored here.
    if (r.voorbehoud == u"\"\"") {
        for (int i = 0; i < 3; ++i)
            wissen(blad::Voorbehoud + i);
    } else if (r.voorbehoud.size() > 2 && r.voorbehoud.startsWith(u'"') && r.voorbehoud.endsWith(u'"')) {
        const auto teksten = VoorbehoudTekstLezen(QStringView(r.voorbehoud).sliced(1, r.voorbehoud.size() - 2));
        if (teksten) {
            for (int i = 0; i < 3; ++i) {
                const QString& t = (*teksten)[static_cast<size_t>(i)];
                bladWaarden[blad::Voorbehoud + i] = t.isEmpty() ? QStringLiteral(" ") : t;
                vorm[blad::Voorbehoud + i] = t.isEmpty() ? blad::GeenMasker : blad::Waarde;
            }
        } else {
            m_opmerkingen << naam() + QStringLiteral(": het voorbehoud staat er niet onder een kop \"Voorbehoud THUIS:\", "
                                                     "\"Voorbehoud UIT:\" of \"Voorbehoud OFFICIAL:\"; het werd niet "
                                                     "overgenomen");
        }
    } else if (!r.voorbehoud.isEmpty()) {
        m_opmerkingen << naam() + QStringLiteral(": het voorbehoud staat er niet tussen aanhalingstekens; het werd niet "
                                                 "overgenomen");
    }
    if (m_kalender) {
        // Into the row held back; a later record of the same match writes over what it fills.
        m_kalender->bladToevoegen(static_cast<size_t>(rij->rijnummer), m_vorm, m_blad);
        return QString();
    }
    m_waarden.clear();
    for (int k = 0; k < blad::Aantal; ++k) {
        if (m_vorm[k])
            m_waarden << m_blad[k];
    }
    m_waarden << db::Waarde(rij->rijnummer);
    // Most records fill the same columns: their statement is made once.
    auto opdracht = m_opdrachten.constFind(m_vorm);
    if (opdracht == m_opdrachten.constEnd())
        opdracht = m_opdrachten.insert(m_vorm, bladOpdracht(m_vorm));
    algemeen().dbGegevens.uitvoeren(*opdracht, m_waarden);
    return QString();
}

} // namespace exchange
