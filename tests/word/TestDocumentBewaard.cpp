// The document layer as the sheets use it, checked in the saved file: the moves of the insertion point by unit
// and count, typing over selections and at bookmarks, appending to cells, the fonts, texts with the marks that
// the file format escapes, line ends, borders, emptied and merged cells. Each document is saved, then read back
// by the layer, by Qt's own XML reader where the file format itself is in question, and by LibreOffice where the
// printed result is.

#include "DocxMaken.h"

#include "../printing/PdfLezen.h"

#include <QDomDocument>
#include <QDomElement>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>

using namespace word;
using namespace testhulp::docx;

namespace {

class WordBewaard : public ::testing::Test
{
protected:
    /** Saves the document as a file of the folder and reads that file back. */
    Document bewaren(Document& d)
    {
        m_pad = m_map.filePath(q("Blad.docx"));
        d.SaveAs(m_pad);
        return Document::Open(m_pad);
    }

    /** The saved file's main part as bytes. */
    QByteArray hoofddeelBytes() const
    {
        QFile f(m_pad);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        for (const auto& [naam, inhoud] : detail::zipLezen(f.readAll(), m_pad)) {
            if (naam == u"word/document.xml")
                return inhoud;
        }
        return {};
    }

    /** The saved file's main part read by Qt's XML reader; fails the test when it is not well-formed XML. */
    QDomDocument hoofddeel() const
    {
        QDomDocument dom;
        QString fout;
        int regel = 0;
        int kolom = 0;
        EXPECT_TRUE(dom.setContent(hoofddeelBytes(), false, &fout, &regel, &kolom))
            << fout.toStdString() << " at " << regel << ":" << kolom;
        return dom;
    }

    /** A table's rows in the saved file (tables of the body counted from 1). */
    QList<QDomElement> rijen(int tabel) const
    {
        QList<QDomElement> uit;
        QDomElement t = hoofddeel().documentElement().firstChildElement(q("w:body")).firstChildElement(q("w:tbl"));
        for (int i = 1; i < tabel && !t.isNull(); ++i)
            t = t.nextSiblingElement(q("w:tbl"));
        for (QDomElement r = t.firstChildElement(q("w:tr")); !r.isNull(); r = r.nextSiblingElement(q("w:tr")))
            uit << r;
        return uit;
    }

    /** A cell of a row in the saved file, from 1. */
    static QDomElement cel(const QDomElement& rij, int nummer)
    {
        QDomElement c = rij.firstChildElement(q("w:tc"));
        for (int i = 1; i < nummer && !c.isNull(); ++i)
            c = c.nextSiblingElement(q("w:tc"));
        return c;
    }

    /** The borders a saved cell gives itself: side to "val/sz/color". */
    static QMap<QString, QString> randen(const QDomElement& tc)
    {
        QMap<QString, QString> uit;
        const QDomElement b = tc.firstChildElement(q("w:tcPr")).firstChildElement(q("w:tcBorders"));
        for (QDomElement z = b.firstChildElement(); !z.isNull(); z = z.nextSiblingElement()) {
            uit.insert(z.tagName().mid(2), z.attribute(q("w:val")) + u'/' + z.attribute(q("w:sz")) + u'/'
                                               + z.attribute(q("w:color")));
        }
        return uit;
    }

    static int breedte(const QDomElement& tc)
    {
        const QDomElement g = tc.firstChildElement(q("w:tcPr")).firstChildElement(q("w:gridSpan"));
        return g.isNull() ? 1 : g.attribute(q("w:val")).toInt();
    }

    /** The saved file printed by LibreOffice; nothing when LibreOffice is not installed. */
    std::optional<testhulp::Pdf> gedrukt() const
    {
        if (!testhulp::pdfMogelijk())
            return std::nullopt;
        const QString map = m_map.filePath(q("pdf"));
        EXPECT_TRUE(testhulp::naarPdf({m_pad}, map));
        return testhulp::pdfLezen(m_pad, map);
    }

