// The document layer: moves of the insertion point, typing and fonts, tables and ranges, saving and
// reading back.

#include "DocxMaken.h"

#include "../printing/PdfLezen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace word;
using namespace testhulp::docx;

TEST(WordDocument, TypingFollowsTheMovesLineByLine)
{
    Document d = Document::uitBytes(docxMet(p(q("Lokaal: ")) + p(q("Straat: ")) + p(q("Gemeente: "))));
    Selectie& s = d.Selection();
    s.HomeKey(wdStory);
    s.EndKey(wdLine);
    s.Font().Bold(1);
    s.TypeText(q("Sporthal"));
    s.MoveDown(wdParagraph, 1);
    s.EndKey(wdLine);
    s.TypeText(q("Kerkstraat 1"));
    s.MoveDown(wdParagraph, 1);
    s.EndKey(wdLine);
    s.Font().Bold(0);
    s.TypeText(q("2000 Antwerpen"));

    const Document terug = opnieuw(d);
    Bereik inhoud = const_cast<Document&>(terug).Content();
    EXPECT_EQ(inhoud.Paragraphs(1).Text(), q("Lokaal: Sporthal"));
    EXPECT_EQ(inhoud.Paragraphs(2).Text(), q("Straat: Kerkstraat 1"));
    EXPECT_EQ(inhoud.Paragraphs(3).Text(), q("Gemeente: 2000 Antwerpen"));
    EXPECT_FALSE(*inhoud.Paragraphs(1).opmaakVan(q("Lokaal")).vet);
    EXPECT_TRUE(*inhoud.Paragraphs(1).opmaakVan(q("Sporthal")).vet);
    // Text typed after a move takes the formatting of the character before it, not that of the last text typed.
    EXPECT_FALSE(*inhoud.Paragraphs(2).opmaakVan(q("Kerkstraat")).vet);
    EXPECT_FALSE(*inhoud.Paragraphs(3).opmaakVan(q("2000")).vet);
    EXPECT_EQ(*inhoud.Paragraphs(3).opmaakVan(q("2000")).naam, q("Arial"));
    EXPECT_EQ(*inhoud.Paragraphs(3).opmaakVan(q("2000")).grootte, 9.0);
}

TEST(WordDocument, CellMovesFromABookmarkAndLinesWithinCells)
{
    // A bookmark in the first cell, a cell of two lines, then a cell of three lines on the next row.
    const QString lichaam =
        q("<w:tbl><w:tr>") + tc(p(q("Soort:"), q("<w:bookmarkStart w:id=\"0\" w:name=\"Soort\"/><w:bookmarkEnd w:id=\"0\"/>")))
        + tc(q("<w:p/><w:p/>")) + tc(p(q("H")) + p(q("D"))) + q("</w:tr><w:tr>")
        + tc(p(q("Datum: ")) + p(q("Afdeling: ")) + p(q("Aanvang: "))) + tc(p(q("Nr: ")) + p(q("Reeks: ")))
        + q("</w:tr></w:tbl>") + p(q("na"));
    for (const bool tweede : {false, true}) {
        Document d = Document::uitBytes(docxMet(lichaam));
        Selectie& s = d.Selection();
        d.Bookmarks(q("Soort")).Select();
        s.MoveRight(wdCell, 1);
        if (tweede)
            s.MoveDown(wdLine, 1);
        s.TypeText(q("X"));
        s.MoveRight(wdCell, 2);
        s.MoveLeft(wdCharacter, 1);
        s.EndKey(wdLine);
        s.TypeText(q("12 / 9 / 2010"));
        s.MoveDown(wdLine, 1);
        s.EndKey(wdLine);
        s.TypeText(q("1A"));
        s.MoveRight(wdCell, 1);
        s.MoveLeft(wdCharacter, 1);
        s.EndKey(wdLine);
        s.TypeText(q("P/001"));
        s.MoveDown(wdLine, 1);
        s.EndKey(wdLine);
        s.TypeText(q("A"));

        Document t = opnieuw(d);
        const Bereik doos = t.Tables(1).Cell(1, 2).Range();
        if (tweede) {
            EXPECT_EQ(doos.Text(), q("\rX"));
        } else {
            // The whole (empty) cell was selected and typed over, as the word processor does.
            EXPECT_EQ(doos.Text(), q("X"));
        }
        EXPECT_EQ(t.Tables(1).Cell(2, 1).Range().Text(), q("Datum: 12 / 9 / 2010\rAfdeling: 1A\rAanvang: "));
        EXPECT_EQ(t.Tables(1).Cell(2, 2).Range().Text(), q("Nr: P/001\rReeks: A"));
        EXPECT_EQ(t.Content().Paragraphs(t.Content().ParagraphsCount()).Text(), q("na"));
    }
}

