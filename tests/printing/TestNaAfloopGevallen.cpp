// The after-match sheet with the data clubs really have: names with accents and marks that documents treat
// specially, remarks on more than one line, strength lists whose index is not the order, every kind of match,
// captains stored as place numbers, forfeits, Super matches and games not played.

#include "NaAfloopTest.h"
#include "lineup/FrmSpelersKiezen.h"
#include "PdfLezen.h"
#include "Tabelinhoud.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using core::algemeen;
using testhulp::cel;
using testhulp::Wedstrijd;
using Soort = ui::TestMeldingen::Soort;

namespace {

class NaAfloopGevallen : public testhulp::NaAfloopTest
{
protected:
    // A cell as the template has it, before anything is typed.
    QString sjabloonCel(int tabel, int rij, int kolom) const
    {
        word::Document leeg = word::Document::Add(m_map.filePath(QStringLiteral("WedstrijdSponsors.dotx")));
        return cel(leeg, tabel, rij, kolom);
    }

    // The database as another program reads it, apart from the program's own connection and recordsets.
    QString opgeslagen(const QString& wedstrNr, const QString& veld) const
    {
        db::Database los = db::Database::openen(m_map.filePath(QStringLiteral("QJ-Deel7.mdb")));
        return testhulp::matchVeld(los, wedstrNr, veld, QString());
    }
};

TEST_F(NaAfloopGevallen, MarkupCharactersAccentsAndTheEuroComeBackAsTypedAndARemarkKeepsItsTwoLines)
{
    const QString ploeg = QStringLiteral("T&T \"De <Slag>\" A");
    const QString club = QStringLiteral("TTC D'Hondt & Zonen <Gent>");
    const QString speler = QStringLiteral("Émile Zoë");
    const QString regel1 = QStringLiteral("Net < 15 cm & \"te laag\", boete € 5");
    const QString regel2 = QStringLiteral("Tafel 3 in orde");
    naamZetten("500001", speler);
    Wedstrijd w = volledig("PAH01001", "A", 16);
    w.nmthuis = ploeg;
    zetten(w, {{"HoofdschClubNaam", db::Waarde(club)}, {"VoorbehoudT", db::Waarde(regel1 + "\r\n" + regel2)}});
    FrmWedstrijdInput& f = tonen(w);
    ASSERT_EQ(f.blad.TxtTPloeg->text(), ploeg);
    afdrukken(f);
    const QString docx = m_bureaublad.geopend.value(0);

    // Saved and opened again: the same texts, and the remark as two paragraphs with nothing between them.
    word::Document d = word::Document::Open(docx);
    EXPECT_EQ(cel(d, 2, 1, 1).section(u'\r', 1, 1), u'\t' + ploeg);
    EXPECT_EQ(cel(d, 2, 3, 1), "1.\t" + speler);
    EXPECT_EQ(cel(d, 4, 1, 2).section(u'\r', 0, 0), club);
    EXPECT_EQ(cel(d, 7, 1, 1), "Opmerkingen:\tOpm. Thuisploeg: " + regel1 + u'\r' + regel2 + u'\r');

    if (!testhulp::pdfMogelijk())
        GTEST_SKIP() << "LibreOffice or pdftotext is not installed";
    const QString map = m_map.filePath(QStringLiteral("pdf"));
    ASSERT_TRUE(testhulp::naarPdf({docx}, map));
    const QString tekst = testhulp::pdfLezen(docx, map).tekst;
    for (const QString& s : {ploeg, club, speler, regel1})
        EXPECT_TRUE(tekst.contains(s)) << s.toStdString() << "\n" << tekst.toStdString();
    const QStringList regels = tekst.split(u'\n');
    const qsizetype r = regels.indexOf(QRegularExpression(QStringLiteral(".*Opm\\. Thuisploeg.*")));
    ASSERT_GE(r, 0);
    EXPECT_EQ(regels.value(r + 1).trimmed(), regel2) << "the remark's second line follows its first";
}

// Strength lists whose index and ranking are not the order: each column holds what its heading says, on the
// after-match sheet and on the sheet before the match.
TEST_F(NaAfloopGevallen, EachLineUpColumnHoldsWhatItsHeadingSays)
{
    const QStringList indexen{"7", "9", "12", "15", "21", "24", "30", "33"};
    const QStringList klassen{"B2", "C0", "C4", "C6", "D0", "D2", "D4", "E0"};
    for (int i = 0; i < 8; ++i) {
        m_db.uitvoeren(QStringLiteral("UPDATE Sterktelijst SET \"Index\" = ?, Klassering = ? WHERE Computernummer = ?"),
                       {db::Waarde(indexen[i]), db::Waarde(klassen[i]), db::Waarde(QString::number(500001 + i))});
    }
    ASSERT_TRUE(QFile::copy(QStringLiteral(INTERCLUB_SHIPPED_DIR "/WedstrijdbladVoorAanvang.dotx"),
                            m_map.filePath("WedstrijdbladVoorAanvang.dotx")));
    FrmWedstrijdInput& f = tonen(volledig("PAH01001", "A", 16));
    word::Document d = afdrukken(f);
    for (int kant = 0; kant < 2; ++kant) {
        const int tabel = 2 + kant;
        for (int i = 0; i < 4; ++i) {
            const int n = kant * 4 + i;
            const QMap<QString, QString> verwacht{{"Lidnummer", QString::number(500001 + n)},
                                                  {"Volgnr.", QString::number(n + 1)},
                                                  {"Index", indexen[n]},
                                                  {"Klassement", klassen[n]}};
            for (int c = 2; c <= 5; ++c) {
                const QString kop = cel(d, tabel, 2, c);
                ASSERT_TRUE(verwacht.contains(kop)) << kop.toStdString();
                EXPECT_EQ(cel(d, tabel, i + 3, c), verwacht[kop]) << kop.toStdString() << " of place " << i + 1;
            }
        }
    }

    f.menu("MnuAfdrWedstrijdbladVoorAanvangOpenen")->trigger();
    word::Document v = word::Document::Open(m_bureaublad.geopend.last());
    for (int kant = 0; kant < 2; ++kant) {
        for (int i = 0; i < 4; ++i) {
            const int n = kant * 4 + i;
            const QMap<QString, QString> verwacht{{"Lidnummer", QString::number(500001 + n)},
                                                  {"Naam", QStringLiteral("Speler %1").arg(n + 1)},
                                                  {"Index", indexen[n]},
                                                  {"Klas.", klassen[n]}};
            for (int c = 2; c <= 5; ++c) {
                const QString kop = cel(v, 2, 3, kant * 5 + c);
                ASSERT_TRUE(verwacht.contains(kop)) << kop.toStdString();
                EXPECT_EQ(cel(v, 2, 4 + i, kant * 5 + c), verwacht[kop]) << kop.toStdString() << " of place " << i + 1;
            }
        }
    }
}

TEST_F(NaAfloopGevallen, ALadiesCupMatchIsMarkedInTheBoxBesideItsName)
{
    Wedstrijd w = volledig("PAH01001", "A", 16);
    w.soort = "6";
    FrmWedstrijdInput& f = tonen(w);
    word::Document d = afdrukken(f);
    // The boxes stand left of their names, two kinds to a box, the even kind on the second line.
    ASSERT_EQ(cel(d, 1, 1, 7).section(u'\r', 1, 1), "Beker Dames");
    EXPECT_TRUE(cel(d, 1, 1, 6).contains(u'X'));
    for (const int c : {2, 4})
        EXPECT_FALSE(cel(d, 1, 1, c).contains(u'X')) << c;

    // The sheet before the match names the kind.
    ASSERT_TRUE(QFile::copy(QStringLiteral(INTERCLUB_SHIPPED_DIR "/WedstrijdbladVoorAanvang.dotx"),
                            m_map.filePath("WedstrijdbladVoorAanvang.dotx")));
    f.menu("MnuAfdrWedstrijdbladVoorAanvangOpenen")->trigger();
    word::Document v = word::Document::Open(m_bureaublad.geopend.last());
    EXPECT_EQ(cel(v, 1, 4, 1), "Soort:");
    EXPECT_EQ(cel(v, 1, 4, 2), "Beker dames");
}

TEST_F(NaAfloopGevallen, ACaptainStoredAsAPlaceNumberOrAsZero)
{
    // The visitors' captain stored as the index of his place: the visitor on that place is printed.
    Wedstrijd w = volledig("PAH01001", "A", 16);
    zetten(w, {{"KapiteinU", db::Waarde("2")}});
    // On a forfeit no captain is needed; one stored as "0" prints no name.
    Wedstrijd ff = volledig("PAH01002", "A", 0);
    zetten(ff, {{"forfaitth", db::Waarde("J")}, {"KapiteinT", db::Waarde("0")}, {"KapiteinU", db::Waarde("0")}});
    wedstrijdToevoegen(m_db, ff);
    FrmWedstrijdInput& f = tonen(w);
    word::Document d = afdrukken(f);
    EXPECT_EQ(cel(d, 6, 3, 3), sjabloonCel(6, 3, 3) + "Speler 7");
    EXPECT_EQ(cel(d, 6, 3, 1), sjabloonCel(6, 3, 1) + "Speler 2");

    kiezen(f, "PAH01002");
    ASSERT_TRUE(f.blad.ChkForfaitT->isChecked());
    m_bureaublad.geopend.clear();
    word::Document e = afdrukken(f);
    EXPECT_EQ(cel(e, 6, 3, 1), sjabloonCel(6, 3, 1));
    EXPECT_EQ(cel(e, 6, 3, 3), sjabloonCel(6, 3, 3));
}

TEST_F(NaAfloopGevallen, LineUpsAskedForAfterAForfeitAndInASuperMatchThatPlaysItsDoubles)
{
    // The visitors forfeited: the home line-up is still checked, the visitors' is not.
    Wedstrijd w = volledig("PAH01001", "A", 0);
    zetten(w, {{"forfaituit", db::Waarde("J")}, {"THUISSP3", db::Waarde()}, {"UITSP2", db::Waarde()}});
    FrmWedstrijdInput& f = tonen(w);
    ASSERT_TRUE(f.blad.ChkForfaitUit->isChecked());
    m_meldingen->verwachtJaNee(false);
    f.menu("MnuAfdrWedstrijdbladNaOff")->trigger();
    ASSERT_EQ(m_meldingen->getoond(Soort::Vraag).size(), 1);
    EXPECT_EQ(m_meldingen->getoond(Soort::Vraag).at(0),
              (ui::TestMeldingen::Melding{Soort::Vraag, "Spelers Thuisploeg",
                                          "Niet alle spelers van de thuisploeg zijn ingevuld ! Doorgaan ?"}));
    EXPECT_TRUE(m_bureaublad.geopend.isEmpty());
    nietBezig(f);
}

// The home team forfeited: the visitors' line-up is the one asked about, before anything is made; the home
// team's empty places are not. A match of three asks as well when the visitors' doubles pair is missing.
TEST_F(NaAfloopGevallen, AfterAHomeForfeitTheVisitorsLineUpIsAskedForBeforeTheSheetIsMade)
{
    Wedstrijd vier = volledig("PAH01001", "A", 0);
    zetten(vier, {{"forfaitth", db::Waarde("J")}, {"THUISSP2", db::Waarde()}, {"UITSP3", db::Waarde()}});
    Wedstrijd drie = volledig("PAH01002", "G", 0);
    zetten(drie, {{"forfaitth", db::Waarde("J")}, {"Opmerk1", db::Waarde()}, {"Opmerk2", db::Waarde()}});
    wedstrijdToevoegen(m_db, drie);
    FrmWedstrijdInput& f = tonen(vier);
    ASSERT_TRUE(f.blad.ChkForfaitT->isChecked());
    ASSERT_FALSE(f.blad.ChkForfaitUit->isChecked());
    ASSERT_TRUE(f.blad.CmdCompNrT[1]->text().isEmpty());
    ASSERT_TRUE(f.blad.CmdCompNrU[2]->text().isEmpty());
    const ui::TestMeldingen::Melding bezoekers{Soort::Vraag, "Spelers Bezoekende Ploeg",
                                               "Niet alle spelers van de bezoekende ploeg zijn ingevuld ! Doorgaan ?"};

    // Nee: nothing is made, nothing is stored.
    m_meldingen->verwachtJaNee(false);
    f.menu("MnuAfdrWedstrijdbladNaOff")->trigger();
    EXPECT_EQ(m_meldingen->getoond(), QList<ui::TestMeldingen::Melding>{bezoekers});
    EXPECT_TRUE(m_bureaublad.geopend.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(opgeslagenPad("PAH01001")));
    nietBezig(f);

    // Ja: the sheet is made with the forfeit's mark, without a further question.
    m_meldingen->verwachtJaNee(true);
    word::Document d = afdrukken(f);
    EXPECT_EQ(m_meldingen->getoond(), (QList<ui::TestMeldingen::Melding>{bezoekers, bezoekers}));
    EXPECT_EQ(cel(d, 5, 18, 9), "FF");

    // Teams of three, every place filled but no doubles pair on either side: only the visitors' is asked for.
    kiezen(f, "PAH01002");
    ASSERT_TRUE(f.blad.ChkForfaitT->isChecked());
    ASSERT_TRUE(f.blad.LabUNaamSpeler[4]->text().isEmpty());
    m_meldingen->wis();
    m_bureaublad.geopend.clear();
    m_meldingen->verwachtJaNee(false);
    f.menu("MnuAfdrWedstrijdbladNaOff")->trigger();
    EXPECT_EQ(m_meldingen->getoond(), QList<ui::TestMeldingen::Melding>{bezoekers});
    EXPECT_TRUE(m_bureaublad.geopend.isEmpty());
    nietBezig(f);
}

// A doubles pair stored as a single blank is no pair: its row shows the template's label and the tab, no
// " + " and no names; the doubles point is still given from the doubles game.
TEST_F(NaAfloopGevallen, ADoublesPairStoredAsOneBlankPrintsNothingInTheDoublesRow)
{
    // Teams of three: the home pair a blank, the visitors' chosen. The doubles game (the seventh) won 3-1 at home.
    Wedstrijd drie = volledig("PAH01002", "G", 10);
    zetten(drie, {{"Opmerk1", db::Waarde(" ")}, {"Opmerk2", db::Waarde("500005500006")}});
    // A Super match that plays its doubles: both pairs a blank. Its doubles game (the fourth) won 3-0 away.
    testhulp::optieZetten(m_db, "SuperDubbelSpelen", "J");
    Wedstrijd twee = volledig("PAD01003", "K", 7);
    twee.herDam = "D";
    twee.soort = "4";
    zetten(twee, {{"Opmerk1", db::Waarde(" ")}, {"Opmerk2", db::Waarde(" ")}});
    wedstrijdToevoegen(m_db, twee);

    FrmWedstrijdInput& f = tonen(drie);
    ASSERT_EQ(algemeen().intLaatsteWedstrijd, 9);
    ASSERT_TRUE(f.blad.LabTNaamSpeler[4]->text().trimmed().isEmpty());
    m_meldingen->verwachtJaNee(true); // the home pair is missing
    word::Document d = afdrukken(f);
    EXPECT_EQ(m_meldingen->getoond(Soort::Vraag).value(0).titel, "Spelers Thuisploeg");
    EXPECT_EQ(cel(d, 2, 7, 1), "Dubbel:\t");
    EXPECT_EQ(cel(d, 2, 7, 6), "1");
    EXPECT_EQ(cel(d, 3, 7, 1), "Dubbel:\t1 + 2");
    EXPECT_EQ(cel(d, 3, 7, 6), "0");

    kiezen(f, "PAD01003");
    ASSERT_EQ(algemeen().intLaatsteWedstrijd, 6);
    m_bureaublad.geopend.clear();
    m_meldingen->wis();
    m_meldingen->verwachtJaNee(true);
    m_meldingen->verwachtJaNee(true);
    word::Document s = afdrukken(f);
    EXPECT_EQ(m_meldingen->getoond(Soort::Vraag).size(), 2);
    for (const int tabel : {2, 3})
        EXPECT_EQ(cel(s, tabel, 7, 1), "Dubbel:\t") << tabel;
    EXPECT_EQ(cel(s, 2, 7, 6), "0");
    EXPECT_EQ(cel(s, 3, 7, 6), "1");
}

// The captain on place 2 and the pair of places 1 and 2 in a team of three; place 2 gets another member in the
// picker. The paper marks no place as the captain's and names the stored captain in the captains' table; the
// pair is asked for and its row prints no half pair.
TEST_F(NaAfloopGevallen, APlaceGivenAnotherMemberTakesTheCaptainsMarkAndTheDoublesPairWithIt)
{
    testhulp::lidToevoegen(m_db, "500011", "Speler 11", "001", 1);
    testhulp::sterktelijstToevoegen(m_db, "2010-2011", 1, "001", "Heren", 11, "500011", "Speler 11", "2", "C2");
    Wedstrijd w = volledig("PAH01002", "G", 10);
    w.nmthuis = "Eerste A";
    zetten(w, {{"Opmerk1", db::Waarde("500001500002")}, {"Opmerk2", db::Waarde("500005500006")}});
    FrmWedstrijdInput& f = tonen(w);
    ASSERT_TRUE(f.blad.OptTKapitein[1]->isChecked());

    f.blad.CmdCompNrT[1]->click();
    FrmSpelersKiezen& kiezer = FrmSpelersKiezen::standaard();
    kiezer.TxtCompNr->setText("500011");
    kiezer.SpelerInvullen();
    kiezer.CmdSluiten->click();
    ASSERT_FALSE(kiezer.isVisible());
    ASSERT_EQ(f.blad.CmdCompNrT[1]->text(), "500011");

    m_meldingen->verwachtJaNee(true);
    word::Document d = afdrukken(f);
    EXPECT_EQ(m_meldingen->getoond(Soort::Vraag),
              (QList<ui::TestMeldingen::Melding>{{Soort::Vraag, "Spelers Thuisploeg",
                                                  "Niet alle spelers van de thuisploeg zijn ingevuld ! Doorgaan ?"}}));
    for (int r = 3; r <= 5; ++r)
        EXPECT_EQ(cel(d, 2, r, 7), "") << r;
    EXPECT_EQ(cel(d, 2, 4, 1), "2.\tSpeler 11");
    EXPECT_EQ(cel(d, 6, 3, 1), sjabloonCel(6, 3, 1) + "Speler 2");
    EXPECT_EQ(cel(d, 2, 7, 1), "Dubbel:\t");
    EXPECT_EQ(cel(d, 3, 7, 1), "Dubbel:\t1 + 2");
    EXPECT_EQ(cel(d, 3, 4, 7), "X") << "the visitors' captain, whose place was not touched";
}

// A Super match of seven games needs its doubles pairs only when the option says the doubles are played.
TEST_F(NaAfloopGevallen, ASuperMatchThatPlaysItsDoublesAsksForTheMissingPair)
{
    testhulp::optieZetten(m_db, "SuperDubbelSpelen", "j");
    Wedstrijd w = volledig("PAD01003", "K", 7);
    w.herDam = "D";
    w.soort = "4";
    zetten(w, {{"Opmerk1", db::Waarde()}, {"Opmerk2", db::Waarde("500005500006")}});
    FrmWedstrijdInput& f = tonen(w);
    ASSERT_EQ(algemeen().intLaatsteWedstrijd, 6);
    ASSERT_TRUE(f.blad.LabTNaamSpeler[4]->text().isEmpty());
    ASSERT_FALSE(f.blad.LabUNaamSpeler[4]->text().isEmpty());
    m_meldingen->verwachtJaNee(false);
    f.menu("MnuAfdrWedstrijdbladNaOff")->trigger();
    ASSERT_EQ(m_meldingen->getoond(Soort::Vraag).size(), 1);
    EXPECT_EQ(m_meldingen->getoond(Soort::Vraag).at(0).titel, "Spelers Thuisploeg");
    EXPECT_TRUE(m_bureaublad.geopend.isEmpty());
    nietBezig(f);

    // Without the doubles nothing is asked.
    algemeen().rsOpties.setIndex("Soort");
    algemeen().rsOpties.seek("=", {QStringLiteral("SuperDubbelSpelen")});
    algemeen().rsOpties.edit();
    algemeen().rsOpties.zet("Item", db::Waarde("N"));
    algemeen().rsOpties.update();
    afdrukken(f);
    EXPECT_EQ(m_meldingen->getoond(Soort::Vraag).size(), 1);
}

// A Super match without doubles: its team of two fills three places before the sheet after the match is made,
// on either side; an empty fourth place is not asked for.
TEST_F(NaAfloopGevallen, ASuperTeamOfTwoWithoutDoublesIsAskedForItsEmptyThirdPlace)
{
    testhulp::optieZetten(m_db, "SuperDubbelSpelen", "N");
    Wedstrijd w = volledig("PAD01003", "K", 7);
    w.herDam = "D";
    w.soort = "4";
    zetten(w, {{"THUISSP4", db::Waarde()}, {"UITSP4", db::Waarde()}, {"Opmerk1", db::Waarde()}, {"Opmerk2", db::Waarde()}});
    // The same match with its third places filled.
    Wedstrijd drie = w;
    drie.wedstrNr = "PAD01004";
    wedstrijdToevoegen(m_db, drie);
    zetten(w, {{"THUISSP3", db::Waarde()}, {"UITSP3", db::Waarde()}});
    FrmWedstrijdInput& f = tonen(w);
    ASSERT_EQ(algemeen().intLaatsteWedstrijd, 6);
    ASSERT_TRUE(f.blad.CmdCompNrT[2]->text().isEmpty());
    ASSERT_FALSE(f.blad.CmdCompNrT[1]->text().isEmpty());
    const ui::TestMeldingen::Melding thuis{Soort::Vraag, "Spelers Thuisploeg",
                                           "Niet alle spelers van de thuisploeg zijn ingevuld ! Doorgaan ?"};
    const ui::TestMeldingen::Melding bezoekers{Soort::Vraag, "Spelers Bezoekende Ploeg",
                                               "Niet alle spelers van de bezoekende ploeg zijn ingevuld ! Doorgaan ?"};
    m_meldingen->verwachtJaNee(true);
    m_meldingen->verwachtJaNee(false);
    f.menu("MnuAfdrWedstrijdbladNaOff")->trigger();
    EXPECT_EQ(m_meldingen->getoond(), (QList<ui::TestMeldingen::Melding>{thuis, bezoekers}));
    EXPECT_TRUE(m_bureaublad.geopend.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(opgeslagenPad("PAD01003")));
    nietBezig(f);

    // The third places filled, the fourth still empty: the sheet is made without a question.
    m_meldingen->wis();
    kiezen(f, "PAD01004");
    ASSERT_FALSE(f.blad.CmdCompNrT[2]->text().isEmpty());
    ASSERT_TRUE(f.blad.CmdCompNrT[3]->text().isEmpty());
    afdrukken(f);
    EXPECT_TRUE(m_meldingen->getoond().isEmpty());
}

TEST_F(NaAfloopGevallen, AVenueWithOnlyItsTownPasses)
{
    FrmWedstrijdInput& f = tonen(volledig("PAH01001", "A", 16));
    {
        core::EventsUit uit;
        f.blad.LstNaamLokaal->setCurrentIndex(-1);
        f.blad.LstNaamLokaal->setEditText(QString());
        f.blad.TxtStraat->setText(QString());
    }
    ASSERT_TRUE(f.blad.LstNaamLokaal->currentText().isEmpty());
    ASSERT_FALSE(f.blad.TxtPlaats->text().isEmpty());
    word::Document d = afdrukken(f);
    EXPECT_EQ(d.Content().Paragraphs(3).Text(), "Gemeente:\t" + f.blad.TxtPlaats->text());
}

// The club's venues as their secretaries typed them, some without a street or a town: chosen on
// the sheet, each stops the sheet with what is missing, and the window stays usable to choose
// another one.
TEST_F(NaAfloopGevallen, AVenueWithoutItsStreetOrTownIsAskedFor)
{
    testhulp::lokaalToevoegen(m_db, 9, "Parochiezaal Sint-Jan", "", "2018", "Antwerpen", 1, 1, 3);
    testhulp::lokaalToevoegen(m_db, 10, "Cafetaria Den Hoek", "Lange Lozanastraat 12", "", "", 1, 1, 4);
    testhulp::lokaalToevoegen(m_db, 11, "Turnzaal Atheneum", "", "", "", 1, 1, 5);
    FrmWedstrijdInput& f = tonen(volledig("PAH01001", "A", 16));
    const core::Wedstrijdblad& b = f.blad;
    ASSERT_EQ(b.LstNaamLokaal->count(), 5);
    const struct
    {
        int zaal;
        QString straat, plaats, tekst;
    } gevallen[] = {
        {9, "", "2018 Antwerpen", "U dient de straat van het lokaal nog in te vullen !"},
        {10, "Lange Lozanastraat 12", "", "U dient de gemeente van het lokaal nog in te vullen !"},
        {11, "", "", "U dient de straat en gemeente van het lokaal nog in te vullen !"},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.zaal);
        b.LstNaamLokaal->setCurrentIndex(b.LstNaamLokaal->findData(g.zaal));
        ASSERT_EQ(testhulp::matchVeld("Zaal"), QString::number(g.zaal));
        ASSERT_EQ(b.TxtStraat->text(), g.straat);
        ASSERT_EQ(b.TxtPlaats->text(), g.plaats);
        m_meldingen->verwachtMelding(Soort::Kritiek, "Lokaal", g.tekst);
        f.menu("MnuAfdrWedstrijdbladNaOff")->trigger();
        EXPECT_EQ(m_meldingen->getoond().size(), 1);
        m_meldingen->wis();
        EXPECT_TRUE(m_bureaublad.geopend.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(opgeslagenPad("PAH01001")));
        nietBezig(f);
    }