    static QStringList alineas(Document& d)
    {
        QStringList uit;
        const Bereik inhoud = d.Content();
        for (int i = 1; i <= inhoud.ParagraphsCount(); ++i)
            uit << inhoud.Paragraphs(i).Text();
        return uit;
    }

    QTemporaryDir m_map;
    QString m_pad;
};

const testhulp::PdfWoord* woord(const testhulp::Pdf& pdf, const QString& tekst)
{
    for (const testhulp::PdfWoord& w : pdf.woorden) {
        if (w.tekst == tekst)
            return &w;
    }
    return nullptr;
}

QString bladwijzer(const char* naam)
{
    return q("<w:bookmarkStart w:id=\"0\" w:name=\"") + q(naam) + q("\"/><w:bookmarkEnd w:id=\"0\"/>");
}

// A paragraph whose text carries run properties of its own.
QString opgemaakt(const QString& tekst, const QString& rPr)
{
    return q("<w:p><w:r><w:rPr>") + rPr + q("</w:rPr><w:t xml:space=\"preserve\">") + tekst + q("</w:t></w:r></w:p>");
}

} // namespace

// The header's moves: a paragraph down goes to the next paragraph's start, a line down keeps the place on the
// line, two lines down in a cell of three reach its third; a cell to the right selects it, a character to the
// left then stands at its start; a line below a cell's last is the cell under it, in the same column, and a
// line below the last row the paragraph after the table.
TEST_F(WordBewaard, TheMovesOfTheSheetByUnitAndCount)
{
    Document d = Document::uitBytes(docxMet(
        p(q("Lokaal:")) + p(q("Straat:")) + p(q("Gemeente:")) + q("<w:tbl><w:tr>")
        + tc(p(q("Datum:\t")) + p(q("Afdeling:\t")) + p(q("Aanvang:\t"))) + tc(p(q("Nr:\t")) + p(q("Reeks:\t")))
        + q("</w:tr><w:tr>") + tc(p(q("Onder"))) + tc(p(q("Rechts"))) + q("</w:tr></w:tbl>") + p(q("na"))));
    Selectie& s = d.Selection();
    s.HomeKey(wdStory);
    s.EndKey(wdLine);
    s.TypeText(q("Sporthal"));
    s.MoveDown(wdParagraph, 1);
    s.TypeText(q("*"));
    s.EndKey(wdLine);
    s.MoveDown(wdLine, 1);
    s.TypeText(q("#"));
    s.GoTo(wdGoToTable, wdGoToNext);
    s.MoveDown(wdLine, 2);
    s.EndKey(wdLine);
    s.TypeText(q("20 u. 15"));
    s.MoveRight(wdCell, 1);
    s.MoveLeft(wdCharacter, 1);
    s.EndKey(wdLine);
    s.TypeText(q("P/001"));
    s.MoveDown(wdLine, 1);
    s.EndKey(wdLine);
    s.TypeText(q("A"));
    s.MoveDown(wdLine, 1);
    s.HomeKey(wdLine);
    s.TypeText(q("2:"));
    s.MoveDown(wdLine, 1);
    s.EndKey(wdLine);
    s.TypeText(q(" einde"));

    Document t = bewaren(d);
    EXPECT_EQ(alineas(t).mid(0, 3), QStringList({q("Lokaal:Sporthal"), q("*Straat:"), q("Gemeente#:")}));
    EXPECT_EQ(t.Tables(1).Cell(1, 1).Range().Text(), q("Datum:\t\rAfdeling:\t\rAanvang:\t20 u. 15"));
    EXPECT_EQ(t.Tables(1).Cell(1, 2).Range().Text(), q("Nr:\tP/001\rReeks:\tA"));
    EXPECT_EQ(t.Tables(1).Cell(2, 1).Range().Text(), q("Onder"));
    EXPECT_EQ(t.Tables(1).Cell(2, 2).Range().Text(), q("2:Rechts"));
    EXPECT_EQ(alineas(t).last(), q("na einde"));
}

