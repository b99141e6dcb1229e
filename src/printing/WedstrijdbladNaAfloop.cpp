#include "printing/WedstrijdbladNaAfloop.h"

#include "core/AlgemeneFuncties.h"
#include "core/Algemeen.h"
#include "core/Opstart.h"
#include "core/Documenten.h"
#include "core/AlgemeneProcedures.h"
#include "core/FrmWedstrijdInput.h"
#include "core/FunctiesQJ.h"
#include "core/Tekst.h"
#include "printing/Aflevering.h"
#include "ui/Meldingen.h"
#include "ui/Opschriften.h"
#include "word/Document.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

using core::algemeen;
using namespace word;

namespace printing {

namespace {

const QString Titel = QStringLiteral("Wedstrijdblad");

QString veldTekst(const char* naam)
{
    return algemeen().rsMatchen.veld(QString::fromLatin1(naam)).tekst();
}

QString inhoud(const char* naam)
{
    return core::objAlgemeneFuncties().Inhoud(algemeen().rsMatchen.veld(QString::fromLatin1(naam))).tekst();
}

// A member's name from Leden alone; the number is bound, never pasted into the statement.
std::optional<QString> ledenNaam(const QString& nummer)
{
    db::Recordset rs = algemeen().dbGegevens.openRecordset(QStringLiteral("SELECT Naam FROM Leden WHERE CompNr = ?"), {nummer});
    if (rs.eof())
        return std::nullopt;
    return rs.veld(QStringLiteral("Naam")).tekst();
}

// The places of a side for naming its doubles pair.
QList<core::Opstellingsplaats> opstelling(const std::array<Spelerplaats, 4>& plaatsen)
{
    QList<core::Opstellingsplaats> r;
    for (const Spelerplaats& p : plaatsen)
        r.append({p.compNr, p.naam});
    return r;
}

// The captain's name, or nothing when no captain is filled in. A captain stored as a place number (anything
// but six characters) stands for the member on that place, as the sheet reads it.
std::optional<QString> kapiteinNaam(const QString& opgeslagen, const std::array<Spelerplaats, 4>& plaatsen)
{
    if (opgeslagen.isEmpty() || core::Val(opgeslagen) <= 0)
        return std::nullopt;
    if (auto naam = ledenNaam(opgeslagen))
        return naam;
    QString nummer = opgeslagen;
    if (opgeslagen.size() != 6) {
        const long plaats = std::lround(core::Val(opgeslagen));
        if (plaats >= 0 && plaats < 4 && !plaatsen[static_cast<size_t>(plaats)].compNr.isEmpty())
            nummer = plaatsen[static_cast<size_t>(plaats)].compNr;
    }
    return core::SpelerNaam(nummer).value_or(nummer);
}

int leidendGetal(const QString& tekst)
{
    return static_cast<int>(core::Val(tekst));
}

bool isVrij(const QString& ploeg)
{
    return core::UCase(core::Left(ploeg, 4)) == u"VRIJ";
}

// A Super match of the seven-game scheme, a team of two: its own game order, doubles and line-up. A ladies'
// Super match is played by teams of three and printed as every other team of three.
bool zevenSpelenSuper(const NaAfloop& w)
{
    return w.soort == 4 && w.intLaatsteWedstrijd == 6;
}

bool isBye(const QString& ploeg)
{
    return core::UCase(core::Left(ploeg, 4)) == u"BYE ";
}

// Whether a line-up is incomplete: an empty place, or, with three places, a doubles row that is required
// and empty.
bool opstellingOnvolledig(const NaAfloop& w, int kant)
{
    const int laatstePlaats = w.intLaatsteWedstrijd == 15 ? 3 : 2;
    for (int i = 0; i <= laatstePlaats; ++i) {
        if (w.plaatsen[static_cast<size_t>(kant)][static_cast<size_t>(i)].compNr.isEmpty())
            return true;
    }
    const bool dubbelVereist = w.strSuperDubbel == u"J" || w.intLaatsteWedstrijd != 6;
    return w.intLaatsteWedstrijd != 15 && dubbelVereist && w.dubbelLabel[static_cast<size_t>(kant)].isEmpty();
}

// A member number of only zeros, of whatever width, is no member: the head referee was never filled in.
bool geenLid(const QString& knop)
{
    if (knop.isEmpty())
        return false;
    for (const QChar c : knop) {
        if (c != u'0')
            return false;
    }
    return true;
}

// Types "hh u. mm" with the hour and the minutes bold, cut by position as the sheet shows the time.
void uurTypen(Selectie& s, const QString& uur)
{
    s.Font().Bold(1);
    s.TypeText(core::Left(uur, 2));
    s.Font().Bold(0);
    s.TypeText(QStringLiteral(" u. "));
    s.Font().Bold(1);
    s.TypeText(core::Right(uur, 2));
}

void hoofdingTypen(Document& doc, const NaAfloop& w)
{
    Selectie& s = doc.Selection();
    // Venue
    s.HomeKey(wdStory);
    s.EndKey(wdLine);
    s.Font().Bold(1);
    s.TypeText(w.lokaal);
    s.MoveDown(wdParagraph, 1);
    s.EndKey(wdLine);
    s.Font().Bold(1);
    s.TypeText(w.straat);
    s.MoveDown(wdParagraph, 1);
    s.EndKey(wdLine);
    s.Font().Bold(1);
    s.TypeText(w.plaats);

    // Kind of match: the box is reached from the bookmark, and the moves onward end in the date's cell.
    doc.Bookmarks(QStringLiteral("Soort")).Select();
    struct Zet
    {
        int naarDoos;
        bool regelOmlaag;
        int verder;
    };
    static const Zet zetten[] = {{1, false, 7}, {1, true, 7}, {3, false, 5}, {3, true, 5}, {5, false, 3}, {5, true, 3}};
    if (w.soort >= 1 && w.soort <= 6) {
        const Zet& z = zetten[w.soort - 1];
        s.MoveRight(wdCell, z.naarDoos);
        if (z.regelOmlaag)
            s.MoveDown(wdLine, 1);
        s.TypeText(QStringLiteral("X"));
        s.MoveRight(wdCell, z.verder);
        s.MoveLeft(wdCharacter, 1);
    }

    // Date: day, month and year as plain numbers; a date that cannot be read is left out.
    s.EndKey(wdLine);
    s.Font().Bold(1);
    if (w.datum != u" " && !w.datum.isEmpty()) {
        const QDateTime datum = db::Waarde(w.datum).datum();
        if (datum.isValid()) {
            const QDate d = datum.date();
            s.TypeText(QStringLiteral("%1 / %2 / %3").arg(d.day()).arg(d.month()).arg(d.year()));
        }
    }
    // Division
    s.MoveDown(wdLine, 1);
    s.EndKey(wdLine);
    s.Font().Bold(1);
    s.TypeText(w.afdeling);
    // Start time
    s.MoveDown(wdLine, 1);
    s.HomeKey(wdLine);
    s.EndKey(wdLine);
    uurTypen(s, w.beginuur);
    // Match number
    s.MoveRight(wdCell, 1);
    s.MoveLeft(wdCharacter, 1);
    s.EndKey(wdLine);
    s.Font().Bold(1);
    s.TypeText(w.matchNr);
    // Series
    s.MoveDown(wdLine, 1);
    s.EndKey(wdLine);
    s.Font().Bold(1);
    s.TypeText(w.reeks);
    // End time, not for a match that was not played in full
    s.MoveDown(wdLine, 1);
    s.HomeKey(wdLine);
    s.EndKey(wdLine);
    s.Font().Bold(1);
    if (!w.blnVrijOfForfait)
        uurTypen(s, w.einduur);
}

void opstellingTypen(Document& doc, const NaAfloop& w, int kant)
{
    Selectie& s = doc.Selection();
    const size_t k = static_cast<size_t>(kant);
    s.GoTo(wdGoToTable, wdGoToNext);
    s.MoveDown(wdLine, 1);
    s.TypeText(QStringLiteral("\t"));
    s.Font().Bold(1);
    s.TypeText(w.ploeg[k]);
    s.MoveDown(wdLine, 1);
    s.TypeText(QStringLiteral("\t"));
    s.Font().Bold(1);
    s.TypeText(w.aanw[k]);

    const int laatsteRij = w.intLaatsteWedstrijd == 15 || w.strSuperDubbel != u"J" ? 6 : 5;
    Tabel t = doc.Tables(kant == 0 ? 2 : 3);
    for (int r = 3; r <= laatsteRij; ++r) {
        const Spelerplaats& p = w.plaatsen[k][static_cast<size_t>(r - 3)];
        t.Cell(r, 1).Select();
        s.MoveLeft(wdCharacter, 1);
        s.EndKey(wdLine);
        s.Font().Bold(1);
        s.TypeText(QStringLiteral("\t") + p.naam);
        t.Cell(r, 2).Range().InsertAfter(p.compNr);
        t.Cell(r, 3).Range().InsertAfter(p.volgnr);
        t.Cell(r, 4).Range().InsertAfter(p.index);
        t.Cell(r, 5).Range().InsertAfter(p.klas);
        t.Cell(r, 6).Range().InsertAfter(p.indOverw);
        if (p.kapitein)
            t.Cell(r, 7).Range().InsertAfter(QStringLiteral("X"));
    }
}

void dubbelTypen(Document& doc, const NaAfloop& w, int kant)
{
    Tabel t = doc.Tables(kant == 0 ? 2 : 3);
    t.Cell(7, 1).Range().InsertAfter(QStringLiteral("\t") + w.paar[static_cast<size_t>(kant)]);
    if (!w.dubbelRij)
        return;
    const Spelrij& rij = w.spelen[*w.dubbelRij];
    const double thuis = core::Val(rij.setsT);
    const double uit = core::Val(rij.setsU);
    const double eigen = kant == 0 ? thuis : uit;
    const double ander = kant == 0 ? uit : thuis;
    const QString punt = eigen > ander ? QStringLiteral("1") : eigen < ander ? QStringLiteral("0") : QString();
    t.Cell(7, 6).Range().InsertAfter(punt);
}

void hoofdscheidsrechterTypen(Document& doc, const NaAfloop& w)
{
    Selectie& s = doc.Selection();
    s.GoTo(wdGoToTable, wdGoToNext);
    s.MoveDown(wdLine, 2, wdMove);
    s.EndKey(wdLine, wdMove);
    s.Font().Bold(1);
    s.TypeText(w.hsNaam);
    s.MoveDown(wdLine, 1, wdMove);
    s.EndKey(wdLine);
    s.TypeText(QStringLiteral("\t"));
    s.Font().Bold(1);
    s.TypeText(w.hsProv + u' ' + w.hsCompNr);
    s.MoveRight(wdCell, 1);
    s.MoveLeft(wdCharacter, 1, wdMove);
    s.Font().Bold(1);
    s.TypeText(w.hsClubNaam);
    s.MoveDown(wdLine, 1);
    s.HomeKey(wdLine, wdExtend);
    s.Font().Size(8);
    s.EndKey(wdLine, wdMove);
    s.TypeText(QStringLiteral(" "));
    s.Font().Bold(1);
    s.TypeText(w.hsProv + w.hsClubNr);
    s.GoTo(wdGoToTable, wdGoToNext);
}

// Writes the game number and the places of the sheet's first games into columns 1 to 3 of the results
// table, after emptying those columns in every game row: rows after the last game keep no number or places.
// A game without a home place (the doubles) shows only its home label, across both place cells.
void plaatsenSchrijven(Document& doc, Tabel& t, const NaAfloop& w, int spelen, std::optional<int> dubbelRij)
{
    doc.Range(t.Cell(4, 1).Range().Start(), t.Cell(19, 3).Range().End()).Delete(wdCharacter);
    for (int i = 0; i < spelen && i < w.spelen.size(); ++i) {
        const Spelrij& rij = w.spelen[i];
        t.Cell(i + 4, 1).Range().InsertAfter(QString::number(i + 1));
        t.Cell(i + 4, 2).Range().InsertAfter(rij.thuisspeler);
        if (core::Val(rij.thuisspeler) > 0)
            t.Cell(i + 4, 3).Range().InsertAfter(rij.uitspeler);
    }
    if (dubbelRij && *dubbelRij < spelen)
        doc.Range(t.Cell(*dubbelRij + 4, 2).Range().Start(), t.Cell(*dubbelRij + 4, 3).Range().End()).Cells().Merge();
}

// The mark of a match that was not played: "FF" in the wins column of the side that forfeited, "BYE" in that
// of the free place; empty when the match was played.
std::optional<std::pair<int, QString>> nietGespeeldMarkering(const NaAfloop& w)
{
    if (w.forfaitth == u"J")
        return std::pair{9, QStringLiteral("FF")};
    if (w.forfaituit == u"J")
        return std::pair{10, QStringLiteral("FF")};
    if (w.ploeg[0].contains(QStringLiteral("BYE ")))
        return std::pair{9, QStringLiteral("BYE")};
    if (w.ploeg[1].contains(QStringLiteral("BYE ")))
        return std::pair{10, QStringLiteral("BYE")};
    return std::nullopt;
}

void uitslagenTypen(Document& doc, const NaAfloop& w)
{
    Tabel t = doc.Tables(5);
    const auto markering = nietGespeeldMarkering(w);
    if (markering) {
        t.Cell(w.intLaatsteWedstrijd + 3, markering->first).Range().InsertAfter(markering->second);
    } else {
        for (int g = 0; g <= w.intLaatsteWedstrijd; ++g) {
            const Spelrij& rij = w.spelen[g];
            const int r = g + 4;
            for (int k = 1; k <= 5; ++k) {
                const QString& thuis = rij.setT[static_cast<size_t>(k - 1)];
                const QString& uit = rij.setU[static_cast<size_t>(k - 1)];
                if (!thuis.isEmpty() || !uit.isEmpty())
                    t.Cell(r, 3 + k).Range().InsertAfter(thuis + u'-' + uit);
            }
            t.Cell(r, 9).Range().InsertAfter(rij.setsT);
            t.Cell(r, 10).Range().InsertAfter(rij.setsU);
            t.Cell(r, 11).Range().InsertAfter(rij.wedstrT);
            t.Cell(r, 12).Range().InsertAfter(rij.wedstrU);
        }
    }

    // The template's numbers and places are those of a team of four; a smaller team plays in the order that
    // its sheet shows, also when the match was not played. The places go in last: merging the doubles' place
    // cells changes the cell numbers of that row.
    if (!zevenSpelenSuper(w)) {
        if (w.intLaatsteWedstrijd != 15)
            plaatsenSchrijven(doc, t, w, w.intLaatsteWedstrijd + 1, w.dubbelRij);
        return;
    }
    // A Super match plays seven games in its own order, its doubles as the fourth; a played one has its final
    // score framed.
    plaatsenSchrijven(doc, t, w, 7, 3);
    if (markering)
        return;
    Randen randen = doc.Range(t.Cell(10, 11).Range().Start(), t.Cell(10, 12).Range().End()).Cells().Borders();
    for (const int rand : {wdBorderLeft, wdBorderRight, wdBorderTop, wdBorderBottom, wdBorderVertical}) {
        Rand r = randen.Item(rand);
        r.LineStyle(wdLineStyleSingle);
        r.LineWidth(wdLineWidth150pt);
        r.Color(wdColorAutomatic);
    }
    randen.Shadow(false);
}

void slotTypen(Document& doc, const NaAfloop& w)
{
    Selectie& s = doc.Selection();
    // Captains and the agreement
    s.GoTo(wdGoToTable, wdGoToNext);
    Tabel t = doc.Tables(6);
    if (w.kapitein[0])
        t.Cell(3, 1).Range().InsertAfter(*w.kapitein[0]);
    if (w.kapitein[1])
        t.Cell(3, 3).Range().InsertAfter(*w.kapitein[1]);
    t.Cell(4, 1).Range().InsertAfter(w.akkoord == u"J"
                                         ? QStringLiteral("Akkoord om de wedstrijden twee aan twee te spelen: Ja (Art.6.32)")
                                         : QStringLiteral("Akkoord om de wedstrijden twee aan twee te spelen: Neen (Art.6.32)"));

    // Remarks: one block for each remark entered, separated by paragraph marks
    s.GoTo(wdGoToTable, wdGoToNext);
    static const QString labels[] = {QStringLiteral("Opm. Thuisploeg"), QStringLiteral("Opm. Bezoekers"),
                                     QStringLiteral("Opm. Off. Scheidsr.")};
    bool eerste = true;
    for (int i = 0; i < 3; ++i) {
        const std::optional<QString>& opm = w.opmerking[static_cast<size_t>(i)];
        if (!opm || opm->isEmpty())
            continue;
        if (eerste)
            s.EndKey(wdLine, wdMove);
        else
            s.TypeText(QStringLiteral("\r"));
        eerste = false;
        s.Font().Size(8);
        s.Font().Bold(0);
        s.Font().Underline(wdUnderlineSingle);
        s.TypeText(labels[i]);
        s.Font().Underline(wdUnderlineNone);
        s.TypeText(QStringLiteral(": "));
        s.Font().Bold(1);
        s.Font().Size(9);
        s.TypeText(*opm);
    }

    // Hall commissioner
    s.GoTo(wdGoToTable, wdGoToNext);
    s.EndKey(wdLine);
    s.TypeText(QStringLiteral("\t"));
    s.Font().Bold(1);
    s.TypeText(w.zcNaam);
    s.MoveDown(wdLine, 1, wdMove);
    s.EndKey(wdLine);
    s.Font().Bold(1);
    s.TypeText(QStringLiteral("\t"));
    s.TypeText(w.zcProv + QStringLiteral("  ") + w.zcCompNr);

    s.HomeKey(wdStory, wdMove);
}

} // namespace

NaAfloop naAfloopLezen(const FrmWedstrijdInput& venster)
{
    core::Algemeen& a = algemeen();
    const core::Wedstrijdblad& b = venster.blad;
    NaAfloop w;
    w.intLaatsteWedstrijd = a.intLaatsteWedstrijd;
    w.soort = leidendGetal(veldTekst("Soort"));

    w.ploeg = {b.TxtTPloeg->text(), b.TxtUPloeg->text()};
    w.aanw = {b.TxtTAanw->text(), b.TxtUAanw->text()};
    w.forfait = {b.ChkForfaitT->isChecked(), b.ChkForfaitUit->isChecked()};
    w.blnVrijOfForfait = isVrij(w.ploeg[0]) || isVrij(w.ploeg[1]) || w.forfait[0] || w.forfait[1];
    if (zevenSpelenSuper(w)) {
        // The option is made at start-up; should it be gone, the doubles are played, as in every other match.
        const QString optie = core::SuperDubbelOptie();
        w.strSuperDubbel = optie.isEmpty() ? QStringLiteral("J") : optie;
    }

    w.lokaal = b.LstNaamLokaal->currentText();
    w.straat = b.TxtStraat->text();
    w.plaats = b.TxtPlaats->text();
    w.datum = b.TxtDatum->text();
    w.afdeling = b.TxtAfdeling->text();
    w.beginuur = b.TxtBeginuur->text();
    w.matchNr = b.TxtMatchNr->text();
    w.reeks = b.TxtReeks->text();
    w.einduur = b.TxtEinduur->text();

    for (size_t k = 0; k < 2; ++k) {
        const bool thuis = k == 0;
        for (size_t i = 0; i < 4; ++i) {
            Spelerplaats& p = w.plaatsen[k][i];
            const qsizetype n = static_cast<qsizetype>(i);
            p.naam = (thuis ? b.LabTNaamSpeler : b.LabUNaamSpeler)[n]->text();
            p.compNr = ui::gegevensTekst((thuis ? b.CmdCompNrT : b.CmdCompNrU)[n]);
            p.volgnr = (thuis ? b.LabTVolgnr : b.LabUVolgnr)[n]->text();
            p.index = (thuis ? b.LabTIndex : b.LabUIndex)[n]->text();
            p.klas = (thuis ? b.LabTKlas : b.LabUKlas)[n]->text();
            p.indOverw = (thuis ? b.LabTIndOverw : b.LabUIndOverw)[n]->text();
            p.kapitein = (thuis ? b.OptTKapitein : b.OptUKapitein)[n]->isChecked();
        }
        w.dubbelLabel[k] = (thuis ? b.LabTNaamSpeler : b.LabUNaamSpeler)[4]->text();
    }

    for (int g = 0; g < core::Wedstrijdblad::AantalWedstrijden; ++g) {
        Spelrij r;
        for (int k = 1; k <= 5; ++k) {
            r.setT[static_cast<size_t>(k - 1)] = b.set(g, k, true)->text();
            r.setU[static_cast<size_t>(k - 1)] = b.set(g, k, false)->text();
        }
        r.setsT = b.TxtSetsThuis[g]->text();
        r.setsU = b.TxtSetsUit[g]->text();
        r.wedstrT = b.TxtWedstrThuis[g]->text();
        r.wedstrU = b.TxtWedstrUit[g]->text();
        r.thuisspeler = b.LabThuisspeler[g]->text();
        r.uitspeler = b.LabUitspeler[g]->text();
        w.spelen << r;
    }
    // The doubles game is the first row without an away place; a sheet without one prints no doubles point.
    for (int g = 0; g <= w.intLaatsteWedstrijd && g < w.spelen.size(); ++g) {
        if (w.spelen[g].uitspeler.isEmpty()) {
            w.dubbelRij = g;
            break;
        }
    }

    const int breedte = std::max(0, a.intAantalKaraktersCompNr);
    const std::array<QString, 2> paren = {veldTekst("Opmerk1"), veldTekst("Opmerk2")};
    for (size_t k = 0; k < 2; ++k) {
        if (paren[k].trimmed().isEmpty())
            continue;
        w.paar[k] = core::PaarOpPlaatsen(core::Left(paren[k], breedte), core::Right(paren[k], breedte),
                                         opstelling(w.plaatsen[k]));
    }

    w.hoofdscheidsKnop = ui::gegevensTekst(b.CmdCompNrHoofdscheidsrechter);
    w.hsNaam = inhoud("HoofdSchNaam");
    w.hsProv = inhoud("HoofdschProv");
    w.hsCompNr = inhoud("HoofdschCompnr");
    w.hsClubNaam = inhoud("HoofdschClubNaam");
    w.hsClubNr = inhoud("HoofdschClubNr");
    w.kapiteinOpgeslagen = {veldTekst("KapiteinT"), veldTekst("KapiteinU")};
    for (size_t k = 0; k < 2; ++k)
        w.kapitein[k] = kapiteinNaam(w.kapiteinOpgeslagen[k], w.plaatsen[k]);
    w.zcNaam = inhoud("ZaalCommNaam");
    w.zcProv = inhoud("ZaalCommProv");
    w.zcCompNr = inhoud("ZaalcommCompnr");

    w.forfaitth = veldTekst("forfaitth");
    w.forfaituit = veldTekst("forfaituit");
    w.akkoord = veldTekst("Akkoord2aan2");
    const char* opmerkingen[] = {"VoorbehoudT", "Voorbehoudu", "OpmOffScheids"};
    for (size_t i = 0; i < 3; ++i) {
        const db::Waarde v = a.rsMatchen.veld(QString::fromLatin1(opmerkingen[i]));
        if (!v.isNull())
            w.opmerking[i] = v.tekst();
    }
    return w;
}

bool naAfloopControleren(const NaAfloop& w)
{
    ui::Meldingen& m = ui::meldingen();
    const auto kapiteinOntbreekt = [](const QString& k) { return k.isEmpty() || core::Val(k) <= 0; };
    if (!w.blnVrijOfForfait) {
        if (kapiteinOntbreekt(w.kapiteinOpgeslagen[0])) {
            m.kritiek(QStringLiteral("Kapitein Thuisploeg"), QStringLiteral("U dient de kapitein van de thuisploeg nog in te vullen !"));
            return false;
        }
        if (kapiteinOntbreekt(w.kapiteinOpgeslagen[1])) {
            m.kritiek(QStringLiteral("Kapitein Bezoekers"), QStringLiteral("U dient de kapitein van de bezoekers nog in te vullen !"));
            return false;
        }
        if (geenLid(w.hoofdscheidsKnop)) {
            m.kritiek(QStringLiteral("Hoofdscheidsrechter"), QStringLiteral("U dient de hoofdscheidsrechter nog in te vullen !"));
            return false;
        }
        const bool naam = !w.lokaal.isEmpty();
        const bool straat = !w.straat.isEmpty();
        const bool plaats = !w.plaats.isEmpty();
        const QString lokaal = QStringLiteral("Lokaal");
        if (!naam && !straat && !plaats) {
            m.kritiek(lokaal, QStringLiteral("U dient naam en adres van het lokaal nog in te vullen !"));
            return false;
        }
        if (naam && !straat && !plaats) {
            m.kritiek(lokaal, QStringLiteral("U dient de straat en gemeente van het lokaal nog in te vullen !"));
            return false;
        }
        if (naam && straat && !plaats) {
            m.kritiek(lokaal, QStringLiteral("U dient de gemeente van het lokaal nog in te vullen !"));
            return false;
        }
        if (naam && !straat && plaats) {
            m.kritiek(lokaal, QStringLiteral("U dient de straat van het lokaal nog in te vullen !"));
            return false;
        }
    }

    const bool thuisControleren = !w.blnVrijOfForfait || isBye(w.ploeg[1]) || w.forfait[1];
    if (thuisControleren && opstellingOnvolledig(w, 0)
        && !m.vraagJaNee(QStringLiteral("Spelers Thuisploeg"),
                         QStringLiteral("Niet alle spelers van de thuisploeg zijn ingevuld ! Doorgaan ?")))
        return false;
    const bool uitControleren = !w.blnVrijOfForfait || isBye(w.ploeg[0]) || w.forfait[0];
    if (uitControleren && opstellingOnvolledig(w, 1)
        && !m.vraagJaNee(QStringLiteral("Spelers Bezoekende Ploeg"),
                         QStringLiteral("Niet alle spelers van de bezoekende ploeg zijn ingevuld ! Doorgaan ?")))
        return false;

    if (!w.blnVrijOfForfait) {
        bool ontbreekt = false;
        for (int g = 0; g <= w.intLaatsteWedstrijd && g < w.spelen.size(); ++g) {
            const Spelrij& r = w.spelen[g];
            if (r.setT[0] != u"w" && core::Val(r.setsT) < 3 && core::Val(r.setsU) < 3)
                ontbreekt = true;
        }
        if (ontbreekt
            && !m.vraagJaNee(QStringLiteral("Ontbrekende uitslagen"),
                             QStringLiteral("Niet alle resultaten zijn ingevuld. Wenst u toch af te drukken ?")))
            return false;
    }
    return true;
}

void naAfloopTypen(Document& doc, const NaAfloop& w)
{
    const bool dubbels = w.intLaatsteWedstrijd != 15;
    hoofdingTypen(doc, w);
    opstellingTypen(doc, w, 0);
    if (dubbels)
        dubbelTypen(doc, w, 0);
    opstellingTypen(doc, w, 1);
    if (dubbels)
        dubbelTypen(doc, w, 1);
    hoofdscheidsrechterTypen(doc, w);
    uitslagenTypen(doc, w);
    slotTypen(doc, w);
}

void AfdrukkenWedstrijdbladNaAfloop(int intSoortBlad)
{
    FrmWedstrijdInput& f = FrmWedstrijdInput::standaard();
    core::Algemeen& a = algemeen();
    Bezig bezig(f);
    QString pad;
    try {
        NaAfloop w = naAfloopLezen(f);
        if (!naAfloopControleren(w))
            return;

        if (!w.blnVrijOfForfait && w.einduur.isEmpty()) {
            const QTime nu = core::klok().nu().time();
            const core::FunctiesQJ& qj = core::objFunctiesQJ();
            w.einduur = qj.BeginNulToevoegen(db::Waarde(nu.hour()), 2) + u'.' + qj.BeginNulToevoegen(db::Waarde(nu.minute()), 2);
            if (!ui::meldingen().vraagJaNee(QStringLiteral("Einduur wedstrijd"),
                                            QStringLiteral("Einduur van de match om ") + w.einduur + QStringLiteral(" uur. OK ?")))
                return;
        }
        bezig.beginnen();
        if (!w.blnVrijOfForfait) {
            // Only a new end time is written: a sheet with nothing to store is made also while another
            // program holds the database. The box gets the end time only once it is stored; one that cannot
            // be stored leaves the box as it was.
            if (veldTekst("Einduur") != w.einduur) {
                a.rsMatchen.edit();
                a.rsMatchen.zet(QStringLiteral("Einduur"), w.einduur);
                a.rsMatchen.update();
            }
            core::EventsUit uit;
            f.blad.TxtEinduur->setText(w.einduur);
        }

        const QString sjabloon = intSoortBlad == 0 ? QStringLiteral("WedstrijdSponsors.dotx") : QStringLiteral("WedstrijdGelijnd.dotx");
        Document doc = Document::Add(a.strSysteemmap + sjabloon);
        naAfloopTypen(doc, w);
        pad = documentBewaren(doc, Titel);
    } catch (const WordFout& fout) {
        bezig.afsluiten();
        ui::meldingen().kritiek(Titel, QStringLiteral("Het wedstrijdblad kan niet gemaakt worden.\n") + fout.tekst());
        return;
    } catch (const db::DbFout& fout) {
        bezig.afsluiten();
        ui::meldingen().kritiek(Titel, QStringLiteral("Het wedstrijdblad kan niet gemaakt worden.\n") + fout.tekst());
        return;
    }
    bezig.afsluiten();
    core::DocumentAanbieden(pad, 0, 0, Titel);
}

} // namespace printing
