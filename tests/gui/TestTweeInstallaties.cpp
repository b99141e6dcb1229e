// Matches filled in on one installation and sent by Export.ttr to a second: a fresh installation, and
// one whose calendar came from the competition's web service. The second shows the same sheet,
// showing it stores nothing, and its results file of the play date holds the same line for each match,
// byte for byte.

#include "BladTest.h"
#include "app/Bedrading.h"
#include "exchange/Uitslagen.h"
#include "lineup/FrmSpelersKiezen.h"
#include "sheet/FrmVoorbehoud.h"
#include "ui/Bureaublad.h"
#include "webimport/Opslag.h"
#include "word/Document.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

using core::algemeen;
using ui::TestMeldingen;

namespace {

// The web service as the calendar import meets it without a connection: the members of the clubs
// of the teams are not fetched.
class ZonderVerbinding : public webimport::Bron
{
public:
    bool verbinding() override { return false; }
    std::optional<QList<webimport::Club>> club(const QString&) override { return std::nullopt; }
    std::optional<QList<webimport::Club>> clubs(int) override { return std::nullopt; }
    std::optional<QList<webimport::Lid>> leden(const QString&, int) override { return std::nullopt; }
    QString fout() const override { return QString(); }
    void voortgang(int, const QString&) override {}
};

// The own club 001 on 12-09-2010: a Super men's match at home, a provincial away match whose home
// team forfeited, a home match whose visitors forfeited and a home match against a free place.
const char* const SuperMatch = "S01001";
const char* const ThuisForfait = "P01002";
const char* const UitForfait = "P01003";
const char* const Vrij = "P01004";
// With VrijUit: an away match of the own club against a free place, which the service sends without a
// home club, date or time.
const char* const VrijUit = "P01005";

class TweeInstallaties : public testhulp::BladTest
{
protected:
    void SetUp() override
    {
        BladTest::SetUp();
        // The home team's captain, who plays on no place.
        testhulp::lidToevoegen(m_db, "500009", "Speler 9", "001", 1);
        testhulp::lokaalToevoegen(m_db, 9, "Zaal Twee", "Veld 2", "2600", "Berchem", 2, 1, 1);
        testhulp::invoegen(m_db, "Datums", {{"Seizoen", "2010-2011"}, {"Datum", "12-09-2010"}, {"HerDam", "H"}, {"WeekNrP", "01"}});
        kalenderImporteren(m_map.filePath("QJ-Deel7.mdb"));

        QStringList zetten;
        for (int p = 1; p <= 4; ++p)
            zetten << QStringLiteral("THUISSP%1 = '50000%1', UITSP%1 = '50000%2'").arg(p).arg(p + 4);
        for (int g : {1, 2, 3, 5, 6, 7}) {
            const QString w = QStringLiteral("W%1").arg(g, 2, 10, QLatin1Char('0'));
            // Game 2 won by the visitors in four sets.
            zetten << (g == 2 ? w + " = '-', " + w + "Set1T = '9', " + w + "Set1U = '11', " + w + "Set2T = '11', " + w
                                    + "Set2U = '5', " + w + "Set3T = '8', " + w + "Set3U = '11', " + w + "Set4T = '10', "
                                    + w + "Set4U = '12'"
                              : w + " = '+', " + w + "Set1T = '11', " + w + "Set1U = '3', " + w + "Set2T = '11', " + w
                                    + "Set2U = '4', " + w + "Set3T = '13', " + w + "Set3U = '11'");
        }
        m_db.uitvoeren("UPDATE Matchen SET " + zetten.join(", ")
                       + ", Einduur = '22.15', KapiteinT = '500009', KapiteinU = '500005', HoofdschCompnr = '700001' "
                         "WHERE WedstrNr = 'S01001'");
        m_db.uitvoeren("UPDATE Matchen SET UITSP1 = '500001', UITSP2 = '500002', UITSP3 = '500003', UITSP4 = '500004' "
                       "WHERE WedstrNr = 'P01002'");
        m_db.uitvoeren("UPDATE Matchen SET THUISSP1 = '500001', THUISSP2 = '500002', THUISSP3 = '500003', "
                       "THUISSP4 = '500004' WHERE WedstrNr IN ('P01003', 'P01004')");
    }

