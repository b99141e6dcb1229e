#include "IngevuldeWedstrijden.h"

#include "Uitslagen.h"
#include "Wedstrijdrecord.h"

#include "core/Algemeen.h"
#include "core/AlgemeneProcedures.h"
#include "core/Matchkolommen.h"
#include "core/Tekst.h"

using core::algemeen;

namespace exchange {

namespace {

QString sleutel(std::initializer_list<QString> delen)
{
    QString s;
    for (const QString& deel : delen)
        s += deel.toUpper() + u'\x1f';
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

// One side's line-up: member number and absence per place, and the doubles pair.
struct Opstelling
{
    QString lid[4];
    QString afwezig[4];
    QString dubbel;
};

Opstelling opstellingLezen(const QString& veld, int laatstePlaats)
{
    Opstelling o;
    QString rest = veld + u',';
    for (int i = 0; i <= 3; ++i) {
        if (laatstePlaats == 3 || i < 3) {
            QString plaats = neem(rest, u',');
            if (plaats.startsWith(u'-') && plaats.size() > 1) {
                o.afwezig[i] = QStringLiteral("J");
                plaats.remove(0, 1);
            } else {
                o.afwezig[i] = QStringLiteral("N");
            }
            if (plaats == u"-" || plaats == u" ")
                plaats.clear();
            o.lid[i] = plaats;
        } else {
            const QString paar = neem(rest, u',');
            if (!paar.startsWith(u'-') && !paar.isEmpty()) {
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

// One game: its marker and the points of sets 1 to 5, home and away.
struct Spel
{
    QString markering;
    QString thuis[5];
    QString uit[5];
};

Spel spelLezen(const QString& invoer)
{
    Spel s;
    if (invoer == u"-" || invoer == u"8" || invoer == u"9") {
        s.markering = invoer == u"-" ? QStringLiteral("=") : invoer == u"8" ? QStringLiteral("-") : QStringLiteral("+");
        for (int k = 0; k < 3; ++k) {
            s.thuis[k] = QStringLiteral("w");
            s.uit[k] = QStringLiteral("o");
        }
        return s;
    }
    QString rest = invoer + u'/';
    int thuisSets = 0;
    int k = 0;
    while (rest.size() >= 2) {
        const QString set = neem(rest, u'/');
        if (k == 5)
            throw RecordFout(QStringLiteral("het spel \"%1\" heeft meer dan vijf sets").arg(invoer));
        const bool bezoekers = set.startsWith(u'-');
        const QString verliezer = bezoekers ? set.mid(1) : set;
        if (!core::AlleenCijfers(verliezer))
            throw RecordFout(QStringLiteral("de set \"%1\" in het spel \"%2\" is geen getal").arg(set, invoer));
        const qint64 punten = verliezer.toLongLong();
        const QString winnaar = QString::number(std::max<qint64>(punten + 2, 11));
        if (bezoekers) {
            s.thuis[k] = verliezer;
            s.uit[k] = winnaar;
        } else {
            s.thuis[k] = winnaar;
            s.uit[k] = set;
            ++thuisSets;
        }
        ++k;
    }
    s.markering = thuisSets >= 3 ? QStringLiteral("+") : QStringLiteral("-");
    return s;
}

// The captain as the sheet stores him: his member number when he stands on one of the places, empty
// when he stands on none. (A place number would be ambiguous: place 1, counted from 0, reads as "0",
// which the after-match sheet takes for a missing captain.)
QString kapiteinOpPlaats(const QString& lid, const Opstelling& o, int laatstePlaats)
{
    for (int i = 0; i <= laatstePlaats; ++i) {
        if (!o.lid[i].isEmpty() && o.lid[i] == lid)
            return lid;
    }
    return QString();
}

// The sheet's column names, made once.
struct Bladnamen
{
    QString thuis[4], uit[4], afwThuis[4], afwUit[4];
    QString markering[16];
    QString setThuis[16][5], setUit[16][5];

    Bladnamen()
    {
        for (int k = 0; k < 4; ++k) {
            thuis[k] = QStringLiteral("THUISSP%1").arg(k + 1);
            uit[k] = QStringLiteral("UITSP%1").arg(k + 1);
            afwThuis[k] = QStringLiteral("AFWTH%1").arg(k + 1);
            afwUit[k] = QStringLiteral("AFWUIT%1").arg(k + 1);
        }
        for (int g = 0; g < 16; ++g) {
            markering[g] = core::SpelKolom(g + 1);
            for (int s = 0; s < 5; ++s) {
                setThuis[g][s] = core::SetKolom(g + 1, s + 1, true);
                setUit[g][s] = core::SetKolom(g + 1, s + 1, false);
            }
        }
    }
};

const Bladnamen& bladnamen()
{
    static const Bladnamen namen;
    return namen;
}

} // namespace

IngevuldeSectie IngevuldeWedstrijdenExporteren(core::IVoortgang& voortgang)
{
    IngevuldeSectie sectie;
    sectie.overgeslagen = IngevuldeWedstrijdenMarkeren();

    db::Database& d = algemeen().dbGegevens;
    db::Recordset rij = d.openRecordset(QStringLiteral("SELECT * FROM Matchen WHERE Ingeput = 'J' ORDER BY SoortComp ASC, rowid"));
    if (rij.eof())
        return sectie;
    // The first match decides for the whole section whether every provincial match is coded POVL.
    const bool povl = core::Val(rij.veld(QStringLiteral("ProvThuis"))) == 8 && core::Val(rij.veld(QStringLiteral("LKThuis"))) == 247;
    const Recordgegevens gegevens = Recordgegevens::lezen(d);
    const qint64 aantal = rij.recordCount();
    core::Voortgangsmarkering markering(static_cast<double>(aantal), 5, 5);
    QStringList records;
    qint64 teller = 0;
    ReeksZoeker reeksen;
    for (; !rij.eof(); rij.moveNext()) {
        ++teller;
        const Reeks reeks = reeksen.zoeken(rij);
        if (!reeks.gevonden) {
            sectie.overgeslagen << WedstrijdNoemen(rij) + QStringLiteral(" (de reeks staat niet in de tabel Reeksen)");
        } else {
            Recordkenmerken k;
            k.spelersPerPloeg = static_cast<qint16>(reeks.spelers);
            k.plaatsen = k.spelersPerPloeg == 2 ? 3 : k.spelersPerPloeg;
            const QString naam = core::LCase(reeks.naam);
            k.limburg = naam.contains(u" - prov. limburg - ");
            k.vrijetijd = naam.contains(u"vrijetijd");
            k.forfait = rij.veld(QStringLiteral("forfaitth")).tekst() == u"J" || rij.veld(QStringLiteral("forfaituit")).tekst() == u"J";
            k.vrijePlaats = IsVrijePlaats(rij.veld(QStringLiteral("nmthuis")).tekst())
                            || IsVrijePlaats(rij.veld(QStringLiteral("nmuit")).tekst());
            k.povl = povl;
            try {
                records << WedstrijdRecordMaken(rij, k, gegevens);
            } catch (const RecordFout& fout) {
                sectie.overgeslagen << WedstrijdNoemen(rij) + QStringLiteral(" (") + fout.reden() + u')';
            }
        }
        const int teken = markering.bij(teller);
        if (teken >= 0)
            voortgang.UpdateProgress(teken);
    }
    if (records.isEmpty())
        return sectie;
    sectie.wedstrijden = static_cast<int>(records.size());
    sectie.regels << QStringLiteral("###ingevulde Wedstrijden") << u' ' + QString::number(records.size()) + u' ';
    sectie.regels << records;
    sectie.regels << QStringLiteral("###");
    return sectie;
}

IngevuldRecord IngevuldRecordLezen(const QString& invoer)
{
    IngevuldRecord r;
    QString rest = invoer.endsWith(u';') ? invoer : invoer + u';';
    for (int i = 0; i < 10; ++i) {
        if (!rest.contains(u';'))
            throw RecordFout(QStringLiteral("de regel heeft maar %1 van de tien velden").arg(i));
        r.velden[i] = neem(rest, u';');
    }
    const QString seizoen = r.velden[1].trimmed();
    if (!core::AlleenCijfers(seizoen))
        throw RecordFout(QStringLiteral("het seizoen \"%1\" is geen getal").arg(r.velden[1]));
    const int n = seizoen.toInt();
    r.seizoen = QString::number(n + 1999) + u'-' + QString::number(n + 2000);

    const QString& wedstrijd = r.velden[2];
    const QStringList delen = wedstrijd.split(u'-');
    if (delen.size() < 4)
        throw RecordFout(QStringLiteral("de wedstrijd \"%1\" is niet van de vorm code-categorie-week-nummer").arg(wedstrijd));
    r.niveau = wedstrijd.left(1);
    if (const int provincie = ProvincieVanCompetitiecode(wedstrijd))
        r.provincieNr = QString::number(provincie);
    r.categorie = delen[1].left(1);
    r.week = delen[2];
    QString cijfers = core::Right(delen.mid(3).join(u'-'), 3);
    while (cijfers.size() < 3)
        cijfers.prepend(u'0');
    r.cijfers = cijfers;
    return r;
}

IngevuldeWedstrijdenLezer::IngevuldeWedstrijdenLezer()
{
    db::Database& d = algemeen().dbGegevens;
    db::Recordset m = d.openRecordset(
        QStringLiteral("SELECT rowid, Seizoen, SoortComp, HerDam, WedstrNr, ProvThuis, ReeksNr FROM Matchen ORDER BY rowid"));
    for (; !m.eof(); m.moveNext()) {
        Match match;
        match.seizoen = m.veld(1).tekst();
        match.soortComp = m.veld(2).tekst();
        match.herDam = m.veld(3).tekst();
        match.wedstrNr = m.veld(4).tekst();
        match.provThuis = m.veld(5).tekst();
        match.reeksNr = m.veld(6).tekst();
        m_matchen[sleutel({m.veld(1).tekst(), m.veld(2).tekst(), m.veld(3).tekst(), match.wedstrNr.left(1),
                           core::Right(match.wedstrNr, 3)})]
            .append(match);
    }
    db::Recordset r = d.openRecordset(
        QStringLiteral("SELECT Seizoen, Soort, HerDam, ReeksNr, AtlIndividueleMatchen FROM Reeksen ORDER BY rowid"));
    for (; !r.eof(); r.moveNext()) {
        const QString s = sleutel({r.veld(0).tekst(), r.veld(1).tekst(), r.veld(2).tekst(), r.veld(3).tekst()});
        if (!m_reeksen.contains(s))
            m_reeksen.insert(s, static_cast<int>(LeidendGetal(r.veld(4).tekst())));
    }
    m_tabel = d.openTabel(QStringLiteral("Matchen"));
    m_tabel.setIndex(QStringLiteral("WedstrNr"));
}

QString IngevuldeWedstrijdenLezer::inlezen(const QString& regel)
{
    const IngevuldRecord r = IngevuldRecordLezen(regel);
    const QString naam = QStringLiteral("wedstrijd %1 van %2").arg(r.velden[2], r.seizoen);

    if (!r.provincieNr.isEmpty() && !m_provincies.contains(r.provincieNr))
        m_provincies.insert(r.provincieNr, !core::ProvincieAfkorting(r.provincieNr).isEmpty());
    if (!r.provincieNr.isEmpty() && !m_provincies.value(r.provincieNr))
        return naam + QStringLiteral(": provincie %1 staat niet in de tabel Provincies").arg(r.provincieNr);

    // The match: season, level, category, the home province of a provincial record, and a number
    // that begins with the level letter and ends in the week and the digits.
    const QString einde = (r.week + r.cijfers).toUpper();
    const Match* gevonden = nullptr;
    for (const Match& m : std::as_const(m_matchen[sleutel({r.seizoen, r.niveau, r.categorie, r.niveau, r.cijfers})])) {
        if (m.wedstrNr.size() > einde.size() && m.wedstrNr.toUpper().endsWith(einde)
            && (r.provincieNr.isEmpty() || m.provThuis.compare(r.provincieNr, Qt::CaseInsensitive) == 0)) {
            gevonden = &m;
            break;
        }
    }
    if (!gevonden)
        return naam + QStringLiteral(": de wedstrijd staat niet in de kalender");
    const auto reeks = m_reeksen.constFind(sleutel({r.seizoen, r.niveau, r.categorie, gevonden->reeksNr}));
    if (reeks == m_reeksen.constEnd())
        return naam + QStringLiteral(": de reeks %1 staat niet in de tabel Reeksen").arg(gevonden->reeksNr);
    const int spelers = *reeks;
    if (spelers < 2 || spelers > 4)
        return naam + QStringLiteral(": de reeks %1 heeft geen ploegen van 2, 3 of 4 spelers").arg(gevonden->reeksNr);
    const int laatstePlaats = spelers == 4 ? 3 : 2;
    const int aantalSpellen = AantalSpellen(spelers);

    const Opstelling thuis = opstellingLezen(r.velden[5], laatstePlaats);
    const Opstelling uit = opstellingLezen(r.velden[6], laatstePlaats);

    QList<Spel> spellen;
    const QString& spelVeld = r.velden[7];
    if (spelVeld.startsWith(u'P') && spelVeld.size() > 1) {
        QStringList invoer = spelVeld.mid(1).split(u',');
        // A Super match written without its fourth game (the doubles) has one entry less: the later
        // games keep their own numbers.
        if (r.niveau == u"S" && r.categorie != u"D" && invoer.size() == aantalSpellen - 1)
            invoer.insert(3, QString());
        for (int g = 0; g < aantalSpellen; ++g) {
            const QString spel = g < invoer.size() ? invoer[g] : QString();
            spellen << (spel.isEmpty() ? Spel() : spelLezen(spel));
        }
    }

    QString rest = r.velden[8] + u',';
    const QString kapiteinT = kapiteinOpPlaats(neem(rest, u','), thuis, laatstePlaats);
    const QString kapiteinU = kapiteinOpPlaats(neem(rest, u','), uit, laatstePlaats);
    // A "-" stands for no official.
    const auto official = [](const QString& lid) { return lid == u"-" ? QString() : lid; };
    const QString hoofdscheids = official(neem(rest, u','));
    const QString zaalcommissaris = rest.isEmpty() ? QString() : official(neem(rest, u','));
    rest = r.velden[9] + u',';
    const QString uur = neem(rest, u',').replace(u':', u'.');
    const QString einduur = rest.isEmpty() ? QString() : neem(rest, u',').replace(u':', u'.');

    // The row of the match: its season and number, and among rows with the same (there should be
    // none) the one of its level, category and province.
    m_tabel.seek(QStringLiteral("="), {gevonden->seizoen, gevonden->wedstrNr});
    for (; !m_tabel.noMatch() && !m_tabel.eof(); m_tabel.moveNext()) {
        if (m_tabel.veld(QStringLiteral("WedstrNr")).tekst() != gevonden->wedstrNr
            || m_tabel.veld(QStringLiteral("Seizoen")).tekst() != gevonden->seizoen)
            return naam + QStringLiteral(": de wedstrijd staat niet in de kalender");
        if (m_tabel.veld(QStringLiteral("SoortComp")).tekst() == gevonden->soortComp
            && m_tabel.veld(QStringLiteral("HerDam")).tekst() == gevonden->herDam
            && m_tabel.veld(QStringLiteral("ProvThuis")).tekst() == gevonden->provThuis)
            break;
    }
    if (m_tabel.noMatch() || m_tabel.eof())
        return naam + QStringLiteral(": de wedstrijd staat niet in de kalender");

    // Only what the record holds is written; what it leaves empty stays as stored.
    const Bladnamen& n = bladnamen();
    m_tabel.edit();
    const auto zet = [this](const QString& kolom, const QString& waarde) {
        if (!waarde.isEmpty())
            m_tabel.zet(kolom, waarde);
    };
    for (int i = 0; i <= laatstePlaats; ++i) {
        zet(n.thuis[i], thuis.lid[i]);
        zet(n.uit[i], uit.lid[i]);
        zet(n.afwThuis[i], thuis.afwezig[i]);
        zet(n.afwUit[i], uit.afwezig[i]);
    }
    if (laatstePlaats == 2) {
        zet(QStringLiteral("Opmerk1"), thuis.dubbel);
        zet(QStringLiteral("Opmerk2"), uit.dubbel);
    }
    zet(QStringLiteral("KapiteinT"), kapiteinT);
    zet(QStringLiteral("KapiteinU"), kapiteinU);
    zet(QStringLiteral("HoofdschCompnr"), hoofdscheids);
    zet(QStringLiteral("ZaalcommCompnr"), zaalcommissaris);
    zet(QStringLiteral("Einduur"), einduur);
    zet(QStringLiteral("Uur"), uur);
    for (int g = 0; g < spellen.size() && g < 16; ++g) {
        const Spel& s = spellen[g];
        zet(n.markering[g], s.markering);
        for (int k = 0; k < 5; ++k) {
            zet(n.setThuis[g][k], s.thuis[k]);
            zet(n.setUit[g][k], s.uit[k]);
        }
    }
    m_tabel.update();
    return QString();
}

} // namespace exchange
