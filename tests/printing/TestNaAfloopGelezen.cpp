// The after-match sheet as it is printed: the game order of every team size, the mark of the kind of match
// and long names read back from the PDF that LibreOffice makes of it; and a sheet made while another program
// holds the database.

#include "NaAfloopTest.h"
#include "PdfLezen.h"
#include "Tabelinhoud.h"

#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>

#include <algorithm>
#include <tuple>

using core::algemeen;
using testhulp::cel;
using testhulp::Wedstrijd;
using Soort = ui::TestMeldingen::Soort;

namespace {

using NaAfloopGelezen = testhulp::NaAfloopTest;

// The rows of the printed results table that show anything: the game number and the places (the doubles
// game: its number and "Dubb.").
QList<QStringList> gedruktePlaatsen(const QString& tekst)
{
    QList<QStringList> rijen;
    const QStringList regels = tekst.split(u'\n');
    qsizetype i = 0;
    while (i < regels.size() && !regels[i].startsWith(QStringLiteral("UITSLAGEN")))
        ++i;
    for (i += 3; i < regels.size() && !regels[i].startsWith(QStringLiteral("KAPITEINS")); ++i) {
        const QStringList woorden = regels[i].simplified().split(u' ', Qt::SkipEmptyParts);
        if (woorden.isEmpty())
            continue;
        rijen << woorden.mid(0, woorden.value(1) == u"Dubb." ? 2 : 3);
    }
    return rijen;
}

TEST_F(NaAfloopGelezen, EveryTeamSizePrintsTheGameOrderOfItsSheet)
{
    Wedstrijd drie = volledig("PAH01002", "G", 10);
    zetten(drie, {{"Opmerk1", db::Waarde("500001500003")}, {"Opmerk2", db::Waarde("500005500007")}});
    Wedstrijd twee = volledig("PAD01003", "K", 7);
    twee.herDam = "D";
    twee.soort = "4";
    for (const char* veld : {"THUISSP4", "UITSP4"})
        zetten(twee, {{veld, db::Waarde()}});
    const Wedstrijd vier = volledig("PAH01001", "A", 16);
    // A ladies' Super match is played by teams of three: printed as one, on both papers, whatever the option
    // on the doubles of the Super matches of two says.
    testhulp::optieZetten(m_db, "SuperDubbelSpelen", "N");
    Wedstrijd dames = volledig("PAH01004", "G", 10);
    dames.soort = "4";
    zetten(dames, {{"Opmerk1", db::Waarde("500002500003")}, {"Opmerk2", db::Waarde("500005500006")}});
    for (const Wedstrijd& w : {drie, twee, vier, dames})
        testhulp::wedstrijdToevoegen(m_db, w);
    FrmWedstrijdInput& f = starten();
    const core::Wedstrijdblad& b = f.blad;

    QStringList documenten;
    QList<QList<QStringList>> verwacht;
    for (const auto& [w, sjabloon] : {std::pair{drie, 0}, std::pair{twee, 0}, std::pair{vier, 0}, std::pair{dames, 0},
                                      std::pair{dames, 1}}) {
        SCOPED_TRACE(w.wedstrNr.toStdString() + " " + std::to_string(sjabloon));
        kiezen(f, w.wedstrNr);
        m_bureaublad.geopend.clear();
        word::Document d = afdrukken(f, sjabloon);
        documenten << m_map.filePath(QStringLiteral("%1 %2.docx").arg(w.wedstrNr).arg(sjabloon));
        ASSERT_TRUE(QFile::copy(m_bureaublad.geopend.first(), documenten.last()));
        if (w.wedstrNr == dames.wedstrNr) {
            // Three line-up rows each, and no frame around a score that is not the final one.
            EXPECT_EQ(cel(d, 2, 6, 6) + cel(d, 3, 6, 6), "");
            EXPECT_EQ(cel(d, 2, 7, 1), "Dubbel:\t2 + 3");
            const word::Tabel t = d.Tables(5);
            for (const int r : {10, 13}) {
                word::Randen randen =
                    d.Range(t.Cell(r, t.CellsCount(r) - 1).Range().Start(), t.Cell(r, t.CellsCount(r)).Range().End())
                        .Cells()
                        .Borders();
                EXPECT_NE(randen.Item(word::wdBorderLeft).LineWidth(), word::wdLineWidth150pt) << r;
            }
        }

        // Every game row as the sheet shows it; the rows after the last game without number or places.
        const int spelen = core::algemeen().intLaatsteWedstrijd + 1;
        QList<QStringList> rijen;
        for (int g = 0; g < spelen; ++g) {
            const int r = g + 4;
            EXPECT_EQ(cel(d, 5, r, 1), b.LabNrW[g]->text()) << r;
            EXPECT_EQ(cel(d, 5, r, 2), b.LabThuisspeler[g]->text()) << r;
            if (b.LabUitspeler[g]->text().isEmpty()) {
                EXPECT_EQ(d.Tables(5).CellsCount(r), 11) << "the doubles' places are one cell";
                rijen << QStringList{b.LabNrW[g]->text(), b.LabThuisspeler[g]->text()};
            } else {
                EXPECT_EQ(cel(d, 5, r, 3), b.LabUitspeler[g]->text()) << r;
                rijen << QStringList{b.LabNrW[g]->text(), b.LabThuisspeler[g]->text(), b.LabUitspeler[g]->text()};
            }
        }
        for (int r = spelen + 4; r <= 19; ++r)
            EXPECT_EQ(cel(d, 5, r, 1) + cel(d, 5, r, 2) + cel(d, 5, r, 3), "") << r;
        verwacht << rijen;
    }
    ASSERT_EQ(verwacht[0].size(), 10);
    EXPECT_EQ(verwacht[0][0], (QStringList{"1", "1", "2"})) << "a team of three: no place 4";
    EXPECT_EQ(verwacht[0][6], (QStringList{"7", "Dubb."}));
    EXPECT_EQ(verwacht[2][0], (QStringList{"1", "4", "2"}));
    EXPECT_EQ(verwacht[3], verwacht[0]) << "a ladies' Super match: the games of a team of three";
    EXPECT_EQ(verwacht[4], verwacht[0]);

    if (!testhulp::pdfMogelijk())
        GTEST_SKIP() << "LibreOffice or pdftotext is not installed (scripts/vereisten.sh)";
    const QString pdf = m_map.filePath("pdf");
    ASSERT_TRUE(testhulp::naarPdf(documenten, pdf));
    for (qsizetype i = 0; i < documenten.size(); ++i) {
        const QString tekst = testhulp::pdfLezen(documenten[i], pdf).tekst;
        EXPECT_EQ(gedruktePlaatsen(tekst), verwacht[i]) << tekst.toStdString();
    }
}

// The height halfway a word on its page, in points from the top.
double midden(const testhulp::PdfWoord& w)
{
    return (w.y1 + w.y2) / 2;
}

TEST_F(NaAfloopGelezen, TheMarkOfEveryKindOfMatchStandsOnTheLineOfItsWord)
{
    FrmWedstrijdInput& f = tonen(volledig("PAH01001", "A", 16));
    QStringList documenten;
    for (int sjabloon = 0; sjabloon <= 1; ++sjabloon) {
        for (int soort = 1; soort <= 6; ++soort) {
            algemeen().rsMatchen.edit();
            algemeen().rsMatchen.zet("Soort", db::Waarde(QString::number(soort)));
            algemeen().rsMatchen.update();
            m_bureaublad.geopend.clear();
            afdrukken(f, sjabloon);
            documenten << m_map.filePath(QStringLiteral("soort %1 sjabloon %2.docx").arg(soort).arg(sjabloon));
            ASSERT_TRUE(QFile::copy(m_bureaublad.geopend.first(), documenten.last()));
        }
    }
    if (!testhulp::pdfMogelijk())
        GTEST_SKIP() << "LibreOffice or pdftotext is not installed (scripts/vereisten.sh)";
    const QString pdf = m_map.filePath("pdf");
    ASSERT_TRUE(testhulp::naarPdf(documenten, pdf));

    using Woord = testhulp::PdfWoord;
    for (qsizetype i = 0; i < documenten.size(); ++i) {
        const int soort = static_cast<int>(i % 6) + 1;
        SCOPED_TRACE(documenten[i].toStdString());
        QList<Woord> woorden = testhulp::pdfLezen(documenten[i], pdf).woorden;
        woorden.removeIf([](const Woord& w) { return w.pagina != 1; });
        const auto datum = std::find_if(woorden.begin(), woorden.end(), [](const Woord& w) { return w.tekst == u"Datum:"; });
        ASSERT_NE(datum, woorden.end());
        // The header's words above the date: the six kinds in three boxes of two lines, and the one mark.
        QList<Woord> soorten, kruisjes;
        for (const Woord& w : woorden) {
            if (midden(w) > datum->y1)
                continue;
            if (w.tekst == u"X")
                kruisjes << w;
            else if (QStringList{"Heren", "Dames", "Jeugd", "Super"}.contains(w.tekst))
                soorten << w;
        }
        ASSERT_EQ(soorten.size(), 6);
        ASSERT_EQ(kruisjes.size(), 1) << "one mark";
        std::sort(soorten.begin(), soorten.end(),
                  [](const Woord& a, const Woord& b) { return std::tie(a.x1, a.y1) < std::tie(b.x1, b.y1); });
        const Woord& eigen = soorten[soort - 1];
        const Woord& ander = soorten[soort % 2 == 1 ? soort : soort - 2];
        const Woord& x = kruisjes.first();
        EXPECT_LT(x.x2, eigen.x1) << "the mark stands in the box before its word";
        if (soort > 2) {
            EXPECT_GT(x.x1, soorten[soort - 3].x2) << "and after the words of the kinds before";
        }
        EXPECT_GT(midden(x), eigen.y1) << eigen.tekst.toStdString();
        EXPECT_LT(midden(x), eigen.y2) << eigen.tekst.toStdString();
        EXPECT_LT(std::abs(midden(x) - midden(eigen)), std::abs(midden(x) - midden(ander)));
    }
}

// The non-empty cells of a column of a table, from the row given down to the table's last row.
QStringList kolom(word::Document& d, int tabel, int kolomNr, int vanRij)
{
    QStringList r;
    const word::Tabel t = d.Tables(tabel);
    for (int rij = vanRij; rij <= t.RowsCount(); ++rij) {
        const QString tekst = cel(d, tabel, rij, kolomNr).trimmed();
        if (!tekst.isEmpty())
            r << tekst;
    }
    return r;
}

// In points: the left margin, where the tables begin, and a twip.
constexpr double Marge = 567 / 20.0;
constexpr double Twip = 1 / 20.0;

// Players with double family names and double first names, as clubs have them, the visitors' captain with
// two more first names: every name printed whole, on one line or wrapped in a row that grows with it, never
// running into the row below, and the sheet still one page for a team of four, of three and a Super match.
TEST_F(NaAfloopGelezen, LongNamesArePrintedWholeInTheLineUpsAndBesideTheCaptains)
{
    const QStringList namen{"Vandenbussche-Verstraete Jean-Christophe",
                            "Vanderstraeten-Vandamme Marie-Christine",
                            "Van Hoorebeke-Desmedt Anne-Catherine",
                            "Verhaeghe-Vandenberghe Jean-Baptiste",
                            "Deschepper-Vanoverschelde Marie-Thérèse",
                            "Van de Casteele-Vanderstraeten Marie-Christine Josée Ghislaine",
                            "D'Hondt-Vandewalle Marie-Françoise",
                            "Vanhoutte-Vandenbroucke Jean-François"};
    // The same members on the ladies' strength lists too, for the Super match.
    for (int i = 0; i < 8; ++i) {
        const QString nr = QString::number(500001 + i);
        naamZetten(nr, namen[i]);
        testhulp::sterktelijstToevoegen(m_db, "2010-2011", 1, i < 4 ? "001" : "002", "Dames", i + 1, nr, namen[i],
                                        QString::number(i + 1), "C4");
    }
    // The visitors' doubles partner accepted from outside the strength list is printed by his name.
    testhulp::invoegen(m_db, "Alternatief",
                       {{"Clubnummer", db::Waarde("002")}, {"Soort", db::Waarde("Heren")},
                        {"Computernummer", db::Waarde("500099")},
                        {"Naam", db::Waarde("Vercruysse-Vandenabeele Pieter-Jan")}, {"Provincie", db::Waarde(1)}});
    testhulp::optieZetten(m_db, "SuperDubbelSpelen", "N");

    Wedstrijd vier = volledig("PAH01001", "A", 16);
    Wedstrijd drie = volledig("PAH01002", "G", 10);
    zetten(drie, {{"Opmerk1", db::Waarde("500001500003")}, {"Opmerk2", db::Waarde("500005500099")}});
    Wedstrijd twee = volledig("PAD01003", "K", 7);
    twee.herDam = "D";
    twee.soort = "4";
    for (const char* veld : {"THUISSP4", "UITSP4"})
        zetten(twee, {{veld, db::Waarde()}});
    for (Wedstrijd* w : {&vier, &drie, &twee}) {
        zetten(*w, {{"KapiteinT", db::Waarde("500001")}, {"KapiteinU", db::Waarde("500006")}});
        testhulp::wedstrijdToevoegen(m_db, *w);
    }
    FrmWedstrijdInput& f = starten();

    // Each match on the official paper, the match of four on the ruled one as well.
    QStringList documenten;
    for (const auto& [nr, sjabloon] : {std::pair{"PAH01001", 0}, std::pair{"PAH01001", 1}, std::pair{"PAH01002", 0},
                                       std::pair{"PAD01003", 0}}) {
        kiezen(f, nr);
        m_bureaublad.geopend.clear();
        afdrukken(f, sjabloon);
        documenten << m_map.filePath(QStringLiteral("%1 sjabloon %2.docx").arg(nr).arg(sjabloon));
        ASSERT_TRUE(QFile::copy(m_bureaublad.geopend.first(), documenten.last()));
    }
    if (!testhulp::pdfMogelijk())
        GTEST_SKIP() << "LibreOffice or pdftotext is not installed (scripts/vereisten.sh)";
    const QString pdfMap = m_map.filePath("pdf");
    ASSERT_TRUE(testhulp::naarPdf(documenten, pdfMap));

    for (const QString& docx : documenten) {
        SCOPED_TRACE(QFileInfo(docx).completeBaseName().toStdString());
        word::Document d = word::Document::Open(docx);
        const testhulp::Pdf pdf = testhulp::pdfLezen(docx, pdfMap);
        EXPECT_EQ(pdf.paginas, 1);

        // Each line-up's names and its doubles row, one row below the other, every word of each.
        for (const int tabel : {2, 3}) {
            const QStringList rijen = kolom(d, tabel, 1, 3);
            ASSERT_EQ(rijen.size(), 5) << rijen.join(u'|').toStdString();
            EXPECT_TRUE(rijen[0].endsWith(namen[tabel == 2 ? 0 : 4])) << rijen[0].toStdString();
            EXPECT_TRUE(testhulp::kolomGedrukt(pdf, 1, Marge, Marge + 5322 * Twip, rijen)) << tabel;
        }

        // The captains' names whole in their cells, above the line on the agreement.
        const auto akkoord = std::find_if(pdf.woorden.begin(), pdf.woorden.end(),
                                          [](const testhulp::PdfWoord& w) { return w.tekst == u"Akkoord"; });
        const auto kapiteins = std::find_if(pdf.woorden.begin(), pdf.woorden.end(),
                                            [](const testhulp::PdfWoord& w) { return w.tekst == u"KAPITEINS"; });
        ASSERT_NE(akkoord, pdf.woorden.end());
        ASSERT_NE(kapiteins, pdf.woorden.end());
        for (const int c : {1, 3}) {
            const double x1 = Marge + (c == 1 ? 0 : 5786) * Twip;
            QList<testhulp::PdfWoord> woorden;
            for (const testhulp::PdfWoord& w : pdf.woorden) {
                if (w.pagina == 1 && w.x1 >= x1 && w.x1 < x1 + 4986 * Twip && w.y1 > kapiteins->y2
                    && w.y2 <= akkoord->y1)
                    woorden << w;
            }
            // Read line by line from the top, each line from the left.
            std::sort(woorden.begin(), woorden.end(), [](const auto& a, const auto& b) { return a.y1 < b.y1; });
            for (qsizetype i = 1; i < woorden.size(); ++i) {
                if (woorden[i].y1 - woorden[i - 1].y1 <= 2)
                    woorden[i].y1 = woorden[i - 1].y1;
            }
            std::stable_sort(woorden.begin(), woorden.end(),
                             [](const auto& a, const auto& b) { return std::tie(a.y1, a.x1) < std::tie(b.y1, b.x1); });
            QString gelezen;
            for (const testhulp::PdfWoord& w : woorden)
                gelezen += w.tekst;
            EXPECT_EQ(gelezen, testhulp::zonderWit(cel(d, 6, 2, c) + cel(d, 6, 3, c))) << c;
            EXPECT_TRUE(cel(d, 6, 3, c).endsWith(namen[c == 1 ? 0 : 5])) << c;
        }
    }
}

// Another program writing to the database does not stop a sheet that has nothing to store; a new end time
// that cannot be stored stops it, and then the box shows what is stored.
TEST_F(NaAfloopGelezen, WhileAnotherProgramHoldsTheDatabaseOnlyANewEndTimeStopsTheSheet)
{
    Wedstrijd zonderEinduur = volledig("PAH01002", "G", 10);
    zetten(zonderEinduur, {{"Opmerk1", db::Waarde("500001500003")}, {"Opmerk2", db::Waarde("500005500007")},
                           {"Einduur", db::Waarde(" ")}});
    testhulp::wedstrijdToevoegen(m_db, zonderEinduur);
    FrmWedstrijdInput& f = tonen(volledig("PAH01001", "A", 16));
    db::zetWachttijdBijSlot(50);
    const auto wachttijd = qScopeGuard([] { db::zetWachttijdBijSlot(db::StandaardWachttijdBijSlot); });
    db::Database ander = db::Database::openen(m_map.filePath("QJ-Deel7.mdb"));
    const auto opgeslagen = [&](const QString& nr) { return testhulp::matchVeld(ander, nr, "Einduur", QString()); };

    ander.uitvoeren("BEGIN IMMEDIATE");
    word::Document d = afdrukken(f);
    nietBezig(f);
    EXPECT_EQ(cel(d, 1, 2, 2).section('\r', 2), "Einde:\t22 u. 15");
    EXPECT_EQ(f.blad.TxtEinduur->text(), "22.15");
    ander.uitvoeren("ROLLBACK");
    EXPECT_EQ(opgeslagen("PAH01001"), "22.15");

    kiezen(f, "PAH01002");
    ASSERT_EQ(f.blad.TxtEinduur->text(), "");
    ander.uitvoeren("BEGIN IMMEDIATE");
    m_bureaublad.geopend.clear();
    m_meldingen->verwachtJaNee(true);
    f.menu("MnuAfdrWedstrijdbladNaOff")->trigger();
    nietBezig(f);
    EXPECT_EQ(m_meldingen->getoond(Soort::Vraag).last().tekst, "Einduur van de match om 10.00 uur. OK ?");
    ASSERT_EQ(m_meldingen->getoond(Soort::Kritiek).size(), 1);
    EXPECT_EQ(m_meldingen->getoond(Soort::Kritiek).first().titel, "Wedstrijdblad");
    EXPECT_TRUE(m_meldingen->getoond(Soort::Kritiek).first().tekst.startsWith("Het wedstrijdblad kan niet gemaakt worden.\n"));
    m_meldingen->wis();
    EXPECT_TRUE(m_bureaublad.geopend.isEmpty());
    ander.uitvoeren("ROLLBACK");
    EXPECT_EQ(f.blad.TxtEinduur->text(), "") << "the box shows what is stored";
    EXPECT_EQ(opgeslagen("PAH01002"), " ");
    EXPECT_EQ(testhulp::matchVeld("Einduur"), " ");

    // The other program lets go: the same proposal is stored and printed.
    m_meldingen->verwachtJaNee(true);
    d = afdrukken(f);
    EXPECT_EQ(f.blad.TxtEinduur->text(), "10.00");
    EXPECT_EQ(opgeslagen("PAH01002"), "10.00");
    EXPECT_EQ(cel(d, 1, 2, 2).section('\r', 2), "Einde:\t10 u. 00");
    ander.sluiten();
}

} // namespace