TEST(WordDocument, GoToNextTableAndLinesBelowATablesStart)
{
    Document d = Document::uitBytes(docxMet(p(q("kop")) + tabel(2, 2, q("a")) + p(q("")) + tabel(3, 2, q("b"))
                                            + p(q("")) + tabel(1, 1, q("c")) + p(q("slot"))));
    Selectie& s = d.Selection();
    s.GoTo(wdGoToTable, wdGoToNext);
    s.TypeText(q(">"));
    s.GoTo(wdGoToTable, wdGoToNext); // from inside table 1 to table 2
    s.MoveDown(wdLine, 1);           // the cell below
    s.TypeText(q("\tPloeg"));
    s.MoveDown(wdLine, 2);           // past the last row: the paragraph after the table
    s.TypeText(q("!"));
    s.GoTo(wdGoToTable, wdGoToNext);
    s.TypeText(q("3:"));
    EXPECT_THROW(s.GoTo(wdGoToTable, wdGoToNext), WordFout);
    EXPECT_EQ(d.Tables(1).Cell(1, 1).Range().Text(), q(">a1.1"));
    EXPECT_EQ(d.Tables(2).Cell(2, 1).Range().Text(), q("\tPloegb2.1"));
    EXPECT_EQ(d.Tables(3).Cell(1, 1).Range().Text(), q("3:c1.1"));
    EXPECT_EQ(d.Content().Paragraphs(d.Content().ParagraphsCount() - 2).Text(), q("!"));
}

TEST(WordDocument, AppendingToCellsLeavesTheInsertionPoint)
{
    Document d = Document::uitBytes(docxMet(tabel(3, 3, q("")) + p(QString())));
    Selectie& s = d.Selection();
    d.Tables(1).Cell(2, 1).Select();
    s.MoveLeft(wdCharacter, 1);
    s.EndKey(wdLine);
    s.Font().Bold(1);
    s.TypeText(q("\tJan"));
    Tabel t = d.Tables(1);
    t.Cell(2, 2).Range().InsertAfter(q("500001"));
    t.Cell(2, 3).Range().InsertAfter(QString());
    s.TypeText(q(" Peeters"));
    EXPECT_EQ(t.Cell(2, 1).Range().Text(), q("2.1\tJan Peeters"));
    EXPECT_EQ(t.Cell(2, 2).Range().Text(), q("2.2500001"));
    EXPECT_EQ(t.Cell(2, 3).Range().Text(), q("2.3"));
    // Appended text takes the formatting of the cell's last character: not bold here.
    EXPECT_FALSE(*t.Cell(2, 2).Range().opmaakVan(q("500001")).vet);
    EXPECT_TRUE(*t.Cell(2, 1).Range().opmaakVan(q("Jan")).vet);
    EXPECT_THROW(t.Cell(4, 1), WordFout);
    EXPECT_THROW(d.Tables(2), WordFout);
}

