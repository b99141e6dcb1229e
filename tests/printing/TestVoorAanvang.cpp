// The papers before the match read back from the saved documents: the sheet with its header, line-ups and
// a row per game, and the referee slips on odd and even pages or to cut, for teams of four, three and two.

#include "NaAfloopTest.h"
#include "PdfLezen.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>

using testhulp::cel;
using testhulp::Wedstrijd;
using Soort = ui::TestMeldingen::Soort;

namespace {

class VoorAanvang : public testhulp::VoorAanvangTest
{
protected:
    // A match before it is played: line-ups, no results.
    static Wedstrijd opgesteld(const QString& nr, const QString& reeks)
    {
        Wedstrijd w = wedstrijd(nr, reeks);
        w.extra << qMakePair(QStringLiteral("Zaal"), db::Waarde(7));
        for (int i = 1; i <= 4; ++i) {
            w.extra << qMakePair(QStringLiteral("THUISSP%1").arg(i), db::Waarde(QString::number(500000 + i)));
            w.extra << qMakePair(QStringLiteral("UITSP%1").arg(i), db::Waarde(QString::number(500004 + i)));
        }
        return w;
    }

    QString pad(const QString& soort, const QString& nr) const
    {
        return m_map.filePath("wissel") + u'/' + soort + u' ' + nr + QStringLiteral(".docx");
    }

    // Whether a row's cells from c1 to c2 show no borders but the top one.
    static bool zonderRanden(word::Document& d, int tabel, int rij, int c1, int c2)
    {
        const word::Tabel t = d.Tables(tabel);
        word::Randen r =
            d.Range(t.Cell(rij, c1).Range().Start(), t.Cell(rij, c2).Range().End()).Cells().Borders();
        for (int zijde : {word::wdBorderLeft, word::wdBorderRight, word::wdBorderBottom, word::wdBorderVertical}) {
            if (r.Item(zijde).LineStyle() != word::wdLineStyleNone)
                return false;
        }
        return true;
    }

    static bool metRanden(word::Document& d, int tabel, int rij, int c1, int c2)
    {
        const word::Tabel t = d.Tables(tabel);
        word::Randen r =
            d.Range(t.Cell(rij, c1).Range().Start(), t.Cell(rij, c2).Range().End()).Cells().Borders();
        return r.Item(word::wdBorderLeft).LineStyle() != word::wdLineStyleNone
               || r.Item(word::wdBorderBottom).LineStyle() != word::wdLineStyleNone;
    }
};

TEST_F(VoorAanvang, TheSheetOfAMatchOfFourHasItsHeaderLineUpsAndARowPerGame)
{
    FrmWedstrijdInput& f = tonen(opgesteld("PAH01001", "A"));
    f.menu("MnuAfdrWedstrijdbladVoorAanvangOpenen")->trigger();
    nietBezig(f);
    const QString bestand = pad("Wedstrijdblad voor aanvang", "PAH01001");
    ASSERT_EQ(m_bureaublad.geopend, QStringList{bestand});
    EXPECT_TRUE(m_bureaublad.afgedrukt.isEmpty());
    word::Document d = word::Document::Open(bestand);

    EXPECT_EQ(cel(d, 1, 1, 2), "PAH01/001");
    EXPECT_EQ(cel(d, 1, 1, 4), "12-09-2010");
    EXPECT_EQ(cel(d, 1, 2, 4), "19.45");
    EXPECT_EQ(cel(d, 1, 3, 4), f.blad.LstNaamLokaal->currentText());
    EXPECT_EQ(cel(d, 1, 4, 4), "Kerkstraat 1, " + f.blad.TxtPlaats->text());
    EXPECT_EQ(cel(d, 1, 1, 1), "Wedstrijdnummer:");
    EXPECT_TRUE(testhulp::vet(d, 1, 1, 2, "PAH01/001"));

    EXPECT_EQ(cel(d, 2, 2, 1), "Eerste A (" + f.blad.TxtTAanw->text() + ")");
    EXPECT_EQ(cel(d, 2, 2, 2), "Tweede A (" + f.blad.TxtUAanw->text() + ")");
    const QStringList thuis{"1-A", "500001", "Speler 1", "1", "C2"};
    const QStringList uit{"4", "500008", "Speler 8", "8", "C2"};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(cel(d, 2, 4, k + 1), thuis[k]);
        EXPECT_EQ(cel(d, 2, 7, k + 6), uit[k]);
    }
    // Four places and no doubles: the fifth player row is taken out.
    EXPECT_TRUE(metRanden(d, 2, 7, 1, 10));
    EXPECT_EQ(d.Tables(2).RowsCount(), 7);