    // The calendar of the two divisions as the competition's web service gives it, into a database.
    void kalenderImporteren(const QString& databank) const
    {
        core::Algemeen& a = algemeen();
        a.dbGegevens = db::Database::openen(databank);
        a.strHuidigSeizoen = "2010-2011";
        a.intAantalKaraktersCompNr = 6;
        ZonderVerbinding bron;
        webimport::Opslag opslag(bron);
        const QString datum = "2010-09-12";
        const QString uur = "19:30:00";
        opslag.APIMatchenOpslaan({{"Super Afdeling - Heren", "S01/001", "1", datum, uur, 0, "A001", "Eerste S", "A002", "Tweede S"}},
                                 101);
        const QString afdeling = "Afdeling 1A - Prov. Antw. - Heren";
        QList<webimport::Wedstrijd> provinciaal{
            {afdeling, "P01/002", "1", datum, uur, 0, "A002", "Tweede P", "A001", "Eerste P"},
            {afdeling, "P01/003", "1", datum, uur, 0, "A001", "Eerste Q", "A002", "Tweede Q"},
            {afdeling, "P01/004", "1", datum, uur, 0, "A001", "Eerste R", "", "Vrij"}};
        if (m_vrijUit)
            provinciaal.append({afdeling, "P01/005", "1", "", "", 0, "-", "Vrij", "A001", "Eerste V"});
        opslag.APIMatchenOpslaan(provinciaal, 102);
        a.dbGegevens.sluiten();
        core::algemeenHerstellen();
    }

    // Another installation, its folder for exchange files set; with the fixture's calendar from the
    // web service, or fresh.
    struct Installatie
    {
        QTemporaryDir map;
        explicit Installatie(const TweeInstallaties* kalender)
        {
            testhulp::applicatiemapVullen(map.path());
            QDir(map.path()).mkdir("wissel");
            db::Database d = db::Database::openen(map.filePath("QJ-Deel7.mdb"));
            testhulp::optieZetten(d, "Pad Opslaan", map.filePath("wissel") + "/");
            d.sluiten();
            if (kalender)
                kalender->kalenderImporteren(map.filePath("QJ-Deel7.mdb"));
        }
    };

    // The program closed and started again on another installation.
    FrmWedstrijdInput& overstappen(const QString& map)
    {
        app::venstersOpruimen();
        MDIFrm::opruimen();
        FrmWedstrijdInput::opruimen();
        core::algemeenHerstellen();
        core::zetApplicatiemap(map);
        return starten();
    }

    QString wissel() const { return algemeen().strPadOpslaan; }

    // The Export.ttr of the folder taken in by two other installations, a fresh one and one with the
    // fixture's calendar from the web service; what follows runs on each, with its folder.
    void inTweeInstallaties(const QString& exportMap,
                            const std::function<void(FrmWedstrijdInput&, const QString&)>& daarna)
    {
        Installatie vers(nullptr);
        Installatie metKalender(this);
        for (Installatie* tweede : {&vers, &metKalender}) {
            SCOPED_TRACE(tweede == &vers ? "a fresh installation"
                                         : "an installation with the calendar of the web service");
            FrmWedstrijdInput& g = overstappen(tweede->map.path());
            importeren(g, exportMap);
            daarna(g, tweede->map.path());
        }
    }

    // Export.ttr of the folder through the menu, taken in without a remark.
    void importeren(FrmWedstrijdInput& f, const QString& map)
    {
        m_meldingen->verwachtJaNee(true);
        m_meldingen->verwachtMap(map);
        m_meldingen->verwachtMelding(TestMeldingen::Soort::Waarschuwing, "Importeren", "De gegevens werden geïmporteerd");
        f.menu("MnuBeheerGegevensImport")->trigger();
    }

    // The results file of the play date; every match of the own club is in it.
    QByteArray uitslagen()
    {
        const exchange::Uitslagenverslag v = exchange::UitslagenSchrijven("A001", "12-09-2010", wissel());
        EXPECT_EQ(v.onvolledig.join(' ') + v.nietGemaakt.join(' '), "");
        QFile bestand(v.pad);
        EXPECT_TRUE(bestand.open(QIODevice::ReadOnly));
        return bestand.readAll();
    }

