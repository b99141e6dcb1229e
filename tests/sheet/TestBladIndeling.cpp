#include "TestDatabase.h"
#include "core/Algemeen.h"
#include "core/Wedstrijdblad.h"
#include "sheet/BladIndeling.h"
#include "sheet/BladOpbouw.h"
#include "ui/TestMeldingenScope.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using core::algemeen;

namespace {

class BladIndeling : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_map.isValid());
        m_pad = testhulp::applicatiemapVullen(m_map.path());
        sheet::bladBouwen(&m_werkvlak, b);
    }

    void TearDown() override
    {
        core::algemeenHerstellen();
        EXPECT_TRUE(m_meldingen->inOrde()) << m_meldingen->verslag().toStdString();
    }

    /** Changes the database before the recordsets are opened. */
    void sql(const QString& opdracht)
    {
        db::Database d = db::Database::openen(m_pad);
        d.uitvoeren(opdracht);
        d.sluiten();
    }

    void openen()
    {
        core::Algemeen& a = algemeen();
        a.dbGegevens = db::Database::openen(m_pad);
        a.rsVolgordeWedstrijden = a.dbGegevens.openTabel(QStringLiteral("Volgorde Wedstrijden"));
        a.rsOpties = a.dbGegevens.openTabel(QStringLiteral("Opties"));
    }

    /** Lays the sheet out for a match whose last game is laatste, after one whose last game was vorige. */
    void wedstrijd(int laatste, int vorige)
    {
        if (!algemeen().dbGegevens.isOpen())
            openen();
        algemeen().intLaatsteWedstrijd = laatste;
        sheet::VakjesWeergeven(b, vorige);
    }

    QList<QWidget*> wedstrijdRij(int i) const
    {
        QList<QWidget*> rij{b.LabNrW[i], b.LabThuisspeler[i], b.LabUitspeler[i]};
        for (int s = 1; s <= 5; ++s)
            rij << b.set(i, s, true) << b.set(i, s, false);
        rij << b.TxtSetsThuis[i] << b.TxtSetsUit[i] << b.TxtWedstrThuis[i] << b.TxtWedstrUit[i];
        return rij;
    }

    /** The game rows shown, when every control of each row agrees; -1 in the list for a split row. */
    QList<int> getoondeWedstrijden() const
    {
        QList<int> getoond;
        for (int i = 0; i < 16; ++i) {
            int zichtbaar = 0;
            for (QWidget* w : wedstrijdRij(i))
                zichtbaar += w->isHidden() ? 0 : 1;
            if (zichtbaar == 17)
                getoond << i;
            else if (zichtbaar != 0)
                getoond << -1;
        }
        return getoond;
    }

    static QList<int> reeks(int tot)
    {
        QList<int> r;
        for (int i = 0; i <= tot; ++i)
            r << i;
        return r;
    }

    /** The player row r of the home (T) or visitors' team, with its captain option. */
    QList<QWidget*> spelerRij(bool thuis, int r) const
    {
        if (thuis)
            return {b.LabTNrSpeler[r], b.LabTNaamSpeler[r], b.CmdCompNrT[r], b.LabTVolgnr[r],
                    b.LabTIndex[r],    b.LabTKlas[r],       b.LabTIndOverw[r], b.OptTKapitein[r]};
        return {b.LabUNrSpeler[r], b.LabUNaamSpeler[r], b.CmdCompNrU[r], b.LabUVolgnr[r],
                b.LabUIndex[r],    b.LabUKlas[r],       b.LabUIndOverw[r], b.OptUKapitein[r]};
    }
    QList<QWidget*> dubbelRij(bool thuis) const
    {
        if (thuis)
            return {b.LabTNrSpeler[4], b.LabTNaamSpeler[4], b.CmdCompNrT[4]};
        return {b.LabUNrSpeler[4], b.LabUNaamSpeler[4], b.CmdCompNrU[4]};
    }

    void vierdeRijInvullen()
    {
        for (bool thuis : {true, false}) {
            auto& naam = thuis ? b.LabTNaamSpeler : b.LabUNaamSpeler;
            auto& comp = thuis ? b.CmdCompNrT : b.CmdCompNrU;
            naam[3]->setText("Peeters Jan");
            comp[3]->setText("123456");
            (thuis ? b.LabTVolgnr : b.LabUVolgnr)[3]->setText("4");
            (thuis ? b.LabTIndex : b.LabUIndex)[3]->setText("7");
            (thuis ? b.LabTKlas : b.LabUKlas)[3]->setText("C2");
            (thuis ? b.LabTIndOverw : b.LabUIndOverw)[3]->setText("9");
            (thuis ? b.OptTKapitein : b.OptUKapitein)[3]->setChecked(true);
        }
    }

    void verwachtVierRijen()
    {
        for (bool thuis : {true, false}) {
            const QList<QWidget*> rij = spelerRij(thuis, 3);
            for (QWidget* w : rij) {
                EXPECT_FALSE(w->isHidden()) << w->objectName().toStdString();
                EXPECT_EQ(sheet::twipsGeometrie(w).y(), 1500) << w->objectName().toStdString();
                EXPECT_EQ(w->y(), ui::twips(1500));
            }
            EXPECT_EQ(static_cast<QLabel*>(rij[0])->text(), "4");
            for (int k : {1, 3, 4, 5, 6})
                EXPECT_EQ(static_cast<QLabel*>(rij[k])->text(), "") << rij[k]->objectName().toStdString();
            EXPECT_EQ(static_cast<QPushButton*>(rij[2])->text(), "");
            EXPECT_FALSE(static_cast<QRadioButton*>(rij[7])->isChecked());
            for (QWidget* w : dubbelRij(thuis))
                EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
        }
    }

    void verwachtDubbelRij()
    {
        for (bool thuis : {true, false}) {
            for (QWidget* w : dubbelRij(thuis)) {
                EXPECT_FALSE(w->isHidden()) << w->objectName().toStdString();
                EXPECT_EQ(w->y(), ui::twips(1500)) << w->objectName().toStdString();
            }
            EXPECT_EQ((thuis ? b.CmdCompNrT : b.CmdCompNrU)[4]->text(), "Dubb.");
            EXPECT_EQ((thuis ? b.LabTNaamSpeler : b.LabUNaamSpeler)[4]->text(), "");
            EXPECT_EQ((thuis ? b.LabTNrSpeler : b.LabUNrSpeler)[4]->text(), "Dubbel");
            for (QWidget* w : spelerRij(thuis, 3))
                EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
        }
    }

    /** The home and away places of the game rows as the sheet shows them. */
    QStringList spelers(int aantal) const
    {
        QStringList s;
        for (int i = 0; i < aantal; ++i)
            s << b.LabThuisspeler[i]->text() + "-" + b.LabUitspeler[i]->text();
        return s;
    }

    QTemporaryDir m_map;
    QString m_pad;
    QWidget m_werkvlak;
    core::Wedstrijdblad b;
    ui::TestMeldingenScope m_meldingen;
};

