#include "Wedstrijdrecord.h"

#include "core/Algemeen.h"
#include "core/AlgemeneFuncties.h"
#include "core/Ansi.h"
#include "core/Matchkolommen.h"
#include "core/Tekst.h"

#include <QStringList>

namespace exchange {

namespace {

// The columns of the match row that a record reads, by number: the fixed ones, then per place the
// line-up and absence columns, then per game its marker and the points of its sets.
enum Vast
{
    Seizoen,
    SoortComp,
    HerDam,
    WeekNr,
    WedstrNr,
    ProvThuis,
    LKThuis,
    ProvUIT,
    LKUIT,
    Soort,
    ForfaitTh,
    ForfaitUit,
    Opmerk1,
    Opmerk2,
    KapiteinT,
    KapiteinU,
    HoofdschCompnr,
    ZaalcommCompnr,
    Uur,
    Einduur,
    VoorbehoudT,
    Voorbehoudu,
    OpmOffScheids,
    AantalVast
};
constexpr int speler(bool thuis, int k) { return AantalVast + (thuis ? 0 : 4) + k - 1; }
constexpr int afwezig(bool thuis, int k) { return AantalVast + (thuis ? 8 : 12) + k - 1; }
constexpr int markering(int g) { return AantalVast + 16 + g - 1; }
constexpr int setPunten(int g, int set, bool thuis) { return AantalVast + 32 + ((g - 1) * 5 + set - 1) * 2 + (thuis ? 0 : 1); }
constexpr int AantalKolommen = AantalVast + 32 + 160;

const QStringList& kolomNamen()
{
    static const QStringList namen = [] {
        QStringList n{"Seizoen", "SoortComp", "HerDam", "WeekNr", "WedstrNr", "ProvThuis", "LKThuis", "ProvUIT",
                      "LKUIT", "Soort", "forfaitth", "forfaituit", "Opmerk1", "Opmerk2", "KapiteinT", "KapiteinU",
                      "HoofdschCompnr", "ZaalcommCompnr", "Uur", "Einduur", "VoorbehoudT", "Voorbehoudu", "OpmOffScheids"};
        for (const char* kolom : {"THUISSP", "UITSP", "AFWTH", "AFWUIT"}) {
            for (int k = 1; k <= 4; ++k)
                n << QString::fromLatin1(kolom) + QString::number(k);
        }
        for (int g = 1; g <= 16; ++g)
            n << core::SpelKolom(g);
        for (int g = 1; g <= 16; ++g) {
            for (int set = 1; set <= 5; ++set)
                n << core::SetKolom(g, set, true) << core::SetKolom(g, set, false);
        }
        return n;
    }();
    return namen;
}

// The match row read by column number; a column the row lacks reads as Null.
class Rij
{
public:
    Rij(const db::Recordset& rs, const Recordgegevens& g)
        : m_rs(rs)
    {
        Recordgegevens::Kolommen& k = *g.kolommen;
        const int aantal = rs.aantalVelden();
        if (k.aantal != aantal || (aantal > 0 && k.eerste != rs.veldNaam(0))) {
            QHash<QString, int> opNaam;
            for (int i = 0; i < aantal; ++i)
                opNaam.insert(rs.veldNaam(i).toLower(), i);
            k.plaats.assign(AantalKolommen, -1);
            const QStringList& namen = kolomNamen();
            for (int i = 0; i < AantalKolommen; ++i)
                k.plaats[static_cast<size_t>(i)] = opNaam.value(namen[i].toLower(), -1);
            k.aantal = aantal;
            k.eerste = aantal > 0 ? rs.veldNaam(0) : QString();
            k.waarden.assign(AantalKolommen, db::Waarde());
            k.gelezenVoor.assign(AantalKolommen, 0);
        }
        m_kolommen = &k;
        m_rij = ++k.rij;
    }

