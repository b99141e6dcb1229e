// The documents when saving them fails: on a full disk, and at every step of writing planted one at a
// time. The older document of the same name stays byte for byte, a critical message names the file and the
// cause, and nothing is opened or printed.

#include "KleineSchijf.h"
#include "NaAfloopTest.h"
#include "Storingen.h"

#include <QAction>
#include <QDir>

using ui::TestMeldingen;

namespace {

// A document made through a menu item: the file it is saved as, the title and first line of its messages.
struct Soort
{
    const char* menu;
    const char* bestand;
    const char* titel;
    const char* kop;
};

const Soort Documenten[] = {
    {"MnuAfdrWedstrijdbladNaOff", "Wedstrijdblad", "Wedstrijdblad", "Het wedstrijdblad kan niet gemaakt worden."},
    {"MnuAfdrWedstrijdbladVoorAanvangOpenen", "Wedstrijdblad voor aanvang", "Wedstrijdblad voor aanvang",
     "Het document kan niet gemaakt worden."},
    {"MnuAfdrScheidsblaadjesApart2blzOpenen", "Scheidsrechtersblaadjes", "Scheidsrechtersblaadjes",
     "Het document kan niet gemaakt worden."},
    {"MnuAfdrScheidsblaadjesApart2blzTeKnippenOpenen", "Scheidsrechtersblaadjes te knippen", "Scheidsrechtersblaadjes",
     "Het document kan niet gemaakt worden."},
};

class Schrijffouten : public testhulp::VoorAanvangTest
{
protected:
    QString pad(const Soort& s) const
    {
        return m_map.filePath("wissel") + u'/' + QString::fromUtf8(s.bestand) + QStringLiteral(" PAH01001.docx");
    }

    static QByteArray vorige(const Soort& s) { return QByteArray("vorig document: ") + s.bestand; }

    void oudeDocumenten()
    {
        for (const Soort& s : Documenten) {
            QFile f(pad(s));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(vorige(s));
        }
    }

    QStringList inDeMap() const
    {
        QStringList namen = QDir(m_map.filePath("wissel")).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        namen.removeAll("vulling");
        return namen;
    }

    QStringList alleDocumenten() const
    {
        QStringList namen;
        for (const Soort& s : Documenten)
            namen << QFileInfo(pad(s)).fileName();
        namen.sort();
        return namen;
    }

    // Each document made once, each expected to fail with the cause given; nothing is opened or printed.
    void alleMislukken(FrmWedstrijdInput& f, const QString& oorzaak, const std::string& geval)
    {
        for (const Soort& s : Documenten) {
            m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, s.titel,
                                         QString::fromUtf8(s.kop) + "\nHet bestand \"" + pad(s)
                                             + "\" kon niet opgeslagen worden:\n" + oorzaak
                                             + ".\nHet vorige bestand met die naam bleef ongewijzigd.");
            f.menu(s.menu)->trigger();
            EXPECT_EQ(testhulp::bestandInhoud(pad(s)), vorige(s)) << s.bestand << ", " << geval;
            nietBezig(f);
        }
        EXPECT_TRUE(m_bureaublad.geopend.isEmpty()) << geval;
        EXPECT_TRUE(m_bureaublad.afgedrukt.isEmpty()) << geval;
        EXPECT_EQ(inDeMap(), alleDocumenten()) << geval;
        EXPECT_TRUE(m_meldingen->inOrde()) << m_meldingen->verslag().toStdString() << geval;
    }
};

TEST_F(Schrijffouten, OnAFullDiskEveryDocumentKeepsTheOlderOne)
{
    testhulp::KleineSchijf schijf(m_map.filePath("wissel"));
    if (!schijf.reden().isEmpty())
        GTEST_SKIP() << schijf.reden().toStdString();
    oudeDocumenten();
    schijf.vullen();
    FrmWedstrijdInput& f = tonen(volledig("PAH01001", "A", 16));

    m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, "Wedstrijdblad",
                                 "Het wedstrijdblad kan niet gemaakt worden.\nHet bestand \"" + pad(Documenten[0])
                                     + "\" kon niet opgeslagen worden:\nOnvoldoende schijfruimte.\nHet vorige bestand "
                                       "met die naam bleef ongewijzigd.");
    f.menu("MnuAfdrWedstrijdbladNaOff")->trigger();
    EXPECT_EQ(testhulp::bestandInhoud(pad(Documenten[0])), "vorig document: Wedstrijdblad");
    EXPECT_TRUE(m_bureaublad.geopend.isEmpty());
    alleMislukken(f, "Onvoldoende schijfruimte", "full disk");

    // With room again every document is saved whole, replaces the older one and is opened.
    schijf.legen();
    for (const Soort& s : Documenten)
        f.menu(s.menu)->trigger();
    ASSERT_EQ(m_bureaublad.geopend.size(), 4);
    for (const QString& geopend : m_bureaublad.geopend)
        EXPECT_GE(word::Document::Open(geopend).TablesCount(), 1) << geopend.toStdString();
    EXPECT_EQ(inDeMap(), alleDocumenten());
}

TEST_F(Schrijffouten, EveryStepOfWritingThatFailsKeepsTheOlderDocuments)
{
    oudeDocumenten();
    FrmWedstrijdInput& f = tonen(volledig("PAH01001", "A", 16));
    for (const testhulp::Storingsgeval& g : testhulp::Storingsgevallen) {
        SCOPED_TRACE(g.naam);
        const bestand::GeplandeStoring storing(g.storing);
        alleMislukken(f, g.oorzaak, g.naam);
    }

    // Printing the slips to cut and then the sheet: neither is saved, so neither is printed.
    const bestand::GeplandeStoring storing({bestand::Stap::Synchroniseren, EIO});
    for (const Soort& s : {Documenten[3], Documenten[1]})
        m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, s.titel,
                                     QString::fromUtf8(s.kop) + "\nHet bestand \"" + pad(s)
                                         + "\" kon niet opgeslagen worden:\nDe schijf meldt een fout bij het schrijven."
                                           "\nHet vorige bestand met die naam bleef ongewijzigd.");
    f.menu("MnuAfdrScheidsrechtersblaadjes1")->trigger();
    EXPECT_TRUE(m_bureaublad.afgedrukt.isEmpty());
    EXPECT_EQ(testhulp::bestandInhoud(pad(Documenten[3])), vorige(Documenten[3]));
    EXPECT_EQ(testhulp::bestandInhoud(pad(Documenten[1])), vorige(Documenten[1]));
    nietBezig(f);
}

} // namespace