TEST_F(BladIndeling, AFirstMatchOfThreeHasTenGamesAndTheDoublesRow)
{
    wedstrijd(9, 0);

    EXPECT_EQ(getoondeWedstrijden(), reeks(9));
    verwachtDubbelRij();
    EXPECT_EQ(spelers(10), QStringList({"1-2", "2-1", "3-3", "1-1", "3-2", "2-3", "Dubb.-", "3-1", "1-3", "2-2"}));
    // The doubles game's label spans both place columns.
    EXPECT_EQ(b.LabThuisspeler[6]->width(), ui::twips(511));
    EXPECT_EQ(b.LabThuisspeler[6]->width(), 34);
    EXPECT_EQ(b.LabThuisspeler[5]->width(), ui::twips(255));
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(b.LabNrW[i]->text(), QString::number(i + 1));
}

TEST_F(BladIndeling, ATeamOfFourAfterThreeGetsItsFourthRowBackEmpty)
{
    wedstrijd(9, 0);
    b.LabTNaamSpeler[3]->setText("blijft niet staan");
    b.OptUKapitein[3]->setChecked(true);
    wedstrijd(15, 9);

    EXPECT_EQ(getoondeWedstrijden(), reeks(15));
    verwachtVierRijen();
    EXPECT_EQ(spelers(16), QStringList({"4-2", "3-1", "2-4", "1-3", "4-1", "3-2", "2-3", "1-4", "4-3", "3-4", "2-1",
                                        "1-2", "4-4", "3-3", "2-2", "1-1"}));
    EXPECT_EQ(b.LabThuisspeler[6]->width(), ui::twips(255)) << "the doubles label is narrow again";
}