// The kind of match: from the bookmark in the first cell, one, three or five cells to the right is the kind's
// box (its second line for the even kinds), and seven, five or three cells further, across the row's end, is
// the date's cell, at whose first line the date goes.
TEST_F(WordBewaard, TheKindOfMatchBoxAndTheDateAreReachedFromTheBookmarkAcrossTheRowEnd)
{
    const QString doos = q("<w:p/><w:p/>");
    const QString lichaam = q("<w:tbl><w:tr>") + tc(q("<w:p><w:r><w:t>Soort:</w:t></w:r>") + bladwijzer("Soort") + q("</w:p>"))
                            + tc(doos) + tc(p(q("Heren")) + p(q("Dames"))) + tc(doos) + tc(p(q("Jeugd")) + p(q("Super")))
                            + tc(doos) + tc(p(q("Beker Heren")) + p(q("Beker Dames"))) + tc(q("<w:p/>"))
                            + q("</w:tr><w:tr>") + tc(p(q("Datum:\t")) + p(q("Afdeling:\t")))
                            + tc(p(q("Wedstrijdnummer:\t"))) + q("</w:tr></w:tbl>") + p(QString());
    struct Zet
    {
        int naarDoos;
        bool regelOmlaag;
        int verder;
    };
    const Zet zetten[] = {{1, false, 7}, {1, true, 7}, {3, false, 5}, {3, true, 5}, {5, false, 3}, {5, true, 3}};
    for (int soort = 1; soort <= 6; ++soort) {
        const Zet& z = zetten[soort - 1];
        Document d = Document::uitBytes(docxMet(lichaam));
        Selectie& s = d.Selection();
        d.Bookmarks(q("Soort")).Select();
        s.MoveRight(wdCell, z.naarDoos);
        if (z.regelOmlaag)
            s.MoveDown(wdLine, 1);
        s.TypeText(q("X"));
        s.MoveRight(wdCell, z.verder);
        s.MoveLeft(wdCharacter, 1);
        s.EndKey(wdLine);
        s.TypeText(q("12 / 9 / 2010"));
        s.MoveDown(wdLine, 1);
        s.EndKey(wdLine);
        s.TypeText(q("1A"));
        s.MoveRight(wdCell, 1);
        s.MoveLeft(wdCharacter, 1);
        s.EndKey(wdLine);
        s.TypeText(q("PAH01/001"));

        Document t = bewaren(d);
        Tabel tabel = t.Tables(1);
        for (const int c : {2, 4, 6}) {
            const QString verwacht = c != z.naarDoos + 1 ? q("\r") : z.regelOmlaag ? q("\rX") : q("X");
            EXPECT_EQ(tabel.Cell(1, c).Range().Text(), verwacht) << "kind " << soort << ", box " << c;
        }
        EXPECT_EQ(tabel.Cell(1, 1).Range().Text(), q("Soort:")) << soort;
        EXPECT_EQ(tabel.Cell(1, 8).Range().Text(), QString()) << soort;
        EXPECT_EQ(tabel.Cell(2, 1).Range().Text(), q("Datum:\t12 / 9 / 2010\rAfdeling:\t1A")) << soort;
        EXPECT_EQ(tabel.Cell(2, 2).Range().Text(), q("Wedstrijdnummer:\tPAH01/001")) << soort;
    }
}