    // Game 1: home place 4 against away place 2; game 16: the first places.
    EXPECT_EQ(QStringList({cel(d, 3, 2, 1), cel(d, 3, 2, 2), cel(d, 3, 2, 3), cel(d, 3, 2, 4), cel(d, 3, 2, 5)}),
              (QStringList{"1", "4", "Speler 4", "2", "Speler 6"}));
    EXPECT_EQ(cel(d, 3, 17, 1), "16");
    EXPECT_EQ(cel(d, 3, 17, 3), "Speler 1");
    EXPECT_EQ(cel(d, 3, 17, 5), "Speler 5");
    for (int k = 6; k <= 12; ++k)
        EXPECT_EQ(cel(d, 3, 2, k), "") << k; // the sets, sets won and score stay empty
    EXPECT_TRUE(metRanden(d, 3, 17, 1, 12));
}

TEST_F(VoorAanvang, AMatchOfThreeShowsItsDoublesAndOnlyItsTenGames)
{
    Wedstrijd w = opgesteld("PAH01002", "G");
    w.extra << qMakePair(QStringLiteral("Opmerk1"), db::Waarde("500001500003"));
    FrmWedstrijdInput& f = tonen(w);
    f.menu("MnuAfdrWedstrijdbladVoorAanvangOpenen")->trigger();
    ASSERT_EQ(m_bureaublad.geopend.size(), 1);
    word::Document d = word::Document::Open(m_bureaublad.geopend.first());

    EXPECT_EQ(cel(d, 2, 6, 3), "Speler 3");
    EXPECT_EQ(cel(d, 2, 7, 1), "Dubbel");
    EXPECT_EQ(cel(d, 2, 7, 3), f.blad.LabTNaamSpeler[4]->text());
    EXPECT_FALSE(cel(d, 2, 7, 3).isEmpty());
    EXPECT_EQ(cel(d, 2, 7, 6), "Dubbel");
    EXPECT_EQ(d.Tables(2).RowsCount(), 7);

    // The doubles game, then the last game; the rows after it are taken out.
    EXPECT_EQ(cel(d, 3, 8, 1), "7");
    EXPECT_EQ(cel(d, 3, 8, 2), "Dubb.");
    EXPECT_EQ(cel(d, 3, 8, 3), f.blad.LabTNaamSpeler[4]->text());
    EXPECT_EQ(cel(d, 3, 8, 4), "");
    EXPECT_EQ(cel(d, 3, 11, 1), "10");
    EXPECT_TRUE(metRanden(d, 3, 11, 1, 12));
    EXPECT_EQ(d.Tables(3).RowsCount(), 11);
}

