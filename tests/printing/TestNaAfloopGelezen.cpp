// The after-match sheet as it is printed: the game order of every team size and the mark of the kind of
// match read back from the PDF that LibreOffice makes of it; and a sheet made while another program holds
// the database.

#include "NaAfloopTest.h"
#include "PdfLezen.h"
#include "Tabelinhoud.h"

#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>

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
    for (const Wedstrijd& w : {drie, twee, vier})
        testhulp::wedstrijdToevoegen(m_db, w);
    FrmWedstrijdInput& f = starten();
    const core::Wedstrijdblad& b = f.blad;

    QStringList documenten;
    QList<QList<QStringList>> verwacht;
    for (const Wedstrijd& w : {drie, twee, vier}) {
        SCOPED_TRACE(w.wedstrNr.toStdString());
        kiezen(f, w.wedstrNr);
        m_bureaublad.geopend.clear();
        word::Document d = afdrukken(f);
        documenten << m_map.filePath(w.wedstrNr + QStringLiteral(".docx"));
        ASSERT_TRUE(QFile::copy(m_bureaublad.geopend.first(), documenten.last()));

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