TEST_F(BladIndeling, ATeamOfThreeAfterTwoShowsGamesEightToTen)
{
    wedstrijd(6, 0);
    EXPECT_EQ(getoondeWedstrijden(), reeks(6));
    wedstrijd(9, 6);
    EXPECT_EQ(getoondeWedstrijden(), reeks(9));
    verwachtDubbelRij();
    wedstrijd(15, 9);
    EXPECT_EQ(getoondeWedstrijden(), reeks(15));
    wedstrijd(6, 15);
    EXPECT_EQ(getoondeWedstrijden(), reeks(6));
}

TEST_F(BladIndeling, TheSameTeamSizeAgainLeavesTheGameRowsAsTheyAre)
{
    wedstrijd(9, 0);
    for (QWidget* w : wedstrijdRij(8))
        w->hide();
    for (QWidget* w : wedstrijdRij(12))
        w->show();
    b.TxtSet2T[3]->setText("11");
    b.TxtWedstrUit[0]->setText("1");
    b.TxtResT->setText("5");
    b.TxtSet1U[2]->setEnabled(false);

    wedstrijd(9, 9);
    EXPECT_TRUE(b.LabNrW[8]->isHidden());
    EXPECT_TRUE(b.TxtSet4U[8]->isHidden());
    EXPECT_FALSE(b.LabUitspeler[12]->isHidden());
    EXPECT_FALSE(b.TxtWedstrThuis[12]->isHidden());
    // The scores are emptied all the same; the result and the enabled state are not touched.
    EXPECT_EQ(b.TxtSet2T[3]->text(), "");
    EXPECT_EQ(b.TxtWedstrUit[0]->text(), "");
    EXPECT_EQ(b.TxtResT->text(), "5");
    EXPECT_FALSE(b.TxtSet1U[2]->isEnabled());
}

TEST_F(BladIndeling, TheFirstThreePlayerRowsAreEmptiedAndPutInPlace)
{
    b.CmdTKapitein->show();
    b.CmdUKapitein->show();
    for (int r = 0; r < 3; ++r) {
        b.LabTNaamSpeler[r]->setText("Naam");
        b.CmdCompNrU[r]->setText("654321");
        b.LabUKlas[r]->setText("B0");
        b.LabTIndOverw[r]->setText("3");
        sheet::zetBoven(b.LabUIndex[r], 100);
    }
    b.OptTKapitein[1]->setChecked(true);
    b.OptUKapitein[0]->hide();

    wedstrijd(15, 15);
    EXPECT_TRUE(b.CmdTKapitein->isHidden());
    EXPECT_TRUE(b.CmdUKapitein->isHidden());
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(b.LabTNaamSpeler[r]->text(), "");
        EXPECT_EQ(b.CmdCompNrU[r]->text(), "");
        EXPECT_EQ(b.LabUKlas[r]->text(), "");
        EXPECT_EQ(b.LabTIndOverw[r]->text(), "");
        EXPECT_EQ(b.LabUIndex[r]->y(), ui::twips(720 + 260 * r));
        EXPECT_FALSE(b.OptTKapitein[r]->isChecked());
        EXPECT_FALSE(b.OptUKapitein[r]->isHidden());
    }
    EXPECT_EQ(b.LabTNrSpeler[0]->text(), "1-A");
}

