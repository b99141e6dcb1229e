#include "printing/VoorAanvang.h"

#include "core/Algemeen.h"
#include "core/AlgemeneFuncties.h"
#include "core/AlgemeneProcedures.h"
#include "core/Documenten.h"
#include "core/FrmWedstrijdInput.h"
#include "core/Tekst.h"
#include "core/Wedstrijdblad.h"
#include "db/Database.h"
#include "printing/Aflevering.h"
#include "ui/Meldingen.h"
#include "ui/Opschriften.h"
#include "word/Document.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

using core::algemeen;
using namespace word;

namespace printing {

namespace {

const QString TitelBlad = QStringLiteral("Wedstrijdblad voor aanvang");
const QString TitelBlaadjes = QStringLiteral("Scheidsrechtersblaadjes");
// The slips to cut are saved under a name of their own, so that neither layout replaces the other.
const QString BestandBlaadjesTeKnippen = QStringLiteral("Scheidsrechtersblaadjes te knippen");

// The line-up table: its first player row, and the rows it has for places and the doubles row.
constexpr int EersteSpelerRij = 4;
constexpr int SpelerRijen = 5;
constexpr int SpelerKolommen = 5;
// The games table: its first game row.
constexpr int EersteSpelRij = 2;
// A slip: a label and five set boxes, three rows high; blocks of two slips are four rows apart (a
// narrow row between them); the right slip starts after the column between the two.
constexpr int SlipKolommen = 6;
constexpr int RechterSlip = 8;
constexpr int BlokRijen = 4;

QString samen(const QString& a, const QString& scheiding, const QString& b)
{
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    return a + scheiding + b;
}

void zetten(const Tabel& t, int rij, int cel, const QString& tekst)
{
    if (!tekst.isEmpty())
        t.Cell(rij, cel).Range().InsertAfter(tekst);
}

/**
 * Takes the borders away from cells c1 to c2 of a row, so that the row no longer shows. The top stays
 * when it is the bottom line of a row in use above.
 */
void randenWeg(Document& d, const Tabel& t, int rij, int c1, int c2, bool boven)
{
    Randen randen = d.Range(t.Cell(rij, c1).Range().Start(), t.Cell(rij, c2).Range().End()).Cells().Borders();
    for (int zijde : {wdBorderLeft, wdBorderRight, wdBorderBottom, wdBorderVertical})
        randen.Item(zijde).LineStyle(wdLineStyleNone);
    if (boven)
        randen.Item(wdBorderTop).LineStyle(wdLineStyleNone);
}

// The rows from the first unused one on leave the table: kept empty, they would take room on the page, and
// alone on a page of their own they would print it with only its title.
void rijenWeg(Tabel& t, int eersteOngebruikt)
{
    if (eersteOngebruikt > 1 && eersteOngebruikt <= t.RowsCount())
        t.DeleteRows(eersteOngebruikt, t.RowsCount());
}

QString ploegTekst(const VoorAanvang& w, int kant)
{
    return w.aanw[kant].isEmpty() ? w.ploeg[kant] : w.ploeg[kant] + QStringLiteral(" (") + w.aanw[kant] + u')';
}

// A player of a game on a slip: his place on the sheet and his name; both pairs of the doubles game
// are marked as such.
QString slipSpeler(const VoorAanvang::Spel& s, int kant)
{
    const QString plaats = s.plaats[0] == u"Dubb." ? s.plaats[0] : s.plaats[kant];
    return samen(plaats, QStringLiteral("  "), s.naam[kant]);
}

void slipTypen(Document& d, const Tabel& t, int plaats, const VoorAanvang::Spel* spel)
{
    const int rij = (plaats / 2) * BlokRijen + 1;
    const int kolom = plaats % 2 == 0 ? 1 : RechterSlip;
    if (!spel) {
        for (int r = rij; r < rij + 3; ++r)
            randenWeg(d, t, r, kolom, kolom + SlipKolommen - 1, true);
        return;
    }
    zetten(t, rij, kolom, QStringLiteral("Wedstrijd ") + spel->nummer);
    for (int s = 1; s <= 5; ++s)
        zetten(t, rij, kolom + s, QString::number(s));
    zetten(t, rij + 1, kolom, slipSpeler(*spel, 0));
    zetten(t, rij + 2, kolom, slipSpeler(*spel, 1));
}

// The slips of a table: the games given, two a row; the right slip of a last row without its game shows
// nothing, and the rows of slips after it leave the table.
void slipsTypen(Document& d, int tabel, const QList<const VoorAanvang::Spel*>& spelen)
{
    Tabel t = d.Tables(tabel);
    const int plaatsen = (t.RowsCount() + 1) / BlokRijen * 2;
    if (spelen.size() > plaatsen)
        throw WordFout("Het sjabloon heeft te weinig scheidsrechtersblaadjes voor deze wedstrijd.");
    const int gebruikt = std::max(1, static_cast<int>((spelen.size() + 1) / 2)) * 2;
    for (int p = 0; p < gebruikt; ++p)
        slipTypen(d, t, p, p < spelen.size() ? spelen[p] : nullptr);
    rijenWeg(t, gebruikt / 2 * BlokRijen);
}

bool wedstrijdOpBlad(const core::Wedstrijdblad& b)
{
    return b.gebouwd() && !b.TxtMatchNr->text().trimmed().isEmpty();
}

/**
 * Makes a document from the sheet, saves it as the kind of file and the match number, and hands it to the
 * user. While it is made, the main window is disabled and the pointer is the hourglass; whatever stops it,
 * both are given back.
 */
void maken(const QString& titel, const QString& bestand, const QString& sjabloon, int afdrukken, int sluiten,
           const std::function<void(Document&, const VoorAanvang&)>& typen)
{
    FrmWedstrijdInput& venster = FrmWedstrijdInput::standaard();
    if (!wedstrijdOpBlad(venster.blad)) {
        ui::meldingen().kritiek(titel, QStringLiteral("Kies eerst een wedstrijd."));
        return;
    }
    QString pad;
    QString fout;
    {
        Bezig bezig(venster);
        bezig.beginnen();
        try {
            const VoorAanvang w = voorAanvangLezen(venster.blad);
            Document doc = Document::Add(algemeen().strSysteemmap + sjabloon);
            typen(doc, w);
            pad = documentBewaren(doc, bestand);
        } catch (const WordFout& f) {
            fout = f.tekst();
        } catch (const db::DbFout& f) {
            fout = f.tekst();
        }
    }
    if (!fout.isEmpty()) {
        ui::meldingen().kritiek(titel, QStringLiteral("Het document kan niet gemaakt worden.\n") + fout);
        return;
    }
    core::DocumentAanbieden(pad, afdrukken, sluiten, titel);
}

} // namespace

VoorAanvang voorAanvangLezen(const core::Wedstrijdblad& b)
{
    VoorAanvang w;
    w.matchNr = b.TxtMatchNr->text();
    w.datum = b.TxtDatum->text().trimmed();
    w.afdeling = b.TxtAfdeling->text();
    w.beginuur = b.TxtBeginuur->text();
    w.reeks = b.TxtReeks->text();
    for (const QRadioButton* o : {b.OptHeren, b.OptDames, b.OptJeugd, b.OptSuper, b.OptBekerHeren, b.OptBekerDames}) {
        if (o->isChecked())
            w.soort = o->text();
    }
    w.lokaal = b.LstNaamLokaal->currentText();
    w.adres = samen(b.TxtStraat->text(), QStringLiteral(", "), b.TxtPlaats->text());
    w.ploeg = {b.TxtTPloeg->text(), b.TxtUPloeg->text()};
    w.aanw = {b.TxtTAanw->text(), b.TxtUAanw->text()};

    std::array<QString, 2> paar; // the doubles pair of each side as these papers name it
    for (int kant = 0; kant < 2; ++kant) {
        const bool thuis = kant == 0;
        const auto& nr = thuis ? b.LabTNrSpeler : b.LabUNrSpeler;
        const auto& naam = thuis ? b.LabTNaamSpeler : b.LabUNaamSpeler;
        const auto& compNr = thuis ? b.CmdCompNrT : b.CmdCompNrU;
        const auto& index = thuis ? b.LabTIndex : b.LabUIndex;
        const auto& klas = thuis ? b.LabTKlas : b.LabUKlas;
        // The rows the team size shows: the places in use, and the doubles row of a match with a doubles game.
        QList<core::Opstellingsplaats> plaatsen;
        for (int r = 0; r < 4; ++r) {
            if (nr[r]->isHidden())
                continue;
            w.spelers[kant].append({nr[r]->text(), ui::gegevensTekst(compNr[r]), naam[r]->text(), index[r]->text(),
                                    klas[r]->text()});
            plaatsen.append({ui::gegevensTekst(compNr[r]), naam[r]->text()});
        }
        if (nr[4]->isHidden())
            continue;
        paar[kant] = naam[4]->text();
        if (!paar[kant].isEmpty()) {
            const QString opgeslagen = core::objAlgemeneFuncties()
                                           .Inhoud(algemeen().rsMatchen.veld(thuis ? QStringLiteral("Opmerk1")
                                                                                   : QStringLiteral("Opmerk2")))
                                           .tekst();
            const int breedte = std::max(0, algemeen().intAantalKaraktersCompNr);
            paar[kant] = core::PaarMetNamen(core::Left(opgeslagen, breedte), core::Right(opgeslagen, breedte),
                                            paar[kant], plaatsen);
        }
        w.spelers[kant].append({nr[4]->text(), QString(), paar[kant], QString(), QString()});
    }

    const int laatste = std::min(algemeen().intLaatsteWedstrijd, core::Wedstrijdblad::AantalWedstrijden - 1);
    for (int r = 0; r <= laatste; ++r) {
        VoorAanvang::Spel s;
        s.nummer = b.LabNrW[r]->text();
        s.plaats = {b.LabThuisspeler[r]->text(), b.LabUitspeler[r]->text()};
        const bool dubbel = s.plaats[0] == u"Dubb.";
        for (int kant = 0; kant < 2; ++kant) {
            const auto& naam = kant == 0 ? b.LabTNaamSpeler : b.LabUNaamSpeler;
            const int plaats = s.plaats[kant].toInt();
            if (dubbel)
                s.naam[kant] = paar[kant];
            else if (plaats >= 1 && plaats <= 4)
                s.naam[kant] = naam[plaats - 1]->text();
        }
        w.spelen.append(s);
    }
    return w;
}

void wedstrijdbladVoorAanvangTypen(Document& d, const VoorAanvang& w)
{
    const Tabel kop = d.Tables(1);
    zetten(kop, 1, 2, w.matchNr);
    zetten(kop, 1, 4, w.datum);
    zetten(kop, 2, 2, w.afdeling);
    zetten(kop, 2, 4, w.beginuur);
    zetten(kop, 3, 2, w.reeks);
    zetten(kop, 3, 4, w.lokaal);
    zetten(kop, 4, 2, w.soort);
    zetten(kop, 4, 4, w.adres);

    Tabel opstelling = d.Tables(2);
    int rijen = 0;
    for (int kant = 0; kant < 2; ++kant) {
        zetten(opstelling, 2, kant + 1, ploegTekst(w, kant));
        const QList<VoorAanvang::Speler>& spelers = w.spelers[kant];
        for (qsizetype i = 0; i < spelers.size() && i < SpelerRijen; ++i) {
            const VoorAanvang::Speler& s = spelers[i];
            const int rij = EersteSpelerRij + static_cast<int>(i);
            const int k = kant * SpelerKolommen;
            zetten(opstelling, rij, k + 1, s.nr);
            zetten(opstelling, rij, k + 2, s.compNr);
            zetten(opstelling, rij, k + 3, s.naam);
            zetten(opstelling, rij, k + 4, s.index);
            zetten(opstelling, rij, k + 5, s.klas);
        }
        rijen = std::max(rijen, static_cast<int>(std::min<qsizetype>(spelers.size(), SpelerRijen)));
    }
    rijenWeg(opstelling, EersteSpelerRij + rijen);

    Tabel spelen = d.Tables(3);
    const int aantal = static_cast<int>(std::min<qsizetype>(w.spelen.size(), spelen.RowsCount() - 1));
    for (int i = 0; i < aantal; ++i) {
        const VoorAanvang::Spel& s = w.spelen[i];
        const int rij = EersteSpelRij + i;
        zetten(spelen, rij, 1, s.nummer);
        zetten(spelen, rij, 2, s.plaats[0]);
        zetten(spelen, rij, 3, s.naam[0]);
        zetten(spelen, rij, 4, s.plaats[1]);
        zetten(spelen, rij, 5, s.naam[1]);
    }
    rijenWeg(spelen, EersteSpelRij + aantal);
}

void scheidsrechtersblaadjesTypen(Document& d, const VoorAanvang& w, bool teKnippen)
{
    QList<const VoorAanvang::Spel*> oneven, even;
    for (qsizetype i = 0; i < w.spelen.size(); ++i)
        (teKnippen || i % 2 == 0 ? oneven : even).append(&w.spelen[i]);
    slipsTypen(d, 1, oneven);
    if (!teKnippen)
        slipsTypen(d, 2, even);
}

void AfdrukkenWedstrijdbladVoorAanvang(int afdrukken, int sluiten)
{
    maken(TitelBlad, TitelBlad, QStringLiteral("WedstrijdbladVoorAanvang.dotx"), afdrukken, sluiten,
          wedstrijdbladVoorAanvangTypen);
}

void AfdrukkenScheidsrechtersblaadjes(int afdrukken, int sluiten, int teKnippen)
{
    const bool knippen = teKnippen == 1;
    maken(TitelBlaadjes, knippen ? BestandBlaadjesTeKnippen : TitelBlaadjes,
          knippen ? QStringLiteral("ScheidsrechtersblaadjesTeKnippen.dotx") : QStringLiteral("Scheidsrechtersblaadjes.dotx"),
          afdrukken, sluiten, [knippen](Document& d, const VoorAanvang& w) { scheidsrechtersblaadjesTypen(d, w, knippen); });
}

} // namespace printing
