#include "core/Diensten.h"
#include "core/FrmWedstrijdInput.h"
#include "core/Wedstrijdblad.h"
#include "sheet/Blad.h"
#include "sheet/BladOpbouw.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

/** The pixel rectangle ui::zetGeometrie gives a place in twips. */
QRect pixels(int l, int t, int b, int h)
{
    const int x = ui::twips(l);
    const int y = ui::twips(t);
    return QRect(x, y, ui::twips(l + b) - x, ui::twips(t + h) - y);
}

class BladOpbouw : public ::testing::Test
{
protected:
    void SetUp() override { sheet::bladBouwen(&m_werkvlak, b); }

    template <class W = QWidget>
    W* zoek(const QString& naam)
    {
        return m_werkvlak.findChild<W*>(naam);
    }

    QWidget m_werkvlak;
    core::Wedstrijdblad b;
};

TEST_F(BladOpbouw, EveryControlIsMadeUnderItsNameAndHeldByTheSheet)
{
    ASSERT_TRUE(b.gebouwd());
    const std::pair<const char*, QWidget*> enkel[] = {
        {"FraWedstrijdblad", b.FraWedstrijdblad}, {"FraAlgGegevens", b.FraAlgGegevens},
        {"FraLokaal", b.FraLokaal}, {"Frame1", b.Frame1}, {"FraBezochten", b.FraBezochten},
        {"FraBezoekers", b.FraBezoekers}, {"FraUitslagen", b.FraUitslagen},
        {"FraHoofdscheidsrechter", b.FraHoofdscheidsrechter}, {"FraZaalcommissaris", b.FraZaalcommissaris},
        {"LstNaamLokaal", b.LstNaamLokaal}, {"TxtStraat", b.TxtStraat}, {"TxtPlaats", b.TxtPlaats},
        {"OptHeren", b.OptHeren}, {"OptDames", b.OptDames}, {"OptJeugd", b.OptJeugd}, {"OptSuper", b.OptSuper},
        {"OptBekerHeren", b.OptBekerHeren}, {"OptBekerDames", b.OptBekerDames}, {"TxtDatum", b.TxtDatum},
        {"TxtMatchNr", b.TxtMatchNr}, {"TxtAfdeling", b.TxtAfdeling}, {"TxtReeks", b.TxtReeks},
        {"TxtBeginuur", b.TxtBeginuur}, {"TxtEinduur", b.TxtEinduur}, {"TxtTPloeg", b.TxtTPloeg},
        {"TxtUPloeg", b.TxtUPloeg}, {"TxtTAanw", b.TxtTAanw}, {"TxtUAanw", b.TxtUAanw},
        {"ChkForfaitT", b.ChkForfaitT}, {"ChkForfaitUit", b.ChkForfaitUit}, {"CmdTKapitein", b.CmdTKapitein},
        {"CmdUKapitein", b.CmdUKapitein}, {"TxtResT", b.TxtResT}, {"TxtResU", b.TxtResU},
        {"ChkAkkoord", b.ChkAkkoord}, {"CmdCompNrHoofdscheidsrechter", b.CmdCompNrHoofdscheidsrechter},
        {"CmdCompNrZaalcommissaris", b.CmdCompNrZaalcommissaris}, {"CmdVoorbehoudT", b.CmdVoorbehoudT},
        {"CmdVoorbehoudU", b.CmdVoorbehoudU}, {"CmdVoorbehoudO", b.CmdVoorbehoudO}};
    for (const auto& [naam, w] : enkel) {
        ASSERT_NE(w, nullptr) << naam;
        EXPECT_EQ(zoek(QString::fromLatin1(naam)), w) << naam;
    }
    for (const char* naam : {"LabLokaal", "LabNaam", "LabStraat", "LabPlaats", "LabDatum", "LabMatchNr", "LabAfdeling",
                             "LabReeks", "LabBeginuur", "LabEindUur", "LabTTitelCompnr", "LabUTitelKapitein"})
        EXPECT_NE(zoek<QLabel>(QString::fromLatin1(naam)), nullptr) << naam;

    auto rij = [this](const auto& lijst, const char* naam, qsizetype aantal) {
        ASSERT_EQ(lijst.size(), aantal) << naam;
        for (qsizetype i = 0; i < aantal; ++i)
            EXPECT_EQ(zoek(QStringLiteral("%1_%2").arg(QLatin1StringView(naam)).arg(i)), lijst[i]) << naam << i;
    };
    rij(b.LabTNrSpeler, "LabTNrSpeler", 5);
    rij(b.LabUNaamSpeler, "LabUNaamSpeler", 5);
    rij(b.CmdCompNrT, "CmdCompNrT", 5);
    rij(b.CmdCompNrU, "CmdCompNrU", 5);
    rij(b.LabTVolgnr, "LabTVolgnr", 4);
    rij(b.LabUIndex, "LabUIndex", 4);
    rij(b.LabTKlas, "LabTKlas", 4);
    rij(b.LabUIndOverw, "LabUIndOverw", 4);
    rij(b.OptTKapitein, "OptTKapitein", 4);
    rij(b.OptUKapitein, "OptUKapitein", 4);
    rij(b.Titel, "Titel", 5);
    rij(b.LabNrW, "LabNrW", 16);
    rij(b.LabThuisspeler, "LabThuisspeler", 16);
    rij(b.LabUitspeler, "LabUitspeler", 16);
    rij(b.TxtSet1T, "TxtSet1T", 16);
    rij(b.TxtSet3U, "TxtSet3U", 16);
    rij(b.TxtSet5U, "TxtSet5U", 16);
    rij(b.TxtSetsThuis, "TxtSetsThuis", 16);
    rij(b.TxtWedstrUit, "TxtWedstrUit", 16);
}