// Each step of the sheet starts with a move to the next table, also straight after the previous step's: from
// the start of a table that is the table after it. The report's week goes to its bookmark.
TEST_F(WordBewaard, TheNextTableFromATablesStartAndABookmarkInTheBody)
{
    Document d = Document::uitBytes(docxMet(p(q("kop")) + tabel(1, 1, q("a")) + p(QString()) + tabel(1, 1, q("b"))
                                            + p(QString()) + tabel(1, 1, q("c"))
                                            + q("<w:p><w:r><w:t xml:space=\"preserve\">Speelweek: </w:t></w:r>")
                                            + bladwijzer("Week") + q("</w:p>") + p(q("slot"))));
    Selectie& s = d.Selection();
    s.GoTo(wdGoToTable, wdGoToNext);
    s.GoTo(wdGoToTable, wdGoToNext);
    s.TypeText(q("2:"));
    s.GoTo(wdGoToTable, wdGoToNext);
    s.GoTo(wdGoToBookmark, wdGoToNext, 1, q("Week"));
    s.TypeText(q("07"));
    s.MoveDown(wdLine, 1);
    s.TypeParagraph();
    s.TypeText(q("Dubbel opgestelde spelers:"));

    Document t = bewaren(d);
    EXPECT_EQ(t.Tables(1).Cell(1, 1).Range().Text(), q("a1.1"));
    EXPECT_EQ(t.Tables(2).Cell(1, 1).Range().Text(), q("2:b1.1"));
    EXPECT_EQ(t.Tables(3).Cell(1, 1).Range().Text(), q("c1.1"));
    const QStringList a = alineas(t);
    EXPECT_EQ(a.mid(a.size() - 3), QStringList({q("Speelweek: 07"), q("slot"), q("Dubbel opgestelde spelers:")}));
}

// Values appended to cells go after the cell's last line, and the insertion point stays where it was typing.
TEST_F(WordBewaard, AppendedTextEndsACellOfSeveralLinesAndTheInsertionPointStays)
{
    Document d = Document::uitBytes(docxMet(q("<w:tbl><w:tr>") + tc(p(q("Naam:")) + p(q("Lidnummer:")))
                                            + tc(p(q("Club:")) + p(q("Nr:"))) + tc(q("<w:p/>")) + q("</w:tr></w:tbl>")
                                            + p(QString())));
    Selectie& s = d.Selection();
    Tabel t = d.Tables(1);
    t.Cell(1, 1).Select();
    s.MoveLeft(wdCharacter, 1);
    s.EndKey(wdLine);
    s.TypeText(q(" Jan"));
    t.Cell(1, 1).Range().InsertAfter(q("\t500001"));
    t.Cell(1, 2).Range().InsertAfter(q(" 003"));
    t.Cell(1, 3).Range().InsertAfter(q("X"));
    s.TypeText(q(" Peeters"));

    Document terug = bewaren(d);
    Tabel g = terug.Tables(1);
    EXPECT_EQ(g.Cell(1, 1).Range().Text(), q("Naam: Jan Peeters\rLidnummer:\t500001"));
    EXPECT_EQ(g.Cell(1, 2).Range().Text(), q("Club:\rNr: 003"));
    EXPECT_EQ(g.Cell(1, 3).Range().Text(), q("X"));
}

