#include "Wedstrijdrecord.h"

#include "core/Algemeen.h"
#include "core/AlgemeneFuncties.h"
#include "core/Tekst.h"

namespace exchange {

namespace {

// Null, the empty text and a single blank are all "empty"; anything else as stored.
QString inhoud(const db::Waarde& w)
{
    return core::objAlgemeneFuncties().Inhoud(w).tekst();
}

QString inhoud(const db::Recordset& rij, const QString& veld)
{
    return inhoud(rij.veld(veld));
}

QString nn(int nummer)
{
    return QStringLiteral("%1").arg(nummer, 2, 10, QLatin1Char('0'));
}

// The club code of one side: the province's TabT and the club number without leading zeros, or
// "Bye" for a free place.
QString clubcode(const db::Recordset& rij, const QString& lk, const QString& prov, const Recordgegevens& g)
{
    const QString club = rij.veld(lk).tekst();
    if (IsVrijePlaats(club))
        return QStringLiteral("Bye");
    const int provincie = static_cast<int>(LeidendGetal(rij.veld(prov).tekst()));
    const auto tabT = g.tabT.constFind(provincie);
    if (tabT == g.tabT.constEnd())
        throw RecordFout(QStringLiteral("provincie %1 staat niet in de tabel Provincies").arg(provincie));
    return *tabT + QString::number(LeidendGetal(club));
}

// The line-up of one side: one entry per place, an absent player marked with a leading "-", and
// for a team of fewer than four places the doubles pair as two place numbers.
QString opstelling(const db::Recordset& rij, bool thuis, int plaatsen, int breedte)
{
    const QString sp = thuis ? QStringLiteral("THUISSP") : QStringLiteral("UITSP");
    const QString afw = thuis ? QStringLiteral("AFWTH") : QStringLiteral("AFWUIT");
    QString uit;
    for (int k = 1; k <= plaatsen; ++k) {
        if (inhoud(rij, afw + QString::number(k)) == u"J")
            uit += u'-';
        const QString lid = inhoud(rij, sp + QString::number(k));
        uit += lid.isEmpty() ? QStringLiteral("-") : lid;
        if (k < 4)
            uit += u',';
    }
    if (plaatsen != 4) {
        const QString paar = inhoud(rij, thuis ? QStringLiteral("Opmerk1") : QStringLiteral("Opmerk2"));
        // The place of a member number among the first three; an empty half matches no place.
        const auto plaats = [&](const QString& lid) -> QString {
            if (lid.isEmpty())
                return QString();
            for (int k = 1; k <= 3; ++k) {
                if (inhoud(rij, sp + QString::number(k)) == lid)
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
QString spellen(const db::Recordset& rij, const Recordkenmerken& k, const QString& superDubbel)
{
    const int aantal = AantalSpellen(k.spelersPerPloeg);
    const bool forfaitThuis = inhoud(rij, QStringLiteral("forfaitth")) == u"J";
    const bool forfaitUit = inhoud(rij, QStringLiteral("forfaituit")) == u"J";
    QString uit = QStringLiteral("P");
    for (int i = 1; i <= aantal; ++i) {
        if (i == 4 && superDubbel == u"N")
            continue;
        const QString w = QStringLiteral("W") + nn(i);
        if (forfaitThuis) {
            uit += u'8';
        } else if (forfaitUit) {
            uit += u'9';
        } else if (k.vrijetijd && k.limburg && i == 7) {
            uit += QStringLiteral("-,");
            continue;
        } else {
            const QString set1 = inhoud(rij, w + QStringLiteral("Set1T"));
            if (set1 == u"w") {
                const QString markering = rij.veld(w).tekst();
                if (markering == u"=")
                    uit += u'-';
                else if (markering == u"+")
                    uit += u'9';
                else if (markering == u"-")
                    uit += u'8';
            } else if (set1.isEmpty()) {
                continue;
            } else {
                for (int s = 1; s <= 5; ++s) {
                    const QString set = w + QStringLiteral("Set") + QString::number(s);
                    if (!inhoud(rij, set + u'T').isEmpty()) {
                        const QString thuis = rij.veld(set + u'T').tekst();
                        const QString bezoekers = rij.veld(set + u'U').tekst();
                        if (LeidendGetal(bezoekers) > LeidendGetal(thuis))
                            uit += u'-' + thuis;
                        else
                            uit += bezoekers;
                    }
                    if (s < 5 && !inhoud(rij, w + QStringLiteral("Set") + QString::number(s + 1) + u'T').isEmpty())
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
QString kapitein(const db::Recordset& rij, bool thuis)
{
    const db::Waarde w = rij.veld(thuis ? QStringLiteral("KapiteinT") : QStringLiteral("KapiteinU"));
    const QString waarde = w.isNull() ? QString() : w.tekst();
    if (waarde.isEmpty())
        return QStringLiteral("-");
    if (waarde.size() == 1 && waarde[0] >= u'0' && waarde[0] <= u'3') {
        const QString lid = inhoud(rij, (thuis ? QStringLiteral("THUISSP") : QStringLiteral("UITSP"))
                                            + QString::number(waarde[0].digitValue() + 1));
        return lid.isEmpty() ? QStringLiteral("-") : lid;
    }
    return waarde;
}

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

QString WedstrijdRecordMaken(const db::Recordset& rij, const Recordkenmerken& k, const Recordgegevens& g)
{
    const QString seizoen = rij.veld(QStringLiteral("Seizoen")).tekst();
    const QString soortComp = rij.veld(QStringLiteral("SoortComp")).tekst();
    const QString herDam = rij.veld(QStringLiteral("HerDam")).tekst();

    bool jaartal = seizoen.size() >= 4;
    for (int i = 0; jaartal && i < 4; ++i)
        jaartal = seizoen[i].isDigit();
    if (!jaartal)
        throw RecordFout(QStringLiteral("het seizoen \"%1\" begint niet met een jaartal").arg(seizoen));

    QString superDubbel = QStringLiteral("J");
    if (soortComp == u"S" && herDam != u"D" && core::Val(rij.veld(QStringLiteral("Soort"))) == 4) {
        if (!g.superDubbel)
            throw RecordFout(QStringLiteral("de optie 'SuperDubbelSpelen' ontbreekt"));
        superDubbel = *g.superDubbel;
    }

    QString r = QStringLiteral("I;") + QString::number(SeizoenNaarNummer(seizoen)) + u';';
    r += Competitiecode(soortComp, herDam, static_cast<int>(LeidendGetal(rij.veld(QStringLiteral("ProvThuis")).tekst())),
                        k.povl);
    r += u'-' + herDam + u'-' + rij.veld(QStringLiteral("WeekNr")).tekst() + u'-'
         + QString::number(LeidendGetal(core::Right(rij.veld(QStringLiteral("WedstrNr")).tekst(), 3))) + u';';
    r += clubcode(rij, QStringLiteral("LKThuis"), QStringLiteral("ProvThuis"), g) + u';';
    r += clubcode(rij, QStringLiteral("LKUIT"), QStringLiteral("ProvUIT"), g) + u';';
    r += opstelling(rij, true, k.plaatsen, g.breedteCompNr) + u';';
    r += opstelling(rij, false, k.plaatsen, g.breedteCompNr) + u';';
    r += spellen(rij, k, superDubbel) + u';';
    const bool geenKapitein = k.forfait || k.vrijePlaats;
    r += (geenKapitein ? QStringLiteral("-") : kapitein(rij, true)) + u',';
    r += (geenKapitein ? QStringLiteral("-") : kapitein(rij, false)) + u',';
    r += ofStreepje(inhoud(rij, QStringLiteral("HoofdschCompnr"))) + u',';
    r += ofStreepje(inhoud(rij, QStringLiteral("ZaalcommCompnr"))) + u';';
    r += inhoud(rij, QStringLiteral("Uur")).replace(u'.', u':') + u',';
    r += inhoud(rij, QStringLiteral("Einduur")).replace(u'.', u':') + u';';
    r += u'"'
         + VoorbehoudTekst(rij.veld(QStringLiteral("VoorbehoudT")), rij.veld(QStringLiteral("Voorbehoudu")),
                           rij.veld(QStringLiteral("OpmOffScheids")))
         + u'"';
    return r;
}

int SeizoenNaarNummer(const QString& seizoen)
{
    return static_cast<int>(core::Val(core::Left(seizoen, 4))) - 1999;
}

QString VoorbehoudTekst(const db::Waarde& thuis, const db::Waarde& uit, const db::Waarde& official)
{
    const QString n = QStringLiteral("\\n");
    QString r;
    const QString t = TekstOntsnappen(thuis.isNull() ? QString() : thuis.tekst());
    if (!t.isEmpty())
        r += QStringLiteral("Voorbehoud THUIS:") + n + t;
    const QString u = TekstOntsnappen(uit.isNull() ? QString() : uit.tekst());
    if (!u.isEmpty())
        r += (r.isEmpty() ? QString() : n) + QStringLiteral("Voorbehoud UIT:") + n + u;
    const QString o = TekstOntsnappen(official.isNull() ? QString() : official.tekst());
    if (!o.isEmpty())
        r += (r.isEmpty() ? QString() : n) + QStringLiteral("Voorbehoud OFFICIAL:") + n + o;
    return r;
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
    switch (thuisProvincie) {
    case 10:
        return QStringLiteral("PWVL");
    case 1:
        return QStringLiteral("PANT");
    case 3:
        return QStringLiteral("PL/K");
    case 7:
        return QStringLiteral("POVL");
    case 8:
        return QStringLiteral("PVLB");
    default:
        return QString();
    }
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