TEST_F(BladIndeling, HidingTheFourthRowEmptiesIt)
{
    wedstrijd(15, 0);
    vierdeRijInvullen();
    wedstrijd(9, 15);
    verwachtDubbelRij();
    for (bool thuis : {true, false}) {
        EXPECT_EQ((thuis ? b.LabTNaamSpeler : b.LabUNaamSpeler)[3]->text(), "");
        EXPECT_EQ((thuis ? b.CmdCompNrT : b.CmdCompNrU)[3]->text(), "") << "no member number behind a hidden row";
        EXPECT_EQ((thuis ? b.LabTVolgnr : b.LabUVolgnr)[3]->text(), "");
        EXPECT_EQ((thuis ? b.LabTIndex : b.LabUIndex)[3]->text(), "");
        EXPECT_EQ((thuis ? b.LabTKlas : b.LabUKlas)[3]->text(), "");
        EXPECT_EQ((thuis ? b.LabTIndOverw : b.LabUIndOverw)[3]->text(), "");
        EXPECT_EQ((thuis ? b.LabTNrSpeler : b.LabUNrSpeler)[3]->text(), "4");
    }
}

TEST_F(BladIndeling, TeamsOfTwoPlayDoublesOnlyWhenTheOptionSaysSo)
{
    // Without the option: four player rows.
    wedstrijd(6, 0);
    verwachtVierRijen();
    EXPECT_EQ(spelers(7), QStringList({"1-2", "2-1", "3-3", "Dubb.-", "1-1", "2-3", "3-2"}));
}

TEST_F(BladIndeling, TheDoublesOptionIsReadWithoutRegardToCase)
{
    sql("UPDATE Opties SET Item = 'j' WHERE Soort = 'SuperDubbelSpelen'");
    wedstrijd(15, 0);
    vierdeRijInvullen();
    wedstrijd(6, 15);
    verwachtDubbelRij();
    EXPECT_EQ(b.CmdCompNrT[3]->text(), "");
    EXPECT_EQ(getoondeWedstrijden(), reeks(6));
}

TEST_F(BladIndeling, AMissingDoublesOptionMeansFourRows)
{
    sql("DELETE FROM Opties WHERE Soort = 'SuperDubbelSpelen'");
    wedstrijd(9, 0);
    wedstrijd(6, 9);
    verwachtVierRijen();
}

TEST_F(BladIndeling, AnEmptyHomePlaceMarksTheDoublesGame)
{
    // One blank, Null and the empty text all mark it.
    sql("UPDATE [Volgorde Wedstrijden] SET thuis = NULL WHERE AantalSpelers = 3 AND Wedstrijd = 2");
    sql("UPDATE [Volgorde Wedstrijden] SET thuis = '' WHERE AantalSpelers = 3 AND Wedstrijd = 9");
    wedstrijd(9, 0);
    for (int i : {1, 6, 8}) {
        EXPECT_EQ(b.LabThuisspeler[i]->text(), "Dubb.") << i;
        EXPECT_EQ(b.LabUitspeler[i]->text(), "") << i;
        EXPECT_EQ(b.LabThuisspeler[i]->width(), ui::twips(511)) << i;
    }
    EXPECT_EQ(b.LabThuisspeler[0]->text(), "1");

    // For a team of four the places are shown as they are stored.
    algemeen().dbGegevens.sluiten();
    sql("UPDATE [Volgorde Wedstrijden] SET thuis = ' ' WHERE AantalSpelers = 4 AND Wedstrijd = 3");
    openen();
    wedstrijd(15, 9);
    EXPECT_EQ(b.LabThuisspeler[2]->text(), " ");
    EXPECT_EQ(b.LabThuisspeler[2]->width(), ui::twips(255));
}