// What the fonts are set to is what the file holds, also where it switches off what the template's own text
// has on; a stretch selected to the line's start takes a size of its own.
TEST_F(WordBewaard, FontSettingsAreSavedOverTheTemplatesOwnFormatting)
{
    Document d = Document::uitBytes(docxMet(
        opgemaakt(q("Opvallend:"), q("<w:rFonts w:ascii=\"Courier New\" w:hAnsi=\"Courier New\"/><w:b/><w:i/>"
                                    "<w:color w:val=\"FF0000\"/><w:sz w:val=\"28\"/><w:u w:val=\"single\"/>"))
        + p(q("Gewoon:")) + q("<w:tbl><w:tr>") + tc(q("<w:p/>") + p(q("Club: "))) + q("</w:tr></w:tbl>") + p(QString())));
    Selectie& s = d.Selection();
    s.HomeKey(wdStory);
    s.EndKey(wdLine);
    s.Font().Name(q("Arial"));
    s.Font().Size(9);
    s.Font().Bold(0);
    s.Font().Italic(0);
    s.Font().Underline(wdUnderlineNone);
    s.Font().ColorIndex(wdBlack);
    s.TypeText(q(" uit"));
    s.MoveDown(wdParagraph, 1);
    s.EndKey(wdLine);
    s.Font().Bold(1);
    s.Font().Italic(1);
    s.Font().Underline(wdUnderlineSingle);
    s.Font().Size(14);
    s.TypeText(q(" aan"));
    // The referee's club: its name at the cell's start, then its number on the line below, the text before the
    // insertion point made small.
    s.GoTo(wdGoToTable, wdGoToNext);
    s.Font().Bold(1);
    s.TypeText(q("Bree"));
    s.MoveDown(wdLine, 1);
    s.HomeKey(wdLine, wdExtend);
    s.Font().Size(8);
    s.EndKey(wdLine, wdMove);
    s.TypeText(q(" "));
    s.Font().Bold(1);
    s.TypeText(q("A003"));

    Document t = bewaren(d);
    const Bereik inhoud = t.Content();
    const Opmaak uit = inhoud.opmaakVan(q(" uit"));
    EXPECT_EQ(uit.naam, q("Arial"));
    EXPECT_EQ(uit.grootte, 9.0);
    EXPECT_EQ(uit.vet, false);
    EXPECT_EQ(uit.cursief, false);
    EXPECT_EQ(uit.onderstreept, wdUnderlineNone);
    EXPECT_EQ(uit.kleur, q("000000"));
    const Opmaak eigen = inhoud.opmaakVan(q("Opvallend:"));
    EXPECT_EQ(eigen, (Opmaak{q("Courier New"), 14.0, true, true, wdUnderlineSingle, q("FF0000")}));
    const Opmaak aan = inhoud.opmaakVan(q(" aan"));
    EXPECT_EQ(aan, (Opmaak{q("Arial"), 14.0, true, true, wdUnderlineSingle, q("auto")}));
    EXPECT_EQ(inhoud.opmaakVan(q("Gewoon:")), (Opmaak{q("Arial"), 9.0, false, false, wdUnderlineNone, q("auto")}));
    const Bereik club = t.Tables(1).Cell(1, 1).Range();
    EXPECT_EQ(club.Text(), q("Bree\rClub:  A003"));
    EXPECT_EQ(club.opmaakVan(q("Bree")).vet, true);
    EXPECT_EQ(club.opmaakVan(q("Club")).grootte, 8.0);
    EXPECT_EQ(club.opmaakVan(q("Club")).vet, false);
    EXPECT_EQ(club.opmaakVan(q(": ")).grootte, 9.0);
    EXPECT_EQ(club.opmaakVan(q("A003")).vet, true);

    // Printed: the sizes as set.
    const auto pdf = gedrukt();
    if (!pdf)
        GTEST_SKIP() << "LibreOffice or pdftotext is not installed";
    const auto hoogte = [&](const char* tekst) {
        const testhulp::PdfWoord* w = woord(*pdf, q(tekst));
        return w ? w->y2 - w->y1 : 0.0;
    };
    ASSERT_GT(hoogte("uit"), 0.0) << pdf->tekst.toStdString();
    EXPECT_NEAR(hoogte("aan") / hoogte("uit"), 14.0 / 9.0, 0.05);
    EXPECT_NEAR(hoogte("Club") / hoogte("uit"), 8.0 / 9.0, 0.05);
}

