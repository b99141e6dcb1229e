// The main window's menu items reach the other subsystems through their services.

#include "BladTest.h"
#include "core/Diensten.h"
#include "ui/Menus.h"

#include <QAction>
#include <QLabel>

using core::algemeen;
using testhulp::Wedstrijd;

namespace {

// Records what the menus asked of the printing and exchange services.
struct Opnemer : core::IAfdrukken, core::IUitwisseling
{
    QStringList oproepen;
    FrmWedstrijdInput* venster = nullptr;

    void AfdrukkenScheidsrechtersblaadjes(int a, int s, int k) override
    {
        oproepen << QStringLiteral("blaadjes %1 %2 %3").arg(a).arg(s).arg(k);
    }
    void AfdrukkenWedstrijdbladVoorAanvang(int a, int s) override
    {
        oproepen << QStringLiteral("voor %1 %2").arg(a).arg(s);
    }
    void AfdrukkenWedstrijdbladNaAfloop(int v) override { oproepen << QStringLiteral("na %1").arg(v); }
    bool VoorbereidenUitvoeren() override
    {
        oproepen << "voorbereiden " + venster->LabX->text();
        return true;
    }
    void UitslagenExporteren(const QString& code, int nr) override
    {
        oproepen << QStringLiteral("uitslagen %1 %2").arg(code).arg(nr);
    }
};

class Menus : public testhulp::BladTest
{
protected:
    void SetUp() override
    {
        BladTest::SetUp();
        core::diensten().afdrukken = &m_opnemer;
        core::diensten().uitwisseling = &m_opnemer;
    }
    void TearDown() override
    {
        core::diensten().afdrukken = nullptr;
        core::diensten().uitwisseling = nullptr;
        BladTest::TearDown();
    }
    Opnemer m_opnemer;
};

TEST_F(Menus, PrintItemsCallThePrintingProceduresWithTheirFlags)
{
    FrmWedstrijdInput& f = starten();
    f.menu("MnuAfdrScheidsrechtersblaadjes1")->trigger();
    f.menu("MnuAfdrScheidsblaadjesApart2blzTeKnippenOpenen")->trigger();
    f.menu("MnuAfdrWedstrijdbladVoorAanvangOpenen")->trigger();
    f.menu("MnuAfdrWedstrijdbladNaWit")->trigger();
    EXPECT_EQ(m_opnemer.oproepen, QStringList({"blaadjes 1 1 1", "voor 1 1", "blaadjes 0 0 1", "voor 0 0", "na 1"}));
    EXPECT_EQ(f.menu("MnuAfdrScheidsrechtersblaadjes1")->shortcut(), QKeySequence("Ctrl+K"));
}

TEST_F(Menus, ResultsExportUsesTheClubCodeWithoutDots)
{
    testhulp::optieZetten(m_db, "ClubProv", "10");
    testhulp::optieZetten(m_db, "ClubNr", "123");
    Wedstrijd w = wedstrijd("PWH01001", "A"); // a play date in the club's province enables the item
    w.provThuis = w.provUit = "10";
    w.extra << qMakePair(QString("Zaal"), db::Waarde(7));
    testhulp::wedstrijdToevoegen(m_db, w);
    FrmWedstrijdInput& f = starten();
    f.menu("MnuBeheerGegevensExport")->trigger();
    EXPECT_EQ(m_opnemer.oproepen, QStringList({"uitslagen WVl123 1"}));
}

TEST_F(Menus, ExportTtrAsksFirstAndNoChangesNothing)
{
    FrmWedstrijdInput& f = starten();
    m_opnemer.venster = &f;
    f.LabX->setText("vorige");
    const QString vraag = "De gegevens worden geëxporteerd naar 'Export.ttr'. Doorgaan ?";
    m_meldingen->verwachtJaNee(false);
    f.menu("MnuBeheerGegevensExportTTR")->trigger();
    EXPECT_EQ(f.LabX->text(), "vorige");
    EXPECT_TRUE(m_opnemer.oproepen.isEmpty());
    m_meldingen->verwachtJaNee(true);
    f.menu("MnuBeheerGegevensExportTTR")->trigger();
    EXPECT_EQ(m_opnemer.oproepen, QStringList({"voorbereiden ClubProgrammaInterclub"}));
    EXPECT_EQ(m_meldingen->getoond().last().titel, "Importeren");
    EXPECT_EQ(m_meldingen->getoond().last().tekst, vraag);
}

TEST_F(Menus, LoggingOutLocksTheAdministratorMenusAndWhatIsNotThereSaysSo)
{
    FrmWedstrijdInput& f = starten();
    f.MnuBeheerUitloggen->trigger();
    EXPECT_TRUE(ui::menuIngeschakeld(f.MnuBeheerInloggen));
    for (QAction* m : {f.MnuBeheerUitloggen, f.MnuBeheerPaswoordWijzigen, f.MnuBeheerGegevens, f.MnuBeheerClubs,
                       f.MnuBeheerOpties})
        EXPECT_FALSE(ui::menuIngeschakeld(m)) << m->objectName().toStdString();
    f.beheerderAangemeld(true);
    EXPECT_FALSE(ui::menuIngeschakeld(f.MnuBeheerInloggen));
    EXPECT_TRUE(ui::menuIngeschakeld(f.MnuBeheerOpties));

    m_meldingen->verwachtMelding(ui::TestMeldingen::Soort::Waarschuwing, "Programma Wedstrijden",
                                 "Dit onderdeel is voorlopig nog niet beschikbaar.");
    f.menu("MnuBeheerProvincies")->trigger();
    EXPECT_EQ(m_meldingen->openstaand(), 0);
}

TEST_F(Menus, WhatIsNotInTheProgramYetSaysSoBeforeAskingAnything)
{
    core::diensten().afdrukken = nullptr;
    core::diensten().uitwisseling = nullptr;
    app::dienstenBedraden();
    core::diensten().afdrukken = nullptr;
    FrmWedstrijdInput& f = starten();
    for (const char* item : {"MnuAfdrScheidsrechtersblaadjes2", "MnuAfdrWedstrijdbladVoorAanvangOpenen",
                             "MnuAfdrWedstrijdbladNaOff"}) {
        m_meldingen->verwachtMelding(ui::TestMeldingen::Soort::Waarschuwing, "Programma Wedstrijden",
                                     "Dit onderdeel is voorlopig nog niet beschikbaar.");
        f.menu(item)->trigger();
        EXPECT_EQ(m_meldingen->openstaand(), 0) << item;
    }
    EXPECT_EQ(m_meldingen->getoond().size(), 3) << "one message per item, no question";
}

} // namespace