    // With the whole address the sheet is made.
    b.LstNaamLokaal->setCurrentIndex(b.LstNaamLokaal->findData(7));
    word::Document d = afdrukken(f);
    EXPECT_TRUE(m_meldingen->getoond().isEmpty());
    EXPECT_EQ(d.Content().Paragraphs(3).Text(), "Gemeente:\t" + b.TxtPlaats->text());
}

TEST_F(NaAfloopGevallen, ADoublesGameNotPlayedGivesNoPointToEitherSide)
{
    Wedstrijd w = volledig("PAH01002", "G", 10);
    w.extra.erase(std::remove_if(w.extra.begin(), w.extra.end(),
                                 [](const auto& v) { return v.first.startsWith(QStringLiteral("W07Set")); }),
                  w.extra.end());
    zetten(w, {{"Opmerk1", db::Waarde("500001500002")}, {"Opmerk2", db::Waarde("500005500006")}});
    FrmWedstrijdInput& f = tonen(w);
    ASSERT_EQ(f.blad.LabThuisspeler[6]->text(), "Dubb.");
    m_meldingen->verwachtJaNee(true); // the game without a result
    word::Document d = afdrukken(f);
    EXPECT_EQ(cel(d, 2, 7, 1), "Dubbel:\t1 + 2");
    EXPECT_EQ(cel(d, 2, 7, 6), "");
    EXPECT_EQ(cel(d, 3, 7, 6), "");
}