TEST(WordDocument, ExtendedSelectionTakesTheFontAndTypingStartsParagraphs)
{
    Document d = Document::uitBytes(docxMet(p(QString()) + tabel(1, 1, q("Club")) + p(QString())));
    Selectie& s = d.Selection();
    s.GoTo(wdGoToTable, wdGoToNext);
    s.EndKey(wdLine);
    s.HomeKey(wdLine, wdExtend);
    s.Font().Size(8);
    s.EndKey(wdLine);
    s.TypeText(q(" "));
    s.Font().Bold(1);
    s.TypeText(q("A001\rtweede  "));
    s.TypeParagraph();
    s.Font().Underline(wdUnderlineSingle);
    s.TypeText(q("  "));

    Document t = opnieuw(d);
    const Bereik cel = t.Tables(1).Cell(1, 1).Range();
    EXPECT_EQ(cel.Text(), q("Club1.1 A001\rtweede  \r  "));
    EXPECT_EQ(*cel.opmaakVan(q("Club")).grootte, 8.0);
    EXPECT_FALSE(*cel.opmaakVan(q("Club")).vet);
    EXPECT_EQ(*cel.opmaakVan(q("A001")).grootte, 8.0);
    EXPECT_TRUE(*cel.opmaakVan(q("A001")).vet);
    // Blanks alone keep their place through saving and reading back.
    EXPECT_EQ(cel.Paragraphs(3).Text(), q("  "));
    EXPECT_EQ(*cel.Paragraphs(3).opmaakVan(q("  ")).onderstreept, wdUnderlineSingle);
}

TEST(WordDocument, RangesOverCellsDeleteMergeAndFrame)
{
    Document d = Document::uitBytes(docxMet(tabel(5, 4, q("")) + p(QString())));
    Tabel t = d.Tables(1);
    t.Cell(2, 3).Range().InsertAfter(q("x"));
    d.Range(t.Cell(2, 1).Range().Start(), t.Cell(4, 2).Range().End()).Delete(wdCharacter);
    EXPECT_EQ(t.Cell(2, 1).Range().Text(), QString());
    EXPECT_EQ(t.Cell(4, 2).Range().Text(), QString());
    EXPECT_EQ(t.Cell(2, 3).Range().Text(), q("2.3x")); // outside the block
    EXPECT_EQ(t.Cell(5, 1).Range().Text(), q("5.1"));

    t.Cell(3, 2).Range().InsertAfter(q("Dubb."));
    d.Range(t.Cell(3, 2).Range().Start(), t.Cell(3, 3).Range().End()).Cells().Merge();
    EXPECT_EQ(t.CellsCount(3), 3);
    EXPECT_EQ(t.Cell(3, 2).Range().Text(), q("Dubb.\r3.3"));
    EXPECT_EQ(t.Cell(3, 3).Range().Text(), q("3.4"));

    Randen randen = d.Range(t.Cell(5, 3).Range().Start(), t.Cell(5, 4).Range().End()).Cells().Borders();
    for (const int rand : {wdBorderLeft, wdBorderRight, wdBorderTop, wdBorderBottom, wdBorderVertical}) {
        randen.Item(rand).LineStyle(wdLineStyleSingle);
        randen.Item(rand).LineWidth(wdLineWidth150pt);
        randen.Item(rand).Color(wdColorAutomatic);
    }
    randen.Shadow(false);

    Document terug = opnieuw(d);
    Randen gelezen = terug.Range(terug.Tables(1).Cell(5, 3).Range().Start(), terug.Tables(1).Cell(5, 4).Range().End())
                         .Cells()
                         .Borders();
    EXPECT_EQ(gelezen.Item(wdBorderTop).LineWidth(), wdLineWidth150pt);
    EXPECT_EQ(gelezen.Item(wdBorderVertical).LineStyle(), wdLineStyleSingle);
    EXPECT_EQ(gelezen.Item(wdBorderRight).Color(), wdColorAutomatic);
    EXPECT_EQ(terug.Tables(1).CellsCount(3), 3);
    const QByteArray xml = [&] {
        for (const auto& [naam, inhoud] : detail::zipLezen(d.docx(), q("d")))
            if (naam == u"word/document.xml")
                return inhoud;
        return QByteArray();
    }();
    EXPECT_TRUE(xml.contains("<w:gridSpan w:val=\"2\"/>"));

    // Rows removed with their text, the insertion point in one of them taken to the row above; a table keeps
    // at least one row.
    terug.Tables(1).Cell(4, 1).Select();
    terug.Tables(1).DeleteRows(4, 4);
    EXPECT_EQ(terug.Tables(1).RowsCount(), 4);
    EXPECT_EQ(terug.Tables(1).Cell(4, 1).Range().Text(), q("5.1"));
    terug.Selection().TypeText(q("y"));
    EXPECT_EQ(terug.Tables(1).Cell(3, 1).Range().Text(), q("y"));
    EXPECT_THROW(terug.Tables(1).DeleteRows(1, 4), WordFout);
    EXPECT_THROW(terug.Tables(1).DeleteRows(4, 5), WordFout);
    terug.Tables(1).DeleteRows(1, 2);
    EXPECT_EQ(opnieuw(terug).Tables(1).Cell(1, 1).Range().Text(), q("y"));
}