    // The row of the match as text, its completeness judged again; Null and one blank (which the
    // file does not tell apart) read as empty.
    static QStringList rij(const QString& wedstrNr)
    {
        exchange::IngevuldeWedstrijdenMarkeren();
        db::Recordset rs = algemeen().dbGegevens.openRecordset("SELECT * FROM Matchen WHERE WedstrNr = ?", {wedstrNr});
        QStringList waarden;
        for (int i = 0; i < rs.aantalVelden(); ++i)
            waarden << rs.veldNaam(i) + "=" + (rs.veld(i).tekst() == " " ? QString() : rs.veld(i).tekst());
        return waarden;
    }

    // The row as it arrives elsewhere: a double quote in a remark travels as an apostrophe.
    static QStringList aangekomen(QStringList rij)
    {
        for (QString& veld : rij) {
            for (const char* kolom : {"VoorbehoudT=", "Voorbehoudu=", "OpmOffScheids="}) {
                if (veld.startsWith(QLatin1String(kolom), Qt::CaseInsensitive))
                    veld.replace('"', '\'');
            }
        }
        return rij;
    }

    // The fields in which two rows differ, "field: here -> there".
    static QString verschil(const QStringList& hier, const QStringList& daar)
    {
        QStringList v;
        for (qsizetype i = 0; i < std::min(hier.size(), daar.size()); ++i) {
            if (hier[i] != daar[i])
                v << hier[i] + " -> " + daar[i].section('=', 1);
        }
        return v.join(", ");
    }

    // What the sheet shows: the kind of match, the line-ups and captains, per game the sets won, the
    // score, the forfeit boxes and the players' wins.
    static QString getoond(const core::Wedstrijdblad& b)
    {
        QStringList t{QString::number(b.OptSuper->isChecked()) + QString::number(b.OptHeren->isChecked())};
        for (int p = 0; p < 4; ++p)
            t << b.CmdCompNrT[p]->text() + "/" + b.CmdCompNrU[p]->text() + "/"
                     + QString::number(b.OptTKapitein[p]->isChecked()) + QString::number(b.OptUKapitein[p]->isChecked());
        t << QString::number(b.CmdTKapitein->isHidden()) + QString::number(b.CmdUKapitein->isHidden());
        for (int i = 0; i <= algemeen().intLaatsteWedstrijd; ++i)
            t << b.TxtSetsThuis[i]->text() + "-" + b.TxtSetsUit[i]->text();
        t << b.TxtResT->text() + "-" + b.TxtResU->text()
          << QString::number(b.ChkForfaitT->isChecked()) + QString::number(b.ChkForfaitUit->isChecked());
        for (int p = 0; p < 4; ++p)
            t << b.LabTIndOverw[p]->text() + "/" + b.LabUIndOverw[p]->text();
        return t.join(' ');
    }

    // A remark typed into its window and stored with Sluiten.
    static void voorbehoudTypen(FrmWedstrijdInput& f, QPushButton* knop, const QString& tekst)
    {
        knop->click();
        FrmVoorbehoud& v = FrmVoorbehoud::standaard();
        v.TxtCommentaar->setPlainText(tekst);
        v.CmdSluiten->click();
        ASSERT_FALSE(f.testAttribute(Qt::WA_Disabled));
    }

    // The forfeits of the two provincial matches ticked on the sheet, so that every match of the own club
    // is complete.
    void forfaitsAanvinken(FrmWedstrijdInput& f)
    {
        kiezen(f, ThuisForfait);
        f.blad.ChkForfaitT->click();
        kiezen(f, UitForfait);
        f.blad.ChkForfaitUit->click();
    }