// Names, remarks and places as clubs type them: the marks that the file format escapes, accents, the euro, a
// tab, and line ends of every kind, typed and appended. The file is well-formed UTF-8 XML that says what was
// typed, to the layer, to Qt's XML reader and to LibreOffice.
TEST_F(WordBewaard, MarkupCharactersAccentsTheEuroTabsAndLineEndsInTheSavedFile)
{
    const QString naam = q("TTC D'Hondt & Zonen <Gent> \"A\" > B, Émile Zoë, € 5");
    Document d = Document::uitBytes(docxMet(p(q("Opmerkingen:")) + tabel(1, 1, q("Cel")) + p(QString())));
    Selectie& s = d.Selection();
    s.HomeKey(wdStory);
    s.EndKey(wdLine);
    s.TypeText(q("\t") + naam + q("\r\ntweede regel\nderde regel\rvierde regel"));
    d.Tables(1).Cell(1, 1).Range().InsertAfter(q("\t") + naam + q("\r\nonder"));

    Document t = bewaren(d);
    EXPECT_EQ(alineas(t).mid(0, 4), QStringList({q("Opmerkingen:\t") + naam, q("tweede regel"), q("derde regel"),
                                                 q("vierde regel")}));
    EXPECT_EQ(t.Tables(1).Cell(1, 1).Range().Text(), q("Cel1.1\t") + naam + q("\ronder"));

    EXPECT_TRUE(hoofddeelBytes().contains(q("Zoë, € 5").toUtf8()));
    const QDomDocument dom = hoofddeel();
    const QDomElement eerste = dom.documentElement().firstChildElement(q("w:body")).firstChildElement(q("w:p"));
    // A tab is an element of its own in the file, never a character of the text.
    QString tekst;
    for (QDomElement r = eerste.firstChildElement(q("w:r")); !r.isNull(); r = r.nextSiblingElement(q("w:r"))) {
        for (QDomElement e = r.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
            if (e.tagName() == u"w:t") {
                EXPECT_FALSE(e.text().contains(u'\t')) << e.text().toStdString();
                tekst += e.text();
            } else if (e.tagName() == u"w:tab") {
                tekst += u'\t';
            }
        }
    }
    EXPECT_EQ(tekst, q("Opmerkingen:\t") + naam);

    const auto pdf = gedrukt();
    if (!pdf)
        GTEST_SKIP() << "LibreOffice or pdftotext is not installed";
    const QStringList regels = pdf->tekst.split(u'\n');
    QStringList gevonden;
    for (const QString& r : regels) {
        if (r.contains(naam))
            gevonden << r.simplified();
    }
    EXPECT_EQ(gevonden.size(), 2) << pdf->tekst.toStdString();
    const qsizetype tweede = regels.indexOf(QRegularExpression(q("^\\s*tweede regel\\s*$")));
    ASSERT_GE(tweede, 0) << pdf->tekst.toStdString();
    EXPECT_EQ(regels.mid(tweede + 1, 2).replaceInStrings(QRegularExpression(q("^\\s+|\\s+$")), QString()),
              QStringList({q("derde regel"), q("vierde regel")}));
}

// The score of a Super match is framed on all sides and between its two cells; the unused rows of the sheet
// before the match lose their sides and bottom but keep the line above them. Each cell of the saved file says so
// for its own sides.
TEST_F(WordBewaard, BordersSetOnABlockStandOnEachCellsOwnSidesInTheSavedFile)
{
    Document d = Document::uitBytes(docxMet(tabel(5, 4, QString()) + p(QString())));
    Tabel t = d.Tables(1);
    Randen kader = d.Range(t.Cell(5, 3).Range().Start(), t.Cell(5, 4).Range().End()).Cells().Borders();
    for (const int rand : {wdBorderLeft, wdBorderRight, wdBorderTop, wdBorderBottom, wdBorderVertical}) {
        Rand r = kader.Item(rand);
        r.LineStyle(wdLineStyleSingle);
        r.LineWidth(wdLineWidth150pt);
        r.Color(wdColorAutomatic);
    }
    kader.Shadow(false);
    Randen weg = d.Range(t.Cell(4, 1).Range().Start(), t.Cell(4, 4).Range().End()).Cells().Borders();
    for (const int rand : {wdBorderLeft, wdBorderRight, wdBorderBottom, wdBorderVertical})
        weg.Item(rand).LineStyle(wdLineStyleNone);
    bewaren(d);

    const QList<QDomElement> r = rijen(1);
    ASSERT_EQ(r.size(), 5);
    const QString dik = q("single/12/auto");
    const QMap<QString, QString> omkaderd{{q("top"), dik}, {q("left"), dik}, {q("bottom"), dik}, {q("right"), dik}};
    EXPECT_EQ(randen(cel(r[4], 3)), omkaderd);
    EXPECT_EQ(randen(cel(r[4], 4)), omkaderd);
    EXPECT_TRUE(randen(cel(r[4], 2)).isEmpty());
    for (int c = 1; c <= 4; ++c) {
        const QMap<QString, QString> z = randen(cel(r[3], c));
        EXPECT_EQ(z.keys(), QStringList({q("bottom"), q("left"), q("right")})) << c;
        for (const QString& v : z)
            EXPECT_TRUE(v.startsWith(q("nil/"))) << c << ": " << v.toStdString();
    }
    EXPECT_TRUE(randen(cel(r[2], 1)).isEmpty());
}

