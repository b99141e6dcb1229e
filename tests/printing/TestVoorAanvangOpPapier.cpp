// The papers before the match as LibreOffice prints them, with names of the length players have: every word
// of every name on the page inside its own row, and the pages as many as the layout has.

#include "NaAfloopTest.h"
#include "PdfLezen.h"

#include <QFileInfo>

using testhulp::kolomGedrukt;
using testhulp::Pdf;
using testhulp::Wedstrijd;

namespace {

// Names of 25 to 27 characters, with hyphens and accents.
const QStringList LangeNamen{"Vandenbroucke Jean-Baptiste", "Verstraeten Marie-Thérèse", "Van den Eynde Anne-Sophie",
                             "Vanderstraeten Pieter-Jan", "Deschepper Jean-Christophe", "Goossens Marie-Christine",
                             "Vandermeulen Anne-Catherine", "Van Hoorebeke Jean-Pierre"};

class VoorAanvangOpPapier : public testhulp::VoorAanvangTest
{
protected:
    void SetUp() override
    {
        VoorAanvangTest::SetUp();
        for (int i = 0; i < 8; ++i)
            naamZetten(QString::number(500001 + i), LangeNamen[i]);
    }

    // A match of four (PAH01001) and one of three (PAH01002), members 500001-500004 at home and 500005-500008
    // away, with the doubles pairs given: the sheet before the match, the slips on two pages and the slips to
    // cut of each, saved as they were opened (six documents, or fewer where one was not opened).
    QStringList afdrukken(const QString& paarThuis, const QString& paarUit)
    {
        for (const QString& reeks : {QStringLiteral("A"), QStringLiteral("G")}) {
            Wedstrijd w = wedstrijd(QStringLiteral("PAH0100") + (reeks == u"A" ? u'1' : u'2'), reeks);
            w.extra << qMakePair(QStringLiteral("Zaal"), db::Waarde(7));
            for (int i = 1; i <= 4; ++i) {
                w.extra << qMakePair(QStringLiteral("THUISSP%1").arg(i), db::Waarde(QString::number(500000 + i)));
                w.extra << qMakePair(QStringLiteral("UITSP%1").arg(i), db::Waarde(QString::number(500004 + i)));
            }
            w.extra << qMakePair(QStringLiteral("Opmerk1"), db::Waarde(paarThuis))
                    << qMakePair(QStringLiteral("Opmerk2"), db::Waarde(paarUit));
            wedstrijdToevoegen(m_db, w);
        }
        QStringList documenten;
        const QString bron = m_map.filePath(QStringLiteral("documenten"));
        QDir().mkpath(bron);
        FrmWedstrijdInput& f = starten();
        for (const QString& nr : {QStringLiteral("PAH01001"), QStringLiteral("PAH01002")}) {
            kiezen(f, nr);
            int n = 0;
            for (const char* menu : {"MnuAfdrWedstrijdbladVoorAanvangOpenen", "MnuAfdrScheidsblaadjesApart2blzOpenen",
                                     "MnuAfdrScheidsblaadjesApart2blzTeKnippenOpenen"}) {
                m_bureaublad.geopend.clear();
                f.menu(menu)->trigger();
                if (m_bureaublad.geopend.isEmpty())
                    return documenten;
                documenten << bron + QStringLiteral("/%1-%2.docx").arg(nr).arg(n++);
                if (!QFile::copy(m_bureaublad.geopend.last(), documenten.last()))
                    return documenten;
            }
        }
        return documenten;
    }