// The doubles row names a partner by the place that holds his member number, however the members' table and
// the strength list spell his name: in other case, accented ones included, or with other letters.
TEST_F(NaAfloopGevallen, ADoublesPartnerWhoseNameDiffersOnlyInCaseIsNamedByHisPlace)
{
    m_db.uitvoeren(QStringLiteral("UPDATE Sterktelijst SET Naam = ? WHERE Computernummer = ?"),
                   {db::Waarde("Van Damme Émile"), db::Waarde("500001")});
    m_db.uitvoeren(QStringLiteral("UPDATE Leden SET Naam = ? WHERE CompNr = ?"),
                   {db::Waarde("VAN DAMME éMILE"), db::Waarde("500001")});
    m_db.uitvoeren(QStringLiteral("UPDATE Sterktelijst SET Naam = ? WHERE Computernummer = ?"),
                   {db::Waarde("Peeters Zoë"), db::Waarde("500005")});
    m_db.uitvoeren(QStringLiteral("UPDATE Leden SET Naam = ? WHERE CompNr = ?"),
                   {db::Waarde("Peeters Zoe"), db::Waarde("500005")});
    Wedstrijd w = volledig("PAH01002", "G", 10);
    zetten(w, {{"Opmerk1", db::Waarde("500003500001")}, {"Opmerk2", db::Waarde("500005500006")}});
    FrmWedstrijdInput& f = tonen(w);
    ASSERT_EQ(f.blad.LabTNaamSpeler[0]->text(), "Van Damme Émile");
    word::Document d = afdrukken(f);
    EXPECT_EQ(cel(d, 2, 7, 1), "Dubbel:\t3 + 1");
    EXPECT_EQ(cel(d, 3, 7, 1), "Dubbel:\t1 + 2");
}