// The results table: its first columns emptied over a block of rows, the doubles game's two place cells merged
// into one as wide as both, so that the columns after it stay under their headings.
TEST_F(WordBewaard, ABlockOfCellsIsEmptiedWholeAndAMergedCellKeepsTheRowsWidth)
{
    Document d = Document::uitBytes(docxMet(tabel(6, 4, q("c"), 1500) + p(QString())));
    Tabel t = d.Tables(1);
    d.Range(t.Cell(2, 1).Range().Start(), t.Cell(5, 3).Range().End()).Delete(wdCharacter);
    t.Cell(4, 2).Range().InsertAfter(q("Dubb."));
    d.Range(t.Cell(4, 2).Range().Start(), t.Cell(4, 3).Range().End()).Cells().Merge();
    Document g = bewaren(d);

    Tabel terug = g.Tables(1);
    for (int rij = 2; rij <= 5; ++rij) {
        for (int c = 1; c <= (rij == 4 ? 1 : 3); ++c)
            EXPECT_EQ(terug.Cell(rij, c).Range().Text(), QString()) << rij << "," << c;
        EXPECT_EQ(terug.Cell(rij, rij == 4 ? 3 : 4).Range().Text(), QStringLiteral("c%1.4").arg(rij)) << rij;
    }
    EXPECT_EQ(terug.Cell(4, 2).Range().Text(), q("Dubb."));
    EXPECT_EQ(terug.Cell(6, 3).Range().Text(), q("c6.3"));

    const QList<QDomElement> r = rijen(1);
    ASSERT_EQ(r.size(), 6);
    for (int rij = 1; rij <= 6; ++rij) {
        int som = 0;
        for (QDomElement c = r[rij - 1].firstChildElement(q("w:tc")); !c.isNull(); c = c.nextSiblingElement(q("w:tc")))
            som += breedte(c);
        EXPECT_EQ(som, 4) << "row " << rij;
    }
    EXPECT_EQ(breedte(cel(r[3], 2)), 2);
    // Its stated width is that of both cells, so that a word processor that goes by it keeps the row's width.
    EXPECT_EQ(cel(r[3], 2).firstChildElement(q("w:tcPr")).firstChildElement(q("w:tcW")).attribute(q("w:w")), q("3000"));
    EXPECT_EQ(cel(r[3], 1).firstChildElement(q("w:tcPr")).firstChildElement(q("w:tcW")).attribute(q("w:w")), q("1500"));

    const auto pdf = gedrukt();
    if (!pdf)
        GTEST_SKIP() << "LibreOffice or pdftotext is not installed";
    const testhulp::PdfWoord* boven = woord(*pdf, q("c3.4"));
    const testhulp::PdfWoord* naast = woord(*pdf, q("c4.4"));
    ASSERT_TRUE(boven && naast) << pdf->tekst.toStdString();
    EXPECT_NEAR(naast->x1, boven->x1, 1.0) << "the last column stays under the one above";
}