    // The two provincial matches whose forfeits are not ticked: a line-up typed, and not complete.
    const QStringList m_zonderForfaits{"P01002: Tweede P - Eerste P", "P01003: Eerste Q - Tweede Q"};
    QStringList m_matchen{SuperMatch, ThuisForfait, UitForfait, Vrij};
    bool m_vrijUit = false;
};

TEST_F(TweeInstallaties, EveryMatchArrivesWithTheSameSheetAndTheSameResultLine)
{
    FrmWedstrijdInput& f = starten();
    const core::Wedstrijdblad& b = f.blad;
    kiezen(f, ThuisForfait);
    f.blad.ChkForfaitT->click();
    kiezen(f, UitForfait);
    f.blad.ChkForfaitUit->click();
    kiezen(f, SuperMatch);
    voorbehoudTypen(f, f.blad.CmdVoorbehoudT, "Tafel \"glad\"\nC:\\temp\\nieuw");
    voorbehoudTypen(f, f.blad.CmdVoorbehoudU, "Licht te zwak\n\nNet \\\\ te laag\n");
    voorbehoudTypen(f, f.blad.CmdVoorbehoudO, "Bal \"gebroken\" \\");

    QHash<QString, QString> blad;
    QHash<QString, QStringList> verzonden;
    for (const QString& m : m_matchen) {
        SCOPED_TRACE(m.toStdString());
        const QStringList getypt = rij(m);
        kiezen(f, Vrij == m ? SuperMatch : Vrij);
        kiezen(f, m);
        blad[m] = getoond(b);
        verzonden[m] = rij(m);
        EXPECT_EQ(verschil(getypt, verzonden[m]), "") << "showing the match stores nothing";
        EXPECT_TRUE(verzonden[m].contains("Ingeput=J")) << verzonden[m].join('|').toStdString();
    }
    ASSERT_EQ(blad[SuperMatch].left(2), "10") << "a Super match";
    exportTtrViaMenu(f);
    const QString exportMap = wissel();
    const QByteArray bestand = uitslagen();
    const QList<QByteArray> regels = bestand.split('\n');
    ASSERT_EQ(regels.size(), 5) << bestand.toStdString();
    // Four places a side, no doubles, game 4 left out; the captain who plays on no place; the remarks
    // as the results file writes them.
    EXPECT_EQ(regels[3], "I;11;SUPR-H-01-1;A1;A2;500001,500002,500003,500004;500005,500006,500007,500008;"
                         "P3/4/11,-9/5/-8/-10,3/4/11,3/4/11,3/4/11,3/4/11;500009,500005,700001,-;19:30,22:15;"
                         "\"Voorbehoud THUIS:\\nTafel 'glad'\\n\\nC:\\\\temp\\\\nieuw\\nVoorbehoud UIT:\\nLicht te zwak"
                         "\\n\\n\\n\\nNet \\\\\\\\ te laag\\n\\n\\nVoorbehoud OFFICIAL:\\nBal 'gebroken' \\\\\"\r");

    inTweeInstallaties(exportMap, [&](FrmWedstrijdInput& g, const QString&) {
        for (const QString& m : m_matchen) {
            SCOPED_TRACE(m.toStdString());
            EXPECT_EQ(verschil(aangekomen(verzonden[m]), rij(m)), "");
            kiezen(g, Vrij == m ? SuperMatch : Vrij);
            kiezen(g, m);
            EXPECT_EQ(getoond(g.blad), blad[m]);
            EXPECT_EQ(verschil(aangekomen(verzonden[m]), rij(m)), "") << "showing the match stores nothing";
        }
        EXPECT_EQ(uitslagen().toStdString(), bestand.toStdString());
        EXPECT_EQ(testhulp::matchVeld("S01001", "VoorbehoudT"), "Tafel 'glad'\r\nC:\\temp\\nieuw");
    });
}

// What the main window shows: each list with the line chosen in it, the window's title, the match on
// the sheet and whether the sheet and its menus can be used.
QString hoofdvenster(FrmWedstrijdInput& f)
{
    QStringList t;
    for (const QListWidget* lijst : {f.LstSeizoen, f.LstSpeelweek, f.LstWedstrijden}) {
        QStringList regels;
        for (int i = 0; i < lijst->count(); ++i)
            regels << lijst->item(i)->text();
        t << regels.join('|') + " [" + (lijst->currentItem() ? lijst->currentItem()->text() : QString()) + "]";
    }
    t << f.windowTitle() << f.blad.TxtTPloeg->text() + " - " + f.blad.TxtUPloeg->text()
      << QString::number(!f.blad.FraWedstrijdblad->testAttribute(Qt::WA_Disabled))
             + QString::number(f.menu("MnuWedstrijd")->isEnabled()) + QString::number(f.menu("MnuAfdrukken")->isEnabled());
    return t.join('\n');
}

// The sheet after the match of a match with only a home remark: the other installation prints the
// same, without empty remarks of the visitors or the official referee.
TEST_F(TweeInstallaties, ThePaperAfterTheMatchWithOnlyAHomeRemarkIsTheSameOnTheOtherInstallation)
{
    ui::TestBureaublad bureaublad;
    const auto sjablonen = [](const QString& map) {
        for (const char* naam : {"WedstrijdSponsors.dotx", "WedstrijdGelijnd.dotx"})
            QFile::copy(QStringLiteral(INTERCLUB_SHIPPED_DIR "/") + naam, map + "/" + naam);
    };
    // The paper through its menu item, as text.
    const auto papier = [&bureaublad](FrmWedstrijdInput& f) {
        bureaublad.geopend.clear();
        f.menu("MnuAfdrWedstrijdbladNaOff")->trigger();
        EXPECT_EQ(bureaublad.geopend.size(), 1);
        return bureaublad.geopend.isEmpty() ? QString() : word::Document::Open(bureaublad.geopend.first()).Content().Text();
    };
    sjablonen(m_map.path());

    FrmWedstrijdInput& f = starten();
    kiezen(f, SuperMatch);
    voorbehoudTypen(f, f.blad.CmdVoorbehoudT, "Tafel glad");
    const QString hier = papier(f);
    ASSERT_TRUE(hier.contains("Opm. Thuisploeg: Tafel glad") && !hier.contains("Opm. Bezoekers"))
        << hier.toStdString();
    exportTtrViaMenu(f, m_zonderForfaits);
    inTweeInstallaties(wissel(), [&](FrmWedstrijdInput& g, const QString& map) {
        sjablonen(map);
        kiezen(g, SuperMatch);
        EXPECT_EQ(papier(g).toStdString(), hier.toStdString());
    });
}

// Corrections that empty a value travel as those that change one: the officials emptied in the player
// picker, the end time emptied in its box and the last remark withdrawn empty them on the installation
// that had taken them in, which then sends the same result line.
TEST_F(TweeInstallaties, OfficialsTheEndTimeAndARemarkEmptiedAreEmptiedOnTheOtherInstallationToo)
{
    m_db.uitvoeren("UPDATE Matchen SET ZaalcommCompnr = '700002' WHERE WedstrNr = 'S01001'");
    FrmWedstrijdInput& f = starten();
    forfaitsAanvinken(f);
    kiezen(f, SuperMatch);
    voorbehoudTypen(f, f.blad.CmdVoorbehoudT, "Tafel glad");
    exportTtrViaMenu(f);
    const QString hier = m_map.path();
    const QString exportMap = wissel();
    Installatie tweede(this);
    importeren(overstappen(tweede.map.path()), exportMap);
    const QStringList ontvangen = rij(SuperMatch);
    for (const char* waarde : {"HoofdschCompnr=700001", "ZaalcommCompnr=700002", "Einduur=22.15", "VoorbehoudT=Tafel glad"})
        ASSERT_TRUE(ontvangen.contains(waarde)) << waarde;

    FrmWedstrijdInput& a = overstappen(hier);
    MDIFrm::standaard().show();
    a.show();
    QApplication::setActiveWindow(&MDIFrm::standaard());
    verwerken();
    kiezen(a, SuperMatch);
    for (QPushButton* official : {a.blad.CmdCompNrHoofdscheidsrechter, a.blad.CmdCompNrZaalcommissaris}) {
        official->click();
        FrmSpelersKiezen::standaard().CmdSpelerWissen->click();
        FrmSpelersKiezen::standaard().CmdSluiten->click();
        verwerken();
    }
    a.blad.TxtEinduur->setFocus(Qt::TabFocusReason);
    verwerken();
    a.blad.TxtEinduur->clear();
    a.LstWedstrijden->setFocus(Qt::TabFocusReason);
    verwerken();
    voorbehoudTypen(a, a.blad.CmdVoorbehoudT, "");
    ASSERT_EQ(testhulp::matchVeld(SuperMatch, "HoofdschCompnr") + testhulp::matchVeld(SuperMatch, "ZaalcommCompnr")
                  + testhulp::matchVeld(SuperMatch, "Einduur") + testhulp::matchVeld(SuperMatch, "VoorbehoudT"),
              "    ");
    exportTtrViaMenu(a);
    const QByteArray bestand = uitslagen();
    ASSERT_TRUE(bestand.contains(";500009,500005,-,-;19:30,;\"\"\r\n")) << bestand.toStdString();

    importeren(overstappen(tweede.map.path()), exportMap);
    EXPECT_EQ(uitslagen().toStdString(), bestand.toStdString());
    const QStringList daar = rij(SuperMatch);
    for (const char* waarde : {"HoofdschCompnr=", "ZaalcommCompnr=", "Einduur=", "VoorbehoudT="})
        EXPECT_TRUE(daar.contains(waarde)) << waarde;
    // The remarks that were never entered stay without a value.
    EXPECT_EQ(testhulp::matchVeld(algemeen().dbGegevens, SuperMatch, "Voorbehoudu", "<null>"), "<null>");
}

// A head referee corrected in the player picker on the club's second computer comes back with his own
// name, club and province beside his number, as the picker stored them there.
TEST_F(TweeInstallaties, AHeadRefereeCorrectedOnTheOtherInstallationComesBackWithHisOwnName)
{
    testhulp::lidToevoegen(m_db, "700001", "Scheids Een", "001", 1);
    testhulp::lidToevoegen(m_db, "700002", "Scheids Twee", "002", 1);
    const auto scheidsrechterKiezen = [this](FrmWedstrijdInput& f, const QString& nr) {
        kiezen(f, SuperMatch);
        f.blad.CmdCompNrHoofdscheidsrechter->click();
        FrmSpelersKiezen& kiezer = FrmSpelersKiezen::standaard();
        kiezer.TxtCompNr->setText(nr);
        kiezer.SpelerInvullen();
        kiezer.CmdSluiten->click();
        verwerken();
    };
    const auto scheidsrechter = [] {
        QStringList waarden;
        for (const QString& veld : rij(SuperMatch)) {
            if (veld.startsWith("Hoofdsch", Qt::CaseInsensitive))
                waarden << veld;
        }
        return waarden.join(", ");
    };
    FrmWedstrijdInput& f = starten();
    forfaitsAanvinken(f);
    scheidsrechterKiezen(f, "700001");
    ASSERT_TRUE(scheidsrechter().contains("HoofdSchNaam=Scheids Een")) << scheidsrechter().toStdString();
    exportTtrViaMenu(f);
    const QString hier = m_map.path();
    const QString exportMap = wissel();

    Installatie tweede(this);
    FrmWedstrijdInput& g = overstappen(tweede.map.path());
    importeren(g, exportMap);
    EXPECT_TRUE(scheidsrechter().contains("HoofdSchNaam=Scheids Een")) << scheidsrechter().toStdString();
    scheidsrechterKiezen(g, "700002");
    const QString daar = scheidsrechter();
    ASSERT_TRUE(daar.contains("HoofdschCompnr=700002") && daar.contains("HoofdSchNaam=Scheids Twee")) << daar.toStdString();
    exportTtrViaMenu(g);
    const QString terug = wissel();
    const QByteArray bestand = uitslagen();

    importeren(overstappen(hier), terug);
    EXPECT_EQ(scheidsrechter().toStdString(), daar.toStdString());
    EXPECT_EQ(uitslagen().toStdString(), bestand.toStdString());
}

// A Super ladies' match is coded NATL in its result line, as a national ladies' match is; the other
// installation finds it among the Super matches and sends the same line on.
TEST_F(TweeInstallaties, ASuperLadiesMatchArrivesAndIsSentOnWithTheSameResultLine)
{
    testhulp::reeksToevoegen(m_db, "2010-2011", "S", "D", "SD", "Super Afdeling - Dames", "Super D", 4);
    testhulp::Wedstrijd w = volledigeWedstrijd("S01007", "SD", 3);
    w.soortComp = "S";
    w.herDam = "D";
    w.soort = "4";
    testhulp::wedstrijdToevoegen(m_db, w);
    FrmWedstrijdInput& f = starten();
    forfaitsAanvinken(f);
    exportTtrViaMenu(f);
    const QByteArray bestand = uitslagen();
    ASSERT_TRUE(bestand.contains("\nI;11;NATL-D-01-7;A1;A2;500001,500002,500003,500004;500005,500006,500007,500008;"
                                 "P3/4/6,3/4/6,-9/-11/-5,"))
        << bestand.toStdString();
    inTweeInstallaties(wissel(), [&](FrmWedstrijdInput&, const QString&) {
        EXPECT_EQ(uitslagen().toStdString(), bestand.toStdString());
    });
}

// An installation on which the club's province was never set in the options takes the user's
// province for it at start-up; the installation that imports its Export.ttr does the same at once,
// and shows what it shows after a start.
TEST_F(TweeInstallaties, AnExportWithoutAClubProvinceLeavesTheOtherInstallationAsAStartDoes)
{
    testhulp::optieZetten(m_db, "Provincie", "1");
    testhulp::optieZetten(m_db, "ClubProv", "");
    FrmWedstrijdInput& f = starten();
    ASSERT_EQ(algemeen().strClubProv, "1");
    ASSERT_EQ(regels(f.LstSpeelweek), QStringList{"12-09-2010"});
    exportTtrViaMenu(f, m_zonderForfaits);
    const QString exportMap = wissel();

    inTweeInstallaties(exportMap, [&](FrmWedstrijdInput& g, const QString& map) {
        EXPECT_EQ(algemeen().strClubProv, "1");
        const QString na = hoofdvenster(g);
        EXPECT_EQ(regels(g.LstSpeelweek), QStringList{"12-09-2010"});
        EXPECT_FALSE(g.blad.FraWedstrijdblad->testAttribute(Qt::WA_Disabled));
        EXPECT_EQ(na.toStdString(), hoofdvenster(overstappen(map)).toStdString());
    });
}

// A bye of the own club away, with the own line-up filled in: its result line names no competition
// code, as the free place has no province. The other installation finds the match by what the line
// does carry, and shows, stores and sends on the same; the bye at home goes on travelling too.
class VrijUitTest : public TweeInstallaties
{
protected:
    VrijUitTest()
    {
        m_vrijUit = true;
        m_matchen << VrijUit;
    }