// Two members of one name in a team of three, father and son: the doubles row names each partner by the
// place of his member number, as the results file does, not by the first place that shows his name.
TEST_F(NaAfloopGevallen, TwoMembersOfOneNameInTheDoublesAreNamedByTheirOwnPlaces)
{
    naamZetten("500001", "Claes Marc");
    naamZetten("500002", "Claes Marc");
    naamZetten("500005", "Wouters Tom");
    naamZetten("500006", "Wouters Tom");
    Wedstrijd w = volledig("PAH01002", "G", 10);
    zetten(w, {{"Opmerk1", db::Waarde("500002500003")}, {"Opmerk2", db::Waarde("500006500005")}});
    FrmWedstrijdInput& f = tonen(w);
    ASSERT_EQ(f.blad.LabTNaamSpeler[0]->text(), f.blad.LabTNaamSpeler[1]->text());
    ASSERT_EQ(f.blad.LabUNaamSpeler[0]->text(), f.blad.LabUNaamSpeler[1]->text());
    word::Document d = afdrukken(f);
    EXPECT_EQ(cel(d, 2, 7, 1), "Dubbel:\t2 + 3");
    EXPECT_EQ(cel(d, 3, 7, 1), "Dubbel:\t2 + 1");
}

// Only "BYE " with its blank marks a bye: a team named just "BYE" gets its game rows like any other. A walk-over
// row counts as played whatever its set counts show.
TEST_F(NaAfloopGevallen, ATeamNamedByeWithoutABlankAndAWalkOverRow)
{
    FrmWedstrijdInput& f = tonen(volledig("PAH01001", "A", 16));
    f.blad.TxtUPloeg->setText("BYE");
    {
        core::EventsUit uit;
        f.blad.TxtSet1T[3]->setText("w");
        f.blad.TxtSet1U[3]->setText("o");
        f.blad.TxtSetsThuis[3]->setText(QString());
        f.blad.TxtSetsUit[3]->setText(QString());
    }
    word::Document d = afdrukken(f);
    EXPECT_TRUE(m_meldingen->getoond(Soort::Vraag).isEmpty()) << "no question about missing results";
    EXPECT_EQ(cel(d, 5, 18, 10), f.blad.TxtSetsUit[14]->text()) << "no mark";
    EXPECT_EQ(cel(d, 5, 4, 4), "11-5");
    EXPECT_EQ(cel(d, 5, 7, 4), "w-o");
}