    db::Waarde veld(int kolom) const
    {
        const auto k = static_cast<size_t>(kolom);
        const int i = m_kolommen->plaats[k];
        if (i < 0)
            return db::Waarde::null();
        // A record reads many fields more than once (a set's points, then whether the next set was played).
        if (m_kolommen->gelezenVoor[k] != m_rij) {
            m_kolommen->waarden[k] = m_rs.veld(i);
            m_kolommen->gelezenVoor[k] = m_rij;
        }
        return m_kolommen->waarden[k];
    }
    QString tekst(int kolom) const { return veld(kolom).tekst(); }
    // Null, the empty text and a single blank are all "empty"; anything else as stored.
    QString inhoud(int kolom) const { return core::objAlgemeneFuncties().Inhoud(veld(kolom)).tekst(); }

private:
    const db::Recordset& m_rs;
    Recordgegevens::Kolommen* m_kolommen = nullptr;
    quint64 m_rij = 0;
};

// The club code of one side: the province's TabT and the club number without leading zeros, or
// "Bye" for a free place.
QString clubcode(const Rij& rij, int lk, int prov, const Recordgegevens& g)
{
    const QString club = rij.tekst(lk);
    if (IsVrijePlaats(club))
        return QStringLiteral("Bye");
    const int provincie = static_cast<int>(LeidendGetal(rij.tekst(prov)));
    const auto tabT = g.tabT.constFind(provincie);
    if (tabT == g.tabT.constEnd())
        throw RecordFout(QStringLiteral("provincie %1 staat niet in de tabel Provincies").arg(provincie));
    return *tabT + QString::number(LeidendGetal(club));
}

// The line-up of one side: one entry per place, an absent player marked with a leading "-", and
// for a team of fewer than four places the doubles pair as two place numbers.
QString opstelling(const Rij& rij, bool thuis, int plaatsen, int breedte)
{
    QString uit;
    for (int k = 1; k <= plaatsen && k <= 4; ++k) {
        if (rij.inhoud(afwezig(thuis, k)) == u"J")
            uit += u'-';
        const QString lid = rij.inhoud(speler(thuis, k));
        uit += lid.isEmpty() ? QStringLiteral("-") : lid;
        if (k < 4)
            uit += u',';
    }
    if (plaatsen != 4) {
        const QString paar = rij.inhoud(thuis ? Opmerk1 : Opmerk2);
        // The place of a member number among the first three; an empty half matches no place.
        const auto plaats = [&](const QString& lid) -> QString {
            if (lid.isEmpty())
                return QString();
            for (int k = 1; k <= 3; ++k) {
                if (rij.inhoud(speler(thuis, k)) == lid)
                    return QString::number(k);
            }
            return QString();
        };
        uit += plaats(core::Left(paar, breedte));
        uit += u'-';
        uit += plaats(core::Right(paar, breedte));
    }
    return uit;
}

// The games: "P" and one entry per game, the loser's points of each set ("-" when the visitor won).
QString spellen(const Rij& rij, const Recordkenmerken& k, const QString& superDubbel)
{
    const int aantal = AantalSpellen(k.spelersPerPloeg);
    const bool forfaitThuis = rij.inhoud(ForfaitTh) == u"J";
    const bool forfaitUit = rij.inhoud(ForfaitUit) == u"J";
    QString uit = QStringLiteral("P");
    for (int i = 1; i <= aantal; ++i) {
        if (i == 4 && superDubbel == u"N")
            continue;
        if (forfaitThuis) {
            uit += u'8';
        } else if (forfaitUit) {
            uit += u'9';
        } else if (i == VastNietGespeeldSpel(k)) {
            uit += QStringLiteral("-,");
            continue;
        } else {
            const QString set1 = rij.inhoud(setPunten(i, 1, true));
            if (set1 == u"w") {
                const QString m = rij.tekst(markering(i));
                if (m == u"=")
                    uit += u'-';
                else if (m == u"+")
                    uit += u'9';
                else if (m == u"-")
                    uit += u'8';
            } else if (set1.isEmpty()) {
                continue;
            } else {
                for (int s = 1; s <= 5; ++s) {
                    if (!rij.inhoud(setPunten(i, s, true)).isEmpty()) {
                        const QString thuis = rij.tekst(setPunten(i, s, true));
                        const QString bezoekers = rij.tekst(setPunten(i, s, false));
                        if (LeidendGetal(bezoekers) > LeidendGetal(thuis))
                            uit += u'-' + thuis;
                        else
                            uit += bezoekers;
                    }
                    if (s < 5 && !rij.inhoud(setPunten(i, s + 1, true)).isEmpty())
                        uit += u'/';
                }
            }
        }
        if (i < aantal)
            uit += u',';
    }
    return uit;
}

// A captain as stored: a member number, or the line-up place (counted from 0) of the captain, which
// is written as that place's member number.
QString kapitein(const Rij& rij, bool thuis)
{
    const db::Waarde w = rij.veld(thuis ? KapiteinT : KapiteinU);
    const QString waarde = w.isNull() ? QString() : w.tekst();
    if (waarde.isEmpty())
        return QStringLiteral("-");
    if (waarde.size() == 1 && waarde[0] >= u'0' && waarde[0] <= u'3') {
        const QString lid = rij.inhoud(speler(thuis, waarde[0].digitValue() + 1));
        return lid.isEmpty() ? QStringLiteral("-") : lid;
    }
    return waarde;
}

// The code of a provincial match by its home province, both ways.
struct Provinciecode
{
    int provincie;
    const char* code;
};
constexpr Provinciecode Provinciecodes[] = {{10, "PWVL"}, {1, "PANT"}, {3, "PL/K"}, {7, "POVL"}, {8, "PVLB"}};

// The headings of the reservations of the home team, the visitors and the official, in their order.
constexpr const char* Voorbehoudkoppen[] = {"Voorbehoud THUIS:", "Voorbehoud UIT:", "Voorbehoud OFFICIAL:"};

QString ofStreepje(const QString& tekst)
{
    return tekst.isEmpty() ? QStringLiteral("-") : tekst;
}

} // namespace

Recordgegevens Recordgegevens::lezen(db::Database& d)
{
    Recordgegevens g;
    db::Recordset p = d.openRecordset(QStringLiteral("SELECT Nr, TabT FROM Provincies"));
    for (; !p.eof(); p.moveNext()) {
        if (!p.veld(0).isNull())
            g.tabT.insert(static_cast<int>(p.veld(0).geheel()), p.veld(1).tekst());
    }
    db::Recordset o = d.openRecordset(QStringLiteral("SELECT Item FROM Opties WHERE Soort = ?"),
                                      {QStringLiteral("SuperDubbelSpelen")});
    if (!o.eof())
        g.superDubbel = core::UCase(o.veld(0).tekst());
    g.breedteCompNr = core::algemeen().intAantalKaraktersCompNr > 0 ? core::algemeen().intAantalKaraktersCompNr : 6;
    return g;
}

QString WedstrijdRecordMaken(const db::Recordset& rs, const Recordkenmerken& k, const Recordgegevens& g)
{
    const Rij rij(rs, g);
    const QString seizoen = rij.tekst(Seizoen);
    const QString soortComp = rij.tekst(SoortComp);
    const QString herDam = rij.tekst(HerDam);

    bool jaartal = seizoen.size() >= 4;
    for (int i = 0; jaartal && i < 4; ++i)
        jaartal = seizoen[i].isDigit();
    if (!jaartal)
        throw RecordFout(QStringLiteral("het seizoen \"%1\" begint niet met een jaartal").arg(seizoen));

    const QString superDubbel = SuperDubbelWaarde(soortComp, herDam, rij.veld(Soort), g.superDubbel);

    QString r = QStringLiteral("I;") + QString::number(SeizoenNaarNummer(seizoen)) + u';';
    r += Competitiecode(soortComp, herDam, static_cast<int>(LeidendGetal(rij.tekst(ProvThuis))), k.povl);
    r += u'-' + herDam + u'-' + rij.tekst(WeekNr) + u'-' + QString::number(LeidendGetal(core::Right(rij.tekst(WedstrNr), 3)))
         + u';';
    r += clubcode(rij, LKThuis, ProvThuis, g) + u';';
    r += clubcode(rij, LKUIT, ProvUIT, g) + u';';
    r += opstelling(rij, true, k.plaatsen, g.breedteCompNr) + u';';
    r += opstelling(rij, false, k.plaatsen, g.breedteCompNr) + u';';
    r += spellen(rij, k, superDubbel) + u';';
    const bool geenKapitein = k.forfait || k.vrijePlaats;
    r += (geenKapitein ? QStringLiteral("-") : kapitein(rij, true)) + u',';
    r += (geenKapitein ? QStringLiteral("-") : kapitein(rij, false)) + u',';
    r += ofStreepje(rij.inhoud(HoofdschCompnr)) + u',';
    r += ofStreepje(rij.inhoud(ZaalcommCompnr)) + u';';
    r += rij.inhoud(Uur).replace(u'.', u':') + u',';
    r += rij.inhoud(Einduur).replace(u'.', u':') + u';';
    r += u'"' + VoorbehoudTekst(rij.veld(VoorbehoudT), rij.veld(Voorbehoudu), rij.veld(OpmOffScheids)) + u'"';
    return r;
}

QStringList WaardenBuitenAnsi(const db::Recordset& rs, const Recordgegevens& g)
{
    const Rij rij(rs, g);
    QStringList waarden;
    for (int k = 0; k < AantalKolommen; ++k) {
        const QString tekst = rij.tekst(k);
        if (!core::pastInAnsi(tekst))
            waarden << tekst;
    }
    return waarden;
}

int SeizoenNaarNummer(const QString& seizoen)
{
    return static_cast<int>(core::Val(core::Left(seizoen, 4))) - 1999;
}

QString VoorbehoudTekst(const db::Waarde& thuis, const db::Waarde& uit, const db::Waarde& official)
{
    const QString n = QStringLiteral("\\n");
    // A remark is stored as one blank when its window was closed empty: that is no remark.
    const db::Waarde* teksten[] = {&thuis, &uit, &official};
    QString r;
    for (int i = 0; i < 3; ++i) {
        const QString t = TekstOntsnappen(core::objAlgemeneFuncties().Inhoud(*teksten[i]).tekst());
        if (!t.isEmpty())
            r += (r.isEmpty() ? QString() : n) + QLatin1String(Voorbehoudkoppen[i]) + n + t;
    }
    return r;
}

std::optional<std::array<QString, 3>> VoorbehoudTekstLezen(QStringView tekst)
{
    // The lines of the text: split at every "\n" that is no "n" after an escaped backslash, each
    // line with "\\" one backslash again.
    QStringList regels;
    QString regel;
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        if (tekst[i] == u'\\' && i + 1 < tekst.size() && (tekst[i + 1] == u'\\' || tekst[i + 1] == u'n')) {
            if (tekst[++i] == u'n') {
                regels << regel;
                regel.clear();
            } else {
                regel += u'\\';
            }
        } else {
            regel += tekst[i];
        }
    }
    regels << regel;
    // Each heading starts its text; the headings come in their order, so a line of a text that reads
    // as an earlier heading is part of that text.
    std::array<QString, 3> teksten;
    int huidig = -1;
    bool eerste = false;
    for (const QString& r : std::as_const(regels)) {
        int kop = -1;
        for (int k = huidig + 1; k < 3 && kop < 0; ++k) {
            if (r == QLatin1String(Voorbehoudkoppen[k]))
                kop = k;
        }
        if (kop >= 0) {
            huidig = kop;
            eerste = true;
            continue;
        }
        if (huidig < 0)
            return std::nullopt;
        if (!eerste)
            teksten[static_cast<size_t>(huidig)] += u'\n';
        teksten[static_cast<size_t>(huidig)] += r;
        eerste = false;
    }
    if (huidig < 0)
        return std::nullopt;
    // The remarks window stores a line end as CR LF, which the escaping writes as two "\n": each
    // pair is that line end again, so that the text and its result line come back the same. A lone
    // one (a CR, LF or vertical tab stored by other means) becomes a line feed.
    for (QString& t : teksten) {
        QString uit;
        uit.reserve(t.size() + 8);
        for (qsizetype i = 0; i < t.size(); ++i) {
            if (t[i] == u'\n' && i + 1 < t.size() && t[i + 1] == u'\n') {
                uit += QStringLiteral("\r\n");
                ++i;
            } else {
                uit += t[i];
            }
        }
        t = uit;
    }
    return teksten;
}