TEST_F(BladOpbouw, ControlsSitInTheirFramesAtTheirPlaceInTwips)
{
    EXPECT_EQ(b.FraWedstrijdblad->parentWidget(), &m_werkvlak);
    EXPECT_EQ(b.FraWedstrijdblad->geometry(), pixels(120, 1920, 11655, 6045));
    EXPECT_EQ(b.FraWedstrijdblad->title(), "Wedstrijdblad");
    EXPECT_EQ(b.FraUitslagen->geometry(), pixels(5400, 1510, 4730, 4410)) << "the last row whole";
    EXPECT_EQ(b.FraBezoekers->title(), "BEZOEKERS");

    // A set box: game 6, set 3 away.
    EXPECT_EQ(b.TxtSet3U[5]->parentWidget(), b.FraUitslagen);
    EXPECT_EQ(b.TxtSet3U[5]->geometry(), pixels(765 + 5 * 255, 480 + 5 * 240, 255, 315));
    EXPECT_EQ(b.TxtSet3U[5]->width(), 17);
    EXPECT_EQ(b.TxtWedstrUit[15]->geometry(), pixels(4335, 480 + 15 * 240, 340, 315));
    EXPECT_EQ(b.LabNrW[2]->geometry(), pixels(30, 520 + 2 * 240, 255, 195));

    // Player rows: a member button of the visitors, the doubles button of the home team.
    EXPECT_EQ(b.CmdCompNrU[2]->parentWidget(), b.FraBezoekers);
    EXPECT_EQ(b.CmdCompNrU[2]->geometry(), pixels(2720, 720 + 2 * 260, 615, 210));
    EXPECT_EQ(b.CmdCompNrT[4]->geometry(), pixels(4620, 1500, 495, 210));
    EXPECT_EQ(b.LabUNaamSpeler[0]->geometry(), pixels(390, 720, 2295, 195));
    EXPECT_EQ(b.LabTNaamSpeler[0]->geometry(), pixels(390, 720, 2355, 195));
    EXPECT_EQ(b.LabTNaamSpeler[4]->geometry(), pixels(730, 1500, 3860, 195));
    EXPECT_EQ(sheet::twipsGeometrie(b.OptTKapitein[3]), QRect(4820, 1500, 255, 195));
    // The "K" button is a narrow one over the place rows of the captain column.
    EXPECT_EQ(sheet::twipsGeometrie(b.CmdUKapitein).size(), QSize(255, 795));
    EXPECT_EQ(sheet::twipsGeometrie(b.CmdTKapitein).left(), 4820);
    EXPECT_EQ(sheet::twipsGeometrie(b.CmdTKapitein).top(), 720);

    EXPECT_EQ(b.CmdCompNrHoofdscheidsrechter->parentWidget(), b.FraHoofdscheidsrechter);
    EXPECT_EQ(b.CmdCompNrHoofdscheidsrechter->geometry(), pixels(120, 280, 1095, 330));
    EXPECT_EQ(b.TxtEinduur->parentWidget(), b.Frame1);
    EXPECT_EQ(b.TxtEinduur->geometry(), pixels(3000, 720, 855, 285));
    EXPECT_EQ(b.LstNaamLokaal->parentWidget(), b.FraLokaal);
    EXPECT_EQ(b.TxtResU->geometry(), pixels(10870, 4545, 700, 690));
}