TEST_F(VoorAanvang, SlipsOnOddAndEvenPages)
{
    for (int i = 1; i <= 8; ++i)
        testhulp::sterktelijstToevoegen(m_db, "2010-2011", 1, i <= 4 ? "001" : "002", "Dames", i,
                                        QString::number(500000 + i), QStringLiteral("Speelster %1").arg(i),
                                        QString::number(i), "D2");
    Wedstrijd w = opgesteld("PAD01003", "K");
    w.herDam = "D";
    FrmWedstrijdInput& f = tonen(w);
    const int spelen = f.blad.LabNrW.size() > 0 ? core::algemeen().intLaatsteWedstrijd + 1 : 0;
    ASSERT_EQ(spelen, 7);
    f.menu("MnuAfdrScheidsblaadjesApart2blzOpenen")->trigger();
    nietBezig(f);
    const QString bestand = pad("Scheidsrechtersblaadjes", "PAD01003");
    ASSERT_EQ(m_bureaublad.geopend, QStringList{bestand});
    word::Document d = word::Document::Open(bestand);
    ASSERT_EQ(d.TablesCount(), 2);

    // Odd games on the first page, two slips a row: games 1 and 3, then 5 and 7.
    EXPECT_EQ(cel(d, 1, 1, 1), "Wedstrijd 1");
    EXPECT_EQ(cel(d, 1, 1, 2), "1");
    EXPECT_EQ(cel(d, 1, 1, 6), "5");
    EXPECT_EQ(cel(d, 1, 2, 1), "1  " + f.blad.LabTNaamSpeler[0]->text());
    EXPECT_EQ(cel(d, 1, 3, 1), "2  " + f.blad.LabUNaamSpeler[1]->text());
    EXPECT_EQ(cel(d, 1, 2, 3), ""); // the set boxes stay empty
    EXPECT_EQ(cel(d, 1, 1, 8), "Wedstrijd 3");
    EXPECT_EQ(cel(d, 1, 5, 1), "Wedstrijd 5");
    EXPECT_EQ(cel(d, 1, 5, 8), "Wedstrijd 7");
    // Even games on the second page; the doubles game 4 names both pairs.
    EXPECT_EQ(cel(d, 2, 1, 1), "Wedstrijd 2");
    EXPECT_EQ(cel(d, 2, 1, 8), "Wedstrijd 4");
    EXPECT_EQ(cel(d, 2, 2, 8), "Dubb.");
    EXPECT_EQ(cel(d, 2, 3, 8), "Dubb.");
    EXPECT_EQ(cel(d, 2, 5, 1), "Wedstrijd 6");
    // A slip that no game uses does not show; the rows of slips after the last game are taken out.
    EXPECT_TRUE(metRanden(d, 1, 5, 8, 13));
    EXPECT_EQ(d.Tables(1).RowsCount(), 7);
    EXPECT_EQ(d.Tables(2).RowsCount(), 7);
    EXPECT_TRUE(zonderRanden(d, 2, 5, 8, 13));
    EXPECT_TRUE(metRanden(d, 2, 5, 1, 6));
}

TEST_F(VoorAanvang, PrintingBeforeTheMatchPrintsTheSlipsAndThenTheSheetWithoutOpeningThem)
{
    FrmWedstrijdInput& f = tonen(opgesteld("PAH01001", "A"));
    f.menu("MnuAfdrScheidsrechtersblaadjes1")->trigger();
    nietBezig(f);
    EXPECT_EQ(m_bureaublad.afgedrukt,
              (QStringList{pad("Scheidsrechtersblaadjes te knippen", "PAH01001"),
                           pad("Wedstrijdblad voor aanvang", "PAH01001")}));
    EXPECT_TRUE(m_bureaublad.geopend.isEmpty());
    ASSERT_EQ(m_bureaublad.afgedrukt.size(), 2);
    word::Document d = word::Document::Open(m_bureaublad.afgedrukt.first());
    ASSERT_EQ(d.TablesCount(), 1);
    // All sixteen games in order, two a row.
    for (int spel = 1; spel <= 16; ++spel) {
        const int rij = (spel - 1) / 2 * 4 + 1;
        EXPECT_EQ(cel(d, 1, rij, spel % 2 == 1 ? 1 : 8), QStringLiteral("Wedstrijd %1").arg(spel));
    }

    m_bureaublad.afgedrukt.clear();
    f.menu("MnuAfdrScheidsrechtersblaadjes2")->trigger();
    ASSERT_EQ(m_bureaublad.afgedrukt.size(), 2);
    EXPECT_EQ(word::Document::Open(m_bureaublad.afgedrukt.first()).TablesCount(), 2);
    EXPECT_TRUE(m_bureaublad.geopend.isEmpty());

    // Printing that fails says so and names the saved file; nothing is opened.
    m_bureaublad.afgedrukt.clear();
    m_bureaublad.afdruk = ui::Bureaublad::Afdruk::GeenPrinter;
    m_meldingen->verwachtMelding(Soort::Waarschuwing, "Scheidsrechtersblaadjes",
                                 "Het document is niet afgedrukt: er is geen printer ingesteld.\nHet document is "
                                 "bewaard als:\n"
                                     + QDir::toNativeSeparators(pad("Scheidsrechtersblaadjes te knippen", "PAH01001")));
    f.menu("MnuAfdrScheidsblaadjesApart2blzTeKnippenAfdrukken")->trigger();
    EXPECT_TRUE(m_bureaublad.geopend.isEmpty());
    nietBezig(f);
}

