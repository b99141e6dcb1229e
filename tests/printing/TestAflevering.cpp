// Handing the saved document over: printed, opened or both, with a message naming the file when the desktop
// cannot; and the after-match sheet as another program reads it.

#include "NaAfloopTest.h"
#include "PdfLezen.h"
#include "core/Documenten.h"

#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

using Soort = ui::TestMeldingen::Soort;
using Afdruk = ui::Bureaublad::Afdruk;

namespace {

TEST(Aflevering, PrintAndCloseOpensNothingAndEveryFailureNamesTheFile)
{
    ui::TestMeldingenScope meldingen;
    ui::TestBureaublad bureaublad;
    const QString pad = QStringLiteral("/tmp/wissel/Wedstrijdblad P001.docx");
    const QString bewaard = QStringLiteral("Het document is bewaard als:\n") + QDir::toNativeSeparators(pad);

    core::DocumentAanbieden(pad, 1, 1, QStringLiteral("Scheidsrechtersblaadjes"));
    EXPECT_EQ(bureaublad.afgedrukt, QStringList{pad});
    EXPECT_TRUE(bureaublad.geopend.isEmpty());

    core::DocumentAanbieden(pad, 1, 0, QStringLiteral("Scheidsrechtersblaadjes"));
    EXPECT_EQ(bureaublad.geopend, QStringList{pad}) << "printed and left open";

    const struct
    {
        Afdruk afdruk;
        QString tekst;
    } gevallen[] = {
        {Afdruk::GeenLibreOffice, QStringLiteral("Het document is niet afgedrukt: LibreOffice is niet geïnstalleerd.\n")},
        {Afdruk::GeenPrinter, QStringLiteral("Het document is niet afgedrukt: er is geen printer ingesteld.\n")},
        {Afdruk::Mislukt, QStringLiteral("Het afdrukken van het document is mislukt.\n")},
    };
    for (const auto& g : gevallen) {
        bureaublad.afdruk = g.afdruk;
        meldingen->verwachtMelding(Soort::Waarschuwing, QStringLiteral("Scheidsrechtersblaadjes"), g.tekst + bewaard);
        core::DocumentAanbieden(pad, 1, 1, QStringLiteral("Scheidsrechtersblaadjes"));
    }
    EXPECT_EQ(bureaublad.geopend.size(), 1) << "a document that could not be printed is not opened either";
    EXPECT_TRUE(meldingen->inOrde()) << meldingen->verslag().toStdString();
}

TEST(Aflevering, WithoutLibreOfficeTheRealDesktopSaysSo)
{
    const QByteArray pad = qgetenv("PATH");
    qputenv("PATH", "/nergens");
    const Afdruk a = ui::EchtBureaublad().afdrukken(QStringLiteral("/tmp/bestaat-niet.docx"));
    qputenv("PATH", pad);
    EXPECT_EQ(a, Afdruk::GeenLibreOffice);
}

using NaAfloopPdf = testhulp::NaAfloopTest;

// Another program reads the sheet: LibreOffice turns it into a PDF whose text holds what was typed.
TEST_F(NaAfloopPdf, LibreOfficeReadsTheSheet)
{
    if (!testhulp::pdfMogelijk())
        GTEST_SKIP() << "LibreOffice or pdftotext is not installed (scripts/vereisten.sh)";

    testhulp::Wedstrijd w = volledig("PAH01001", "A", 16);
    zetten(w, {{"VoorbehoudT", db::Waarde("Tafel 2 te laag")}});
    FrmWedstrijdInput& f = tonen(w);
    afdrukken(f);
    const QString docx = m_bureaublad.geopend.value(0);

    QTemporaryDir uit;
    ASSERT_TRUE(testhulp::naarPdf({docx}, uit.path()));
    const QString inhoud = testhulp::pdfLezen(docx, uit.path()).tekst;
    for (const QString& verwacht :
         {f.blad.TxtTPloeg->text(), f.blad.TxtUPloeg->text(), QStringLiteral("Speler 1"), QStringLiteral("Speler 8"),
          QStringLiteral("Sporthal De Bal"), QStringLiteral("12 / 9 / 2010"), QStringLiteral("19 u. 45"),
          QStringLiteral("22 u. 15"), QStringLiteral("11-5"), QStringLiteral("9-11"), QStringLiteral("Scheids Karel"),
          QStringLiteral("Zaal Piet"), QStringLiteral("Tafel 2 te laag"),
          QStringLiteral("Akkoord om de wedstrijden twee aan twee te spelen: Ja (Art.6.32)")})
        EXPECT_TRUE(inhoud.contains(verwacht)) << verwacht.toStdString();
    // The final score: eight games each, in the last game's row.
    const QStringList regels = inhoud.split(u'\n');
    const auto laatste = std::find_if(regels.begin(), regels.end(), [](const QString& r) {
        return r.trimmed().startsWith(QStringLiteral("16 ")) && r.contains(QStringLiteral("5-11"));
    });
    ASSERT_NE(laatste, regels.end()) << inhoud.toStdString();
    EXPECT_TRUE(laatste->simplified().endsWith(QStringLiteral("0 3 8 8"))) << laatste->toStdString();
    // The filled-in sheet still fits on one page.
    EXPECT_EQ(inhoud.count(u'\f'), 1);
}

} // namespace