TEST_F(BladIndeling, AMissingGameOrderIsReportedAndStopsTheLayout)
{
    sql("DELETE FROM [Volgorde Wedstrijden] WHERE AantalSpelers = 3 AND Wedstrijd = 5");
    m_meldingen->verwachtMelding(ui::TestMeldingen::Soort::Kritiek, "Wedstrijdblad",
                                 "De tabel 'Volgorde Wedstrijden' heeft geen rij voor 3 spelers, wedstrijd 5 !");
    b.TxtSet1T[0]->setText("11");
    wedstrijd(9, 15);
    EXPECT_EQ(b.LabThuisspeler[3]->text(), "1") << "the games before the missing one are labelled";
    EXPECT_EQ(b.TxtSet1T[0]->text(), "11");
    EXPECT_EQ(getoondeWedstrijden(), reeks(15));
}

class BladLeegmaken : public BladIndeling
{
};

TEST_F(BladLeegmaken, EmptiesWhatAMatchFilledIn)
{
    wedstrijd(9, 0);
    b.LstNaamLokaal->addItems({"Zaal 1", "Zaal 2"});
    b.TxtStraat->setText("Kerkstraat 1");
    b.TxtPlaats->setText("Gent");
    for (QLabel* l : {b.TxtDatum, b.TxtAfdeling, b.TxtReeks, b.TxtMatchNr, b.TxtBeginuur, b.TxtTPloeg, b.TxtUPloeg,
                      b.TxtTAanw, b.TxtUAanw})
        l->setText("x");
    b.TxtEinduur->setText("22:15");
    for (int r = 0; r < 4; ++r) {
        for (QList<QLabel*>* lijst : {&b.LabTNaamSpeler, &b.LabUNaamSpeler, &b.LabTVolgnr, &b.LabUVolgnr,
                                      &b.LabTIndex, &b.LabUIndex, &b.LabTKlas, &b.LabUKlas, &b.LabTIndOverw,
                                      &b.LabUIndOverw})
            (*lijst)[r]->setText("y");
        b.CmdCompNrT[r]->setText("1");
        b.CmdCompNrU[r]->setText("2");
    }
    b.LabTNaamSpeler[4]->setText("Dubbel");
    b.CmdTKapitein->show();
    b.OptTKapitein[1]->setChecked(true);
    b.OptUKapitein[2]->hide();
    for (int i = 0; i < 16; ++i)
        for (QWidget* w : wedstrijdRij(i))
            if (auto* vak = qobject_cast<QLineEdit*>(w))
                vak->setText("3");
    b.TxtResT->setText("10");
    b.TxtResU->setText("0");

    int forfaitT = 0;
    int forfaitU = 0;
    b.ChkForfaitT->setChecked(true);
    b.ChkForfaitUit->setChecked(true);
    QObject::connect(b.ChkForfaitT, &QCheckBox::toggled, [&forfaitT](bool aan) { forfaitT += aan ? 0 : 1; });
    QObject::connect(b.ChkForfaitUit, &QCheckBox::toggled, [&forfaitU](bool aan) { forfaitU += aan ? 0 : 1; });

    sheet::Blanco(b);

    EXPECT_EQ(b.LstNaamLokaal->count(), 0);
    EXPECT_EQ(b.TxtStraat->text(), "");
    EXPECT_EQ(b.TxtPlaats->text(), "");
    for (QLabel* l : {b.TxtDatum, b.TxtAfdeling, b.TxtReeks, b.TxtMatchNr, b.TxtBeginuur, b.TxtTPloeg, b.TxtUPloeg,
                      b.TxtTAanw, b.TxtUAanw})
        EXPECT_EQ(l->text(), "") << l->objectName().toStdString();
    EXPECT_EQ(b.TxtEinduur->text(), "");
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(b.LabTNaamSpeler[r]->text(), "");
        EXPECT_EQ(b.LabUNaamSpeler[r]->text(), "");
        EXPECT_EQ(b.CmdCompNrT[r]->text(), "") << r;
        EXPECT_EQ(b.CmdCompNrU[r]->text(), "") << r;
    }
    for (int r = 0; r < 4; ++r) {
        for (QList<QLabel*>* lijst : {&b.LabTVolgnr, &b.LabUVolgnr, &b.LabTIndex, &b.LabUIndex, &b.LabTKlas,
                                      &b.LabUKlas, &b.LabTIndOverw, &b.LabUIndOverw})
            EXPECT_EQ((*lijst)[r]->text(), "") << (*lijst)[r]->objectName().toStdString();
    }
    EXPECT_FALSE(b.OptUKapitein[2]->isHidden());
    EXPECT_TRUE(b.OptTKapitein[1]->isChecked()) << "the captain stays chosen";
    EXPECT_TRUE(b.CmdTKapitein->isHidden());
    EXPECT_FALSE(b.ChkForfaitT->isChecked());
    EXPECT_FALSE(b.ChkForfaitUit->isChecked());
    EXPECT_EQ(forfaitT, 1) << "unticking runs the box's handling";
    EXPECT_EQ(forfaitU, 1);
    for (int i = 0; i < 16; ++i)
        for (QWidget* w : wedstrijdRij(i)) {
            if (auto* vak = qobject_cast<QLineEdit*>(w)) {
                EXPECT_EQ(vak->text(), "") << vak->objectName().toStdString();
            }
        }
    EXPECT_EQ(b.TxtResT->text(), "");
    EXPECT_EQ(b.TxtResU->text(), "");
}