TEST_F(BladOpbouw, LaidOutForATeamOfFour)
{
    const QStringList nrT{"1-A", "2-B", "3-C", "4", "Dubbel"};
    const QStringList nrU{"1-X", "2-Y", "3-Z", "4", "Dubbel"};
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(b.LabTNrSpeler[r]->text(), nrT[r]);
        EXPECT_EQ(b.LabUNrSpeler[r]->text(), nrU[r]);
    }
    EXPECT_EQ(b.CmdCompNrT[4]->text(), "Dubb.");
    for (int r = 0; r < 4; ++r) {
        EXPECT_FALSE(b.CmdCompNrT[r]->isHidden()) << r;
        EXPECT_FALSE(b.OptUKapitein[r]->isHidden()) << r;
    }
    for (auto* w : std::initializer_list<QWidget*>{b.LabTNrSpeler[4], b.LabUNaamSpeler[4], b.CmdCompNrT[4],
                                                   b.CmdCompNrU[4], b.CmdTKapitein, b.CmdUKapitein})
        EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();

    const int thuis[] = {4, 3, 2, 1};
    const int uit[] = {2, 1, 4, 3, 1, 2, 3, 4, 3, 4, 1, 2, 4, 3, 2, 1};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(b.LabNrW[i]->text(), QString::number(i + 1));
        EXPECT_EQ(b.LabThuisspeler[i]->text(), QString::number(thuis[i % 4])) << i;
        EXPECT_EQ(b.LabUitspeler[i]->text(), QString::number(uit[i])) << i;
        EXPECT_FALSE(b.TxtSet5U[i]->isHidden()) << i;
    }
    EXPECT_EQ(b.Titel[0]->text(), "");
    EXPECT_EQ(b.Titel[1]->text(), "Behaalde Punten");
    EXPECT_EQ(b.Titel[2]->text(), "VOLGORDE DER WEDSTRIJDEN");
}

TEST_F(BladOpbouw, OptionsKeepOneOfTheirGroupYetCodeCanClearThemAll)
{
    b.OptHeren->setChecked(true);
    b.OptBekerDames->setChecked(true);
    EXPECT_FALSE(b.OptHeren->isChecked());
    EXPECT_TRUE(b.OptBekerDames->isChecked());
    b.OptBekerDames->click();
    EXPECT_TRUE(b.OptBekerDames->isChecked()) << "clicking the chosen option keeps it";
    b.OptBekerDames->setChecked(false);
    for (QRadioButton* o : {b.OptHeren, b.OptDames, b.OptJeugd, b.OptSuper, b.OptBekerHeren, b.OptBekerDames})
        EXPECT_FALSE(o->isChecked());

    // The captains of the two teams are separate groups.
    b.OptTKapitein[1]->click();
    b.OptUKapitein[3]->click();
    b.OptTKapitein[2]->click();
    EXPECT_FALSE(b.OptTKapitein[1]->isChecked());
    EXPECT_TRUE(b.OptTKapitein[2]->isChecked());
    EXPECT_TRUE(b.OptUKapitein[3]->isChecked());
    b.OptTKapitein[2]->setChecked(false);
    EXPECT_FALSE(b.OptTKapitein[2]->isChecked());
}

// The service as the main window uses it.
class BladDienst : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_vorige = core::diensten().wedstrijdblad;
        core::diensten().wedstrijdblad = &m_blad;
    }
    void TearDown() override
    {
        FrmWedstrijdInput::opruimen();
        core::diensten().wedstrijdblad = m_vorige;
    }

    sheet::Blad m_blad;
    core::IWedstrijdblad* m_vorige = nullptr;
};

TEST_F(BladDienst, BuildsOnTheMainWindowAndEmptiesItsOwnSheet)
{
    m_blad.Blanco(); // no window yet: nothing to do
    FrmWedstrijdInput& f = FrmWedstrijdInput::standaard();
    ASSERT_TRUE(f.blad.gebouwd());
    EXPECT_EQ(f.blad.FraWedstrijdblad->parentWidget(), f.werkvlak());
    EXPECT_EQ(f.findChild<QLineEdit*>("TxtSet1T_3"), f.blad.TxtSet1T[3]);

    f.blad.TxtSet2U[4]->setText("11");
    f.blad.TxtStraat->setText("Kerkstraat 1");
    m_blad.Blanco();
    EXPECT_EQ(f.blad.TxtSet2U[4]->text(), "");
    EXPECT_EQ(f.blad.TxtStraat->text(), "");

    FrmWedstrijdInput::opruimen();
    m_blad.Blanco(); // the window is gone: nothing to do
}

} // namespace