TEST_F(VoorAanvang, WithoutAMatchOrATemplateNothingIsMadeAndTheWindowIsGivenBack)
{
    FrmWedstrijdInput& f = starten();
    m_meldingen->verwachtMelding(Soort::Kritiek, "Wedstrijdblad voor aanvang", "Kies eerst een wedstrijd.");
    f.menu("MnuAfdrWedstrijdbladVoorAanvangOpenen")->trigger();
    nietBezig(f);
    EXPECT_TRUE(m_bureaublad.geopend.isEmpty());
    app::venstersOpruimen();
    MDIFrm::opruimen();
    FrmWedstrijdInput::opruimen();

    m_db = db::Database::openen(m_map.filePath("QJ-Deel7.mdb"));
    FrmWedstrijdInput& g = tonen(opgesteld("PAH01001", "A"));
    ASSERT_TRUE(QFile::remove(m_map.filePath("Scheidsrechtersblaadjes.dotx")));
    m_meldingen->verwachtMelding(Soort::Kritiek, "Scheidsrechtersblaadjes",
                                 "Het document kan niet gemaakt worden.\nHet sjabloon "
                                     + m_map.filePath("Scheidsrechtersblaadjes.dotx") + " is niet gevonden.");
    g.menu("MnuAfdrScheidsblaadjesApart2blzOpenen")->trigger();
    nietBezig(g);
    EXPECT_TRUE(m_bureaublad.geopend.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(pad("Scheidsrechtersblaadjes", "PAH01001")));
}

// Another program reads what was saved: LibreOffice turns the sheet and the slips into PDF, whose text holds
// the values typed.
TEST_F(VoorAanvang, LibreOfficeReadsTheSheetAndTheSlips)
{
    if (!testhulp::pdfMogelijk())
        GTEST_SKIP() << "LibreOffice or pdftotext is not installed";
    FrmWedstrijdInput& f = tonen(opgesteld("PAH01002", "G"));
    f.menu("MnuAfdrWedstrijdbladVoorAanvangOpenen")->trigger();
    f.menu("MnuAfdrScheidsblaadjesApart2blzTeKnippenOpenen")->trigger();
    ASSERT_EQ(m_bureaublad.geopend.size(), 2);

    const QString uit = m_map.filePath("pdf");
    ASSERT_TRUE(testhulp::naarPdf({m_bureaublad.geopend[0], m_bureaublad.geopend[1]}, uit));
    const auto tekst = [&](const QString& docx) { return testhulp::pdfLezen(docx, uit).tekst; };
    const QString blad = tekst(m_bureaublad.geopend[0]);
    for (const char* s : {"PAH01/002", "12-09-2010", "Eerste G", "Tweede G", "Speler 3", "Speler 7", "500006", "Dubb."})
        EXPECT_TRUE(blad.contains(QString::fromUtf8(s))) << s << "\n" << blad.toStdString();
    const QString blaadjes = tekst(m_bureaublad.geopend[1]);
    for (const char* s : {"Wedstrijd 1 ", "Wedstrijd 10", "Speler 1", "Speler 6"})
        EXPECT_TRUE(blaadjes.contains(QString::fromUtf8(s))) << s << "\n" << blaadjes.toStdString();
}

// The two layouts of the slips are two files: making one leaves the other, which may be open in the office
// program, as it was.
TEST_F(VoorAanvang, TheSlipsToCutAndTheSlipsOnTwoPagesDoNotReplaceEachOther)
{
    FrmWedstrijdInput& f = tonen(opgesteld("PAH01001", "A"));
    f.menu("MnuAfdrScheidsblaadjesApart2blzOpenen")->trigger();
    f.menu("MnuAfdrScheidsblaadjesApart2blzTeKnippenOpenen")->trigger();
    nietBezig(f);
    EXPECT_EQ(m_bureaublad.geopend, (QStringList{pad("Scheidsrechtersblaadjes", "PAH01001"),
                                                 pad("Scheidsrechtersblaadjes te knippen", "PAH01001")}));
    ASSERT_EQ(m_bureaublad.geopend.size(), 2);
    EXPECT_EQ(word::Document::Open(m_bureaublad.geopend[0]).TablesCount(), 2) << "odd and even pages";
    EXPECT_EQ(word::Document::Open(m_bureaublad.geopend[1]).TablesCount(), 1) << "one page to cut";
}

} // namespace
