#include "QtAfdruk.h"
#include "ui/QtMeldingen.h"
#include "ui/TestMeldingenScope.h"

#include <gtest/gtest.h>

#include <stdexcept>

using ui::TestMeldingen;
using Soort = ui::TestMeldingen::Soort;

TEST(TestMeldingen, SlaatElkeMeldingOngewijzigdEnInVolgordeOp)
{
    TestMeldingen meldingen;
    meldingen.verwachtJaNee(false);
    meldingen.verwachtMap(QStringLiteral("D:\\Club"));
    meldingen.verwachtBestand(QStringLiteral("D:\\Club\\leden.mdb"));
    meldingen.verwachtMelding(Soort::Kritiek, QStringLiteral("Interclub"),
                              QStringLiteral("Speler bestaat al.\nKies een ander nummer."));
    meldingen.verwachtMelding(Soort::Waarschuwing, QStringLiteral("Let op"), QStringLiteral(" <b>vet</b> "));
    meldingen.verwachtMelding(Soort::Informatie, QString(), QStringLiteral("Klaar"));

    meldingen.kritiek(QStringLiteral("Interclub"), QStringLiteral("Speler bestaat al.\nKies een ander nummer."));
    meldingen.waarschuwing(QStringLiteral("Let op"), QStringLiteral(" <b>vet</b> "));
    meldingen.informatie(QStringLiteral(""), QStringLiteral("Klaar"));
    meldingen.vraagJaNee(QStringLiteral("Verwijderen"), QStringLiteral("Ploeg A verwijderen?"));
    meldingen.kiesMap(QStringLiteral("Kies map"), QStringLiteral("C:\\Data"));
    meldingen.kiesBestand(QStringLiteral("Open"), QStringLiteral("C:\\In"), QStringLiteral("Databank (*.mdb)"));

    const QList<TestMeldingen::Melding> verwacht{
        {Soort::Kritiek, QStringLiteral("Interclub"), QStringLiteral("Speler bestaat al.\nKies een ander nummer.")},
        {Soort::Waarschuwing, QStringLiteral("Let op"), QStringLiteral(" <b>vet</b> ")},
        {Soort::Informatie, QString(), QStringLiteral("Klaar")},
        {Soort::Vraag, QStringLiteral("Verwijderen"), QStringLiteral("Ploeg A verwijderen?")},
        {Soort::Map, QStringLiteral("Kies map"), QStringLiteral("C:\\Data")},
        {Soort::Bestand, QStringLiteral("Open"), QStringLiteral("C:\\In")},
    };
    EXPECT_EQ(meldingen.getoond(), verwacht);
    EXPECT_EQ(meldingen.getoond(Soort::Vraag).size(), 1);
    EXPECT_TRUE(meldingen.inOrde()) << meldingen.verslag().toStdString();
}

TEST(TestMeldingen, EenOnverwachteOfAndereMeldingIsEenFout)
{
    TestMeldingen meldingen;
    meldingen.informatie(QStringLiteral("Klaar"), QStringLiteral("Export klaar."));
    EXPECT_FALSE(meldingen.inOrde()) << "a box nobody expected";
    meldingen.wis();

    meldingen.verwachtMelding(Soort::Kritiek, QStringLiteral("Opties"), QStringLiteral("Fout !"));
    meldingen.kritiek(QStringLiteral("Opties"), QStringLiteral("Fout!"));
    EXPECT_FALSE(meldingen.inOrde()) << "another text than expected";
    EXPECT_TRUE(meldingen.verslag().contains(QStringLiteral("verwacht werd")));
    meldingen.wis();

    meldingen.verwachtMelding(Soort::Informatie, QStringLiteral("a"), QStringLiteral("b"));
    EXPECT_FALSE(meldingen.inOrde()) << "an expected box that never came";
}

TEST(TestMeldingen, GeeftAntwoordenPerSoortInVolgorde)
{
    TestMeldingen meldingen;
    meldingen.verwachtJaNee(true);
    meldingen.verwachtMap(QStringLiteral("E:\\Export"));
    meldingen.verwachtJaNee(false);
    meldingen.verwachtMapAnnuleren();
    meldingen.verwachtBestand(QStringLiteral("C:\\a.txt"));
    meldingen.verwachtBestand(QString());

    EXPECT_TRUE(meldingen.vraagJaNee(QStringLiteral("t"), QStringLiteral("1")));
    EXPECT_FALSE(meldingen.vraagJaNee(QStringLiteral("t"), QStringLiteral("2")));
    EXPECT_EQ(meldingen.kiesMap(QStringLiteral("t"), QStringLiteral("C:\\Std")), QStringLiteral("E:\\Export"));
    // Cancel gives the default folder back, exactly as passed.
    EXPECT_EQ(meldingen.kiesMap(QStringLiteral("t"), QStringLiteral("C:\\Std")), QStringLiteral("C:\\Std"));
    EXPECT_EQ(meldingen.kiesBestand(QStringLiteral("t"), QString(), QString()), QStringLiteral("C:\\a.txt"));
    EXPECT_EQ(meldingen.kiesBestand(QStringLiteral("t"), QString(), QString()), QString());
    EXPECT_TRUE(meldingen.inOrde()) << meldingen.verslag().toStdString();
}

TEST(TestMeldingen, OnverwachteVraagWordtGemeldEnGegooid)
{
    TestMeldingen meldingen;
    meldingen.verwachtMap(QStringLiteral("X"));

    EXPECT_THROW(meldingen.vraagJaNee(QStringLiteral("Opslaan"), QStringLiteral("Wijzigingen opslaan?")),
                 std::logic_error);
    EXPECT_THROW(meldingen.kiesBestand(QStringLiteral("Open"), QString(), QString()), std::logic_error);

    // Still recorded as shown, and both listed as unexpected; the queued folder was never asked for.
    EXPECT_EQ(meldingen.getoond().size(), 2);
    ASSERT_EQ(meldingen.onverwacht().size(), 2);
    EXPECT_TRUE(meldingen.onverwacht().constFirst().contains(QStringLiteral("Wijzigingen opslaan?")));
    EXPECT_EQ(meldingen.openstaand(), 1);
    EXPECT_FALSE(meldingen.inOrde());
    EXPECT_FALSE(meldingen.verslag().isEmpty());

    meldingen.wis();
    EXPECT_TRUE(meldingen.getoond().isEmpty());
    EXPECT_TRUE(meldingen.inOrde());
}

TEST(TestMeldingen, NietGebruiktAntwoordIsNietInOrde)
{
    TestMeldingen meldingen;
    meldingen.verwachtJaNee(true);
    EXPECT_TRUE(meldingen.onverwacht().isEmpty());
    EXPECT_FALSE(meldingen.inOrde());
}

TEST(TestMeldingenScope, InstalleertEnZetVorigeTerug)
{
    ui::Meldingen* buiten = nullptr;
    {
        ui::TestMeldingenScope scope;
        buiten = &*scope;
        EXPECT_EQ(&ui::meldingen(), buiten);
        {
            ui::TestMeldingenScope binnen;
            ui::meldingen().informatie(QStringLiteral("t"), QStringLiteral("binnen"));
            EXPECT_EQ(binnen->getoond().size(), 1);
        }
        EXPECT_EQ(&ui::meldingen(), buiten);
        EXPECT_TRUE(scope->getoond().isEmpty());
    }
    EXPECT_NE(dynamic_cast<ui::QtMeldingen*>(&ui::meldingen()), nullptr);
}