QString TekstOntsnappen(const QString& tekst)
{
    QString r = tekst;
    r.replace(u'\\', QStringLiteral("\\\\"));
    r.replace(u'"', u'\'');
    r.replace(u'\r', QStringLiteral("\\n"));
    r.replace(u'\n', QStringLiteral("\\n"));
    r.replace(u'\v', QStringLiteral("\\n"));
    return r;
}

QString Competitiecode(const QString& soortComp, const QString& herDam, int thuisProvincie, bool povl)
{
    if (soortComp == u"S")
        return herDam == u"D" ? QStringLiteral("NATL") : QStringLiteral("SUPR");
    if (soortComp == u"N")
        return QStringLiteral("NATL");
    if (soortComp == u"L")
        return QStringLiteral("LAND");
    if (soortComp != u"P")
        return QString();
    if (povl)
        return QStringLiteral("POVL");
    for (const Provinciecode& p : Provinciecodes) {
        if (p.provincie == thuisProvincie)
            return QLatin1String(p.code);
    }
    return QString();
}

int ProvincieVanCompetitiecode(const QString& tekst)
{
    for (const Provinciecode& p : Provinciecodes) {
        if (tekst.contains(QLatin1String(p.code)))
            return p.provincie;
    }
    return 0;
}

qint64 LeidendGetal(const QString& tekst)
{
    qsizetype i = 0;
    while (i < tekst.size() && tekst[i] == u' ')
        ++i;
    qint64 getal = 0;
    for (; i < tekst.size() && tekst[i] >= u'0' && tekst[i] <= u'9' && getal < 100000000000LL; ++i)
        getal = getal * 10 + (tekst[i].unicode() - u'0');
    return getal;
}

