#include "core/Diensten.h"
#include "exchange/FrmVoorbereiden.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

class VoorbereidenTest : public ::testing::Test
{
protected:
    void TearDown() override { FrmVoorbereiden::opruimen(); }
};

TEST_F(VoorbereidenTest, TheBarCoversItsPercentageAndTheTextStandsInTheMiddle)
{
    FrmVoorbereiden& f = FrmVoorbereiden::standaard();
    f.toon();
    Voortgangsvak* vak = f.Picture1;
    vak->kleur = QColor(0, 0, 255);
    const QRgb achtergrond = vak->palette().color(QPalette::Window).rgb();
    const int b = vak->width();
    // Below the text line, where only the bar draws.
    const int onder = vak->height() - 2;

    f.UpdateProgress(vak, 0);
    EXPECT_EQ(vak->tekst(), "%");
    EXPECT_EQ(vak->beeld().pixel(1, onder), achtergrond);
    // The text is drawn about the middle.
    bool tekstLinks = false, tekstRechts = false;
    for (int x = 0; x < b; ++x) {
        for (int y = 0; y < vak->height(); ++y) {
            if (vak->beeld().pixel(x, y) != achtergrond) {
                tekstLinks |= x < b / 2;
                tekstRechts |= x >= b / 2;
            }
        }
    }
    EXPECT_TRUE(tekstLinks && tekstRechts);

    f.UpdateProgress(vak, 50);
    EXPECT_EQ(vak->tekst(), "50%");
    // The not-xor pen on the background: the inverse of (blue xor background).
    const QRgb balk = qRgb(255 - (0 ^ qRed(achtergrond)), 255 - (0 ^ qGreen(achtergrond)), 255 - (255 ^ qBlue(achtergrond)));
    EXPECT_EQ(vak->beeld().pixel(1, onder), balk);
    EXPECT_EQ(vak->beeld().pixel(b / 2 - 2, onder), balk);
    EXPECT_EQ(vak->beeld().pixel(b / 2 + 2, onder), achtergrond);
    // The text under the bar shows inverted: in the background's colour against the bar.
    bool omgekeerd = false;
    for (int x = b / 2 - 30; x < b / 2; ++x) {
        for (int y = 0; y < vak->height(); ++y)
            omgekeerd |= vak->beeld().pixel(x, y) == achtergrond;
    }
    EXPECT_TRUE(omgekeerd);

    f.UpdateProgress(vak, 100);
    EXPECT_EQ(vak->tekst(), "100%");
    EXPECT_EQ(vak->beeld().pixel(b - 1, onder), balk);

    vak->leegmaken();
    EXPECT_EQ(vak->tekst(), "");
    EXPECT_EQ(vak->beeld().pixel(1, onder), achtergrond);
    EXPECT_EQ(vak->beeld().pixel(b - 1, onder), achtergrond);
}

// The line-up check run from the preparation window: it reaches the line-up service and shows its
// text and progress on this window.
struct Controle : core::IOpstelling
{
    void SpelersKiezenTonen() override {}
    void SterktelijstTonen() override {}
    void OpgeslagenTonen() override {}
    void WalkoversHerstellen(core::Wedstrijdblad&) override {}
    bool HogerLager(QString& weekNr, core::IVoortgang& voortgang) override
    {
        weekNr = "0" + weekNr;
        voortgang.opschriftZetten("Hoger " + weekNr);
        voortgang.UpdateProgress(40);
        return true;
    }
    bool DubbeleOpstelling(QString&, core::IVoortgang& voortgang) override
    {
        voortgang.opschriftZetten("Dubbel");
        voortgang.UpdateProgress(100);
        return false;
    }
    void EindControleAfdrukken(const QString& weekNr) override { verslag = weekNr; }
    QString verslag;
};

TEST_F(VoorbereidenTest, TheLineUpChecksShowTheirTextAndProgressOnTheWindow)
{
    FrmVoorbereiden& f = FrmVoorbereiden::standaard();
    // Without the line-up service there is nothing to check.
    QString week = "5";
    EXPECT_FALSE(f.HogerLager(week));

    Controle controle;
    core::diensten().opstelling = &controle;
    EXPECT_TRUE(f.HogerLager(week));
    EXPECT_EQ(week, "05");
    EXPECT_EQ(f.windowTitle(), "Hoger 05");
    EXPECT_EQ(f.Picture1->tekst(), "40%");
    EXPECT_FALSE(f.DubbeleOpstelling(week));
    EXPECT_EQ(f.windowTitle(), "Dubbel");
    EXPECT_EQ(f.Picture1->tekst(), "100%");
    f.EindControleAfdrukken(week);
    EXPECT_EQ(controle.verslag, "05");
    core::diensten().opstelling = nullptr;
}

} // namespace