    void SetUp() override
    {
        TweeInstallaties::SetUp();
        m_db.uitvoeren("UPDATE Matchen SET UITSP1 = '500001', UITSP2 = '500002', UITSP3 = '500003', UITSP4 = '500004' "
                       "WHERE WedstrNr = 'P01005'");
    }

    // The match on the sheet, from the list of the province's away matches when it is not at home.
    void tonen(FrmWedstrijdInput& f, const QString& wedstrNr)
    {
        const bool uit = wedstrNr == VrijUit;
        if (f.ChkUitwedstrijden->isChecked() != uit)
            f.ChkUitwedstrijden->click();
        kiezen(f, wedstrNr);
    }
};

TEST_F(VrijUitTest, AByeOfTheOwnClubAwayArrivesWithItsLineUpAndTheSameResultLine)
{
    FrmWedstrijdInput& f = starten();
    kiezen(f, ThuisForfait);
    f.blad.ChkForfaitT->click();
    kiezen(f, UitForfait);
    f.blad.ChkForfaitUit->click();

    QHash<QString, QString> blad;
    QHash<QString, QStringList> verzonden;
    for (const QString& m : m_matchen) {
        SCOPED_TRACE(m.toStdString());
        tonen(f, m == SuperMatch ? Vrij : SuperMatch);
        tonen(f, m);
        blad[m] = getoond(f.blad);
        verzonden[m] = rij(m);
        EXPECT_TRUE(verzonden[m].contains("Ingeput=J")) << verzonden[m].join('|').toStdString();
    }
    ASSERT_TRUE(blad[VrijUit].contains(" /500001/00 /500002/00 /500003/00 /500004/00 ")) << blad[VrijUit].toStdString();
    exportTtrViaMenu(f);
    const QString exportMap = wissel();
    const QByteArray bestand = uitslagen();
    ASSERT_TRUE(bestand.contains("\nI;11;-H-01-5;Bye;A1;-,-,-,-;500001,500002,500003,500004;P;-,-,-,-;"))
        << bestand.toStdString();
    ASSERT_TRUE(bestand.contains("\nI;11;PANT-H-01-4;A1;Bye;500001,500002,500003,500004;-,-,-,-;P;-,-,-,-;"))
        << bestand.toStdString();

    inTweeInstallaties(exportMap, [&](FrmWedstrijdInput& g, const QString&) {
        for (const QString& m : m_matchen) {
            SCOPED_TRACE(m.toStdString());
            EXPECT_EQ(verschil(aangekomen(verzonden[m]), rij(m)), "");
            tonen(g, m == SuperMatch ? Vrij : SuperMatch);
            tonen(g, m);
            EXPECT_EQ(getoond(g.blad), blad[m]);
            EXPECT_EQ(verschil(aangekomen(verzonden[m]), rij(m)), "") << "showing the match stores nothing";
        }
        EXPECT_EQ(uitslagen().toStdString(), bestand.toStdString());
    });
}

} // namespace