TEST(WordDocument, SavedAsADocumentKeepingTheTemplatesOtherParts)
{
    const QString sjabloon = q(INTERCLUB_SHIPPED_DIR) + q("/WedstrijdSponsors.dotx");
    Document d = Document::Add(sjabloon);
    EXPECT_EQ(d.TablesCount(), 8);
    EXPECT_TRUE(d.heeftBladwijzer(q("Soort")));

    QTemporaryDir map;
    const QString pad = map.filePath(q("Wedstrijdblad P001.docx"));
    QFile oud(pad);
    ASSERT_TRUE(oud.open(QIODevice::WriteOnly));
    oud.write("oud");
    oud.close();
    d.Selection().TypeText(q("Sporthal"));
    d.SaveAs(pad);
    EXPECT_EQ(QDir(map.path()).entryList(QDir::Files), QStringList{q("Wedstrijdblad P001.docx")});

    QFile f(pad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const auto delen = detail::zipLezen(f.readAll(), pad);
    ASSERT_FALSE(delen.isEmpty());
    EXPECT_EQ(delen.first().first, q("[Content_Types].xml"));
    EXPECT_TRUE(delen.first().second.contains("wordprocessingml.document.main+xml"));
    EXPECT_FALSE(delen.first().second.contains("template.main"));
    QStringList namen;
    for (const auto& deel : delen)
        namen << deel.first;
    EXPECT_TRUE(namen.contains(q("word/header1.xml")));
    EXPECT_TRUE(namen.contains(q("word/footer1.xml")));
    EXPECT_EQ(Document::Open(pad).Content().Paragraphs(1).Text(), q("SporthalLokaal:\t"));
}

TEST(WordDocument, FailuresCarryADutchMessage)
{
    QTemporaryDir map;
    try {
        Document::Add(map.filePath(q("Geen.dotx")));
        FAIL();
    } catch (const WordFout& f) {
        EXPECT_TRUE(f.tekst().startsWith(q("Het sjabloon "))) << f.what();
        EXPECT_TRUE(f.tekst().endsWith(q("Geen.dotx is niet gevonden."))) << f.what();
    }
    EXPECT_THROW(Document::uitBytes(QByteArray("geen zip")), WordFout);
    EXPECT_THROW(Document::uitBytes(docxMet(q("<w:tbl><w:tr><w:tc><w:tbl/></w:tc></w:tr></w:tbl>"))), WordFout);

    Document d = Document::uitBytes(docxMet(p(q("a"))));
    EXPECT_THROW(d.Bookmarks(q("Soort")), WordFout);
    // A folder that does not exist: nothing is written and the message names the file.
    try {
        d.SaveAs(map.filePath(q("ontbreekt/Wedstrijdblad.docx")));
        FAIL();
    } catch (const WordFout& f) {
        EXPECT_TRUE(f.tekst().contains(q("Wedstrijdblad.docx"))) << f.what();
    }
}

TEST(WordDocument, TheLineUpCheckTemplateTakesItsWeekAndTheReportBelowIt)
{
    Document d = Document::Add(q(INTERCLUB_SHIPPED_DIR) + q("/Eindcontrole.dotx"));
    Selectie& s = d.Selection();
    s.GoTo(wdGoToBookmark, wdGoToNext, 1, q("Week"));
    s.TypeText(q("07"));
    s.MoveDown(wdLine, 1);
    s.TypeParagraph();
    s.Font().Name(q("Arial"));
    s.Font().Size(14);
    s.Font().Bold(1);
    s.Font().Underline(wdUnderlineSingle);
    s.Font().ColorIndex(wdBlack);
    s.TypeText(q("Dubbel opgestelde spelers:"));
    s.Font().Size(12);
    s.Font().Bold(0);
    s.Font().Underline(wdUnderlineNone);
    s.TypeText(q("\r\r\t"));
    s.Font().Italic(1);
    s.TypeText(q("Ploeg A"));
    EXPECT_EQ(s.Font().Italic(), 1);
    EXPECT_EQ(s.Font().Name(), q("Arial"));

    Document t = opnieuw(d);
    const Bereik inhoud = t.Content();
    QStringList regels;
    for (int i = 1; i <= inhoud.ParagraphsCount(); ++i)
        regels << inhoud.Paragraphs(i).Text();
    const qsizetype week = regels.indexOf(q("Speelweek: 07"));
    ASSERT_GE(week, 0) << regels.join(u'|').toStdString();
    EXPECT_EQ(regels.mid(week + 1, 5),
              QStringList({q(""), q("Dubbel opgestelde spelers:"), q(""), q("\tPloeg A"), q("")}));
    const Opmaak kop = inhoud.opmaakVan(q("Dubbel opgestelde"));
    EXPECT_EQ(*kop.grootte, 14.0);
    EXPECT_TRUE(*kop.vet);
    EXPECT_EQ(*kop.onderstreept, wdUnderlineSingle);
    EXPECT_EQ(*kop.kleur, q("000000"));
    EXPECT_TRUE(*inhoud.opmaakVan(q("Ploeg A")).cursief);
    EXPECT_FALSE(*inhoud.opmaakVan(q("Ploeg A")).vet);
}

// Texts as clubs write them: marks that XML escapes, accents and the euro, line ends of every kind; the template's
// escaped text is read as the text it stands for, and what is typed comes back unchanged from the file, also
// when another program reads it.
TEST(WordDocument, MarkupCharactersAccentsAndLineEndsKeepTheirText)
{
    Document d = Document::uitBytes(
        docxMet(p(q("TTC D&apos;Hondt &amp; Zonen &lt;B&gt; &quot;&#201;&#x20AC;&quot;")) + tabel(1, 1, q("Club"))));
    EXPECT_EQ(d.Content().Paragraphs(1).Text(), q("TTC D'Hondt & Zonen <B> \"É€\""));

    const QString naam = q("Émile Zoë & \"Co\" <1> > 0 € 5");
    Selectie& s = d.Selection();
    s.HomeKey(wdStory);
    s.EndKey(wdLine);
    s.TypeText(q(" ") + naam);
    // A remark typed on lines: CR LF, LF and CR each end one line.
    s.TypeText(q("\reen\r\ntwee\ndrie\rvier"));
    d.Tables(1).Cell(1, 1).Range().InsertAfter(q(" ") + naam);

    QTemporaryDir map;
    const QString pad = map.filePath(q("Tekens.docx"));
    d.SaveAs(pad);
    Document t = Document::Open(pad);
    const Bereik inhoud = t.Content();
    EXPECT_EQ(inhoud.Paragraphs(1).Text(), q("TTC D'Hondt & Zonen <B> \"É€\" ") + naam);
    QStringList regels;
    for (int i = 2; i <= 6; ++i)
        regels << inhoud.Paragraphs(i).Text();
    EXPECT_EQ(regels, QStringList({q("een"), q("twee"), q("drie"), q("vier"), q("Club1.1 ") + naam}));

    if (!testhulp::pdfMogelijk())
        GTEST_SKIP() << "LibreOffice or pdftotext is not installed";
    ASSERT_TRUE(testhulp::naarPdf({pad}, map.filePath(q("pdf"))));
    const QStringList gedrukt = testhulp::pdfLezen(pad, map.filePath(q("pdf"))).tekst.split(u'\n');
    const auto regel = [&](const QString& begin) {
        for (const QString& r : gedrukt) {
            if (r.trimmed().startsWith(begin))
                return r.trimmed();
        }
        return QString();
    };
    EXPECT_EQ(regel(q("TTC")), q("TTC D'Hondt & Zonen <B> \"É€\" ") + naam);
    EXPECT_EQ(regel(q("Club1.1")), q("Club1.1 ") + naam);
    const qsizetype een = gedrukt.indexOf(q("een"));
    ASSERT_GE(een, 0) << gedrukt.join(u'\n').toStdString();
    EXPECT_EQ(gedrukt.mid(een, 4), QStringList({q("een"), q("twee"), q("drie"), q("vier")}));
}