TEST_F(NaAfloopGevallen, TheEndTimeAcceptedAtPrintingIsStored)
{
    Wedstrijd w = volledig("PAH01001", "A", 16);
    zetten(w, {{"Einduur", db::Waarde(" ")}});
    FrmWedstrijdInput& f = tonen(w);
    m_klok.zet(QDateTime(QDate(2010, 9, 12), QTime(22, 41, 5)));
    m_meldingen->verwachtJaNee(true);
    afdrukken(f);
    EXPECT_EQ(opgeslagen("PAH01001", "Einduur"), "22.41");

    // A time typed on the sheet is stored as it stands, without a question.
    m_bureaublad.geopend.clear();
    {
        core::EventsUit uit;
        f.blad.TxtEinduur->setText("23.05");
    }
    afdrukken(f);
    EXPECT_EQ(opgeslagen("PAH01001", "Einduur"), "23.05");
    EXPECT_EQ(m_meldingen->getoond(Soort::Vraag).size(), 1);
}

TEST_F(NaAfloopGevallen, AMatchNumberWithASlashIsSavedWithADash)
{
    FrmWedstrijdInput& f = tonen(volledig("PAH01/004", "A", 16));
    afdrukken(f);
    EXPECT_EQ(m_bureaublad.geopend, QStringList{opgeslagenPad("PAH01-004")});
    EXPECT_TRUE(QFileInfo::exists(opgeslagenPad("PAH01-004")));
}

} // namespace