bool IsVrijePlaats(const QString& ploegnaam)
{
    return core::LCase(core::Left(ploegnaam.trimmed(), 4)) == u"vrij";
}

QString SuperDubbelWaarde(const QString& soortComp, const QString& herDam, const db::Waarde& soort,
                          const std::optional<QString>& optie)
{
    if (soortComp != u"S" || herDam == u"D" || core::Val(soort) != 4)
        return QStringLiteral("J");
    if (!optie)
        throw RecordFout(QStringLiteral("de optie 'SuperDubbelSpelen' ontbreekt"));
    return *optie;
}

bool IsSuperReeks(const QString& naam)
{
    return naam.contains(u"Super");
}

void ReeksKenmerkenZetten(const QString& naam, Recordkenmerken& kenmerken)
{
    const QString klein = core::LCase(naam);
    kenmerken.limburg = klein.contains(u" - prov. limburg - ");
    kenmerken.vrijetijd = klein.contains(u"vrijetijd");
}

int VastNietGespeeldSpel(const Recordkenmerken& kenmerken)
{
    return kenmerken.vrijetijd && kenmerken.limburg ? 7 : 0;
}

int Plaatsen(int spelersPerPloeg, const QString& superDubbel)
{
    return spelersPerPloeg == 2 ? (superDubbel == u"J" ? 3 : 4) : spelersPerPloeg;
}

int AantalSpellen(int spelersPerPloeg)
{
    switch (spelersPerPloeg) {
    case 4:
        return 16;
    case 3:
        return 10;
    case 2:
        return 7;
    default:
        return 0;
    }
}

} // namespace exchange