TEST_F(BladLeegmaken, LeavesTheLayoutAsItIs)
{
    wedstrijd(9, 0);
    b.TxtSet3T[2]->setEnabled(false);
    b.CmdCompNrU[1]->setEnabled(false);
    b.ChkAkkoord->setChecked(true);
    b.OptJeugd->setChecked(true);
    b.Titel[0]->setText("JEUGD");
    b.CmdCompNrHoofdscheidsrechter->setText("111111");
    const QRect dubbel = b.CmdCompNrT[4]->geometry();
    const QRect doorgeschoven = b.LabThuisspeler[6]->geometry();

    sheet::Blanco(b);

    EXPECT_EQ(getoondeWedstrijden(), reeks(9));
    for (bool thuis : {true, false}) {
        for (QWidget* w : dubbelRij(thuis))
            EXPECT_FALSE(w->isHidden());
        for (QWidget* w : spelerRij(thuis, 3)) {
            if (!qobject_cast<QRadioButton*>(w)) {
                EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
            }
        }
    }
    EXPECT_EQ(b.CmdCompNrT[4]->text(), "") << "the doubles button's caption goes too";
    EXPECT_EQ(b.CmdCompNrT[4]->geometry(), dubbel);
    EXPECT_EQ(b.LabThuisspeler[6]->geometry(), doorgeschoven);
    EXPECT_EQ(b.LabThuisspeler[6]->text(), "Dubb.");
    EXPECT_EQ(b.LabUitspeler[0]->text(), "2");
    EXPECT_EQ(b.LabTNrSpeler[2]->text(), "3-C");
    EXPECT_FALSE(b.TxtSet3T[2]->isEnabled());
    EXPECT_FALSE(b.CmdCompNrU[1]->isEnabled());
    EXPECT_TRUE(b.ChkAkkoord->isChecked());
    EXPECT_TRUE(b.OptJeugd->isChecked());
    EXPECT_EQ(b.Titel[0]->text(), "JEUGD");
    EXPECT_EQ(b.CmdCompNrHoofdscheidsrechter->text(), "111111");
}

} // namespace