    // The non-empty cells of a column of a table, from the row given down.
    static QStringList kolom(word::Document& d, int tabel, int kolomNr, int vanRij)
    {
        QStringList r;
        const word::Tabel t = d.Tables(tabel);
        for (int rij = vanRij; rij <= t.RowsCount(); ++rij) {
            if (t.CellsCount(rij) >= kolomNr) {
                const QString tekst = testhulp::cel(d, tabel, rij, kolomNr).trimmed();
                if (!tekst.isEmpty())
                    r << tekst;
            }
        }
        return r;
    }
};

// In points: the left margin, where the tables begin, and a twip.
constexpr double Marge = 567 / 20.0;
constexpr double Twip = 1 / 20.0;

TEST_F(VoorAanvangOpPapier, NamesOfTwentySevenCharactersStayWholeInTheirRows)
{
    if (!testhulp::pdfMogelijk())
        GTEST_SKIP() << "LibreOffice or pdftotext is not installed";
    // A match of four (sixteen games) and one of three with both doubles pairs.
    const QStringList documenten = afdrukken("500001500003", "500007500005");
    ASSERT_EQ(documenten.size(), 6);
    ASSERT_TRUE(testhulp::naarPdf(documenten, m_map.filePath(QStringLiteral("pdf"))));

    for (int m = 0; m < 2; ++m) {
        SCOPED_TRACE(m == 0 ? "a match of four" : "a match of three");
        // The sheet: one page; the names of the line-ups (the doubles pairs with them), and of every game.
        {
            word::Document d = word::Document::Open(documenten[m * 3]);
            const Pdf pdf = testhulp::pdfLezen(documenten[m * 3], m_map.filePath(QStringLiteral("pdf")));
            EXPECT_EQ(pdf.paginas, 1);
            const QStringList thuis = kolom(d, 2, 3, 4);
            EXPECT_EQ(thuis.size(), 4) << thuis.join(u'|').toStdString();
            EXPECT_TRUE(kolomGedrukt(pdf, 1, Marge + 1800 * Twip, Marge + 4186 * Twip, thuis));
            EXPECT_TRUE(kolomGedrukt(pdf, 1, Marge + 7186 * Twip, Marge + 9572 * Twip, kolom(d, 2, 8, 4)));
            const QStringList spelen = kolom(d, 3, 3, 2);
            EXPECT_EQ(spelen.size(), m == 0 ? 16 : 10);
            EXPECT_TRUE(kolomGedrukt(pdf, 1, Marge + 1200 * Twip, Marge + 3150 * Twip, spelen));
            EXPECT_TRUE(kolomGedrukt(pdf, 1, Marge + 3850 * Twip, Marge + 5800 * Twip, kolom(d, 3, 5, 2)));
        }
        // The slips on two pages and to cut on one: each column of slips, game, home player and visitor.
        for (int knippen = 0; knippen < 2; ++knippen) {
            const QString docx = documenten[m * 3 + 1 + knippen];
            word::Document d = word::Document::Open(docx);
            const Pdf pdf = testhulp::pdfLezen(docx, m_map.filePath(QStringLiteral("pdf")));
            EXPECT_EQ(pdf.paginas, knippen ? 1 : 2);
            for (int tabel = 1; tabel <= d.TablesCount(); ++tabel) {
                const QStringList links = kolom(d, tabel, 1, 1);
                EXPECT_GE(links.size(), 6) << links.join(u'|').toStdString();
                EXPECT_TRUE(kolomGedrukt(pdf, tabel, Marge, Marge + 1900 * Twip, links));
                EXPECT_TRUE(kolomGedrukt(pdf, tabel, Marge + 5672 * Twip, Marge + 7572 * Twip, kolom(d, tabel, 8, 1)));
            }
        }
        for (const QString& docx : documenten.mid(m * 3, 3)) {
            for (const auto& w : testhulp::pdfLezen(docx, m_map.filePath(QStringLiteral("pdf"))).woorden)
                EXPECT_TRUE(w.x2 < 595 && w.y2 < 842) << w.tekst.toStdString() << " off the page";
        }
    }
}

// Names of 37 to 46 characters on every place, the first two of each team namesakes who play the doubles
// together at home and apart in the visitors' pair: the slips of every game keep their three rows on one page,
// no page shows only its title, and the pairs say which places play.
TEST_F(VoorAanvangOpPapier, NamesOfUpToFortySixCharactersAndNamesakesInAPair)
{
    if (!testhulp::pdfMogelijk())
        GTEST_SKIP() << "LibreOffice or pdftotext is not installed";
    const QStringList namen{"Van de Casteele-Vanderstraete Marie-Christine", "Van de Casteele-Vanderstraete Marie-Christine",
                            "Vanderstraeten-Vandamme Marie-Christine Anne",  "Van Hoorebeke-Desmedt Anne-Catherine Josée",
                            "Deschepper-Vanoverschelde Marie-Thérèse",        "Deschepper-Vanoverschelde Marie-Thérèse",
                            "Vanhoutte-Vandenbroucke Jean-François Marc",     "Verhaeghe-Vandenberghe Jean-Baptiste Pieter"};
    for (int i = 0; i < 8; ++i)
        naamZetten(QString::number(500001 + i), namen[i]);
    const QStringList documenten = afdrukken("500001500002", "500006500007");
    ASSERT_EQ(documenten.size(), 6);
    const QString pdfMap = m_map.filePath(QStringLiteral("pdf"));
    ASSERT_TRUE(testhulp::naarPdf(documenten, pdfMap));
    // The words of the titles above every page.
    const QStringList titel = QStringLiteral("WEDSTRIJDBLAD INTERCLUB TAFELTENNIS Overzicht van de ontmoeting, voor aanvang "
                                             "SCHEIDSRECHTERSBLAADJES Te knippen Oneven wedstrijden op eerste bladzijde, even "
                                             "tweede")
                                  .split(u' ');
    for (int i = 0; i < documenten.size(); ++i) {
        SCOPED_TRACE(QFileInfo(documenten[i]).completeBaseName().toStdString());
        word::Document d = word::Document::Open(documenten[i]);
        const Pdf pdf = testhulp::pdfLezen(documenten[i], pdfMap);
        EXPECT_LE(pdf.paginas, 2);
        for (int p = 1; p <= pdf.paginas; ++p) {
            EXPECT_TRUE(std::any_of(pdf.woorden.begin(), pdf.woorden.end(),
                                    [&](const auto& w) { return w.pagina == p && !titel.contains(w.tekst); }))
                << "page " << p << " holds only its title";
        }
        if (i == 3) {
            // The pairs: at home the two namesakes of places 1 and 2, away the namesake of place 1's on place 2
            // with place 3; in the line-ups and in the doubles game, printed whole.
            const QString thuis = "1 + 2  " + namen[0] + " - " + namen[1];
            const QString uit = "2 + 3  " + namen[5] + " - " + namen[6];
            EXPECT_EQ(testhulp::cel(d, 2, 7, 3), thuis);
            EXPECT_EQ(testhulp::cel(d, 2, 7, 8), uit);
            EXPECT_EQ(testhulp::cel(d, 3, 8, 3), thuis);
            EXPECT_EQ(testhulp::cel(d, 3, 8, 5), uit);
            EXPECT_TRUE(kolomGedrukt(pdf, 1, Marge + 1800 * Twip, Marge + 4186 * Twip, kolom(d, 2, 3, 4)));
            EXPECT_TRUE(kolomGedrukt(pdf, 1, Marge + 1200 * Twip, Marge + 3150 * Twip, kolom(d, 3, 3, 2)));
        }
        if (i == 5) {
            EXPECT_EQ(testhulp::cel(d, 1, 14, 1), "Dubb.  1 + 2  " + namen[0] + " - " + namen[1]);
            EXPECT_EQ(testhulp::cel(d, 1, 15, 1), "Dubb.  2 + 3  " + namen[5] + " - " + namen[6]);
        }
        if (i % 3 == 0)
            continue;
        // Each slip's game, home player and visitor one below the other on one page.
        for (int tabel = 1; tabel <= d.TablesCount(); ++tabel) {
            const word::Tabel t = d.Tables(tabel);
            for (int rij = 1; rij + 2 <= t.RowsCount(); rij += 4) {
                for (const int k : {1, 8}) {
                    const QStringList slip{testhulp::cel(d, tabel, rij, k), testhulp::cel(d, tabel, rij + 1, k),
                                           testhulp::cel(d, tabel, rij + 2, k)};
                    if (slip[0].isEmpty())
                        continue;
                    const double x1 = Marge + (k == 1 ? 0 : 5672) * Twip;
                    bool heel = false;
                    for (int p = 1; p <= pdf.paginas && !heel; ++p)
                        heel = kolomGedrukt(pdf, p, x1, x1 + 1900 * Twip, slip);
                    EXPECT_TRUE(heel) << slip.join(u'|').toStdString();
                }
            }
        }
    }
}

} // namespace
