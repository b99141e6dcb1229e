// Values on their way in and out: the form a field stores, seek keys, SQL parameters, and case.

#include "QtAfdruk.h"
#include "db/Database.h"
#include "db/Hoofdletters.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace db;

namespace {

class WaardenTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_map.isValid());
        m_db = Database::maken(m_map.filePath("waarden.mdb"));
        m_db.tabelMaken({"Wedstrijden",
                         {{"Nr", TypeWoord::Tekst},
                          {"DatumTekst", TypeWoord::Tekst},
                          {"Gespeeld", TypeWoord::Datum},
                          {"Zaal", TypeWoord::Long}},
                         {{"Nr", {{"Nr"}}}, {"DatumTekst", {{"DatumTekst"}}}, {"Gespeeld", {{"Gespeeld"}}}}});
        Recordset rs = m_db.openTabel("Wedstrijden");
        rs.addNew();
        rs["Nr"] = 12345.0;
        rs["DatumTekst"] = QDate(2010, 9, 18);
        rs["Gespeeld"] = QDate(2010, 9, 18);
        rs["Zaal"] = "7";
        rs.update();
    }

    QTemporaryDir m_map;
    Database m_db;
};

TEST_F(WaardenTest, SeekKeysAreComparedInTheFormTheFieldStores)
{
    Recordset rs = m_db.openTabel("Wedstrijden");
    EXPECT_EQ(rs.veld("Nr"), Waarde("12345"));
    EXPECT_EQ(rs.veld("DatumTekst"), Waarde("18-09-2010"));
    rs.setIndex("Nr");
    rs.seek("=", {12345.0});
    EXPECT_FALSE(rs.noMatch()) << "a whole number held as a double";
    rs.seek("=", {12345});
    EXPECT_FALSE(rs.noMatch());
    rs.setIndex("DatumTekst");
    rs.seek("=", {QDate(2010, 9, 18)});
    EXPECT_FALSE(rs.noMatch()) << "a date against a text field holding a date";
    rs.setIndex("Gespeeld");
    rs.seek("=", {QDate(2010, 9, 18)});
    EXPECT_FALSE(rs.noMatch());
    rs.seek("=", {"18-09-2010"});
    EXPECT_FALSE(rs.noMatch()) << "a date text against a date field";
    rs.seek("=", {"geen datum"});
    EXPECT_TRUE(rs.noMatch());
}

TEST_F(WaardenTest, ParametersBindInTheStoredForms)
{
    EXPECT_EQ(m_db.openRecordset("SELECT COUNT(*) FROM Wedstrijden WHERE Nr = ?", {12345.0}).veld(0).geheel(), 1);
    EXPECT_EQ(m_db.openRecordset("SELECT COUNT(*) FROM Wedstrijden WHERE Gespeeld = ?", {QDate(2010, 9, 18)})
                  .veld(0)
                  .geheel(),
              1);
    EXPECT_EQ(m_db.openRecordset("SELECT COUNT(*) FROM Wedstrijden WHERE Zaal = ?", {7.0}).veld(0).geheel(), 1);
    EXPECT_EQ(m_db.uitvoeren("UPDATE Wedstrijden SET Nr = ? WHERE Nr = '12345'", {678.0}), 1);
    EXPECT_EQ(m_db.openRecordset("SELECT Nr FROM Wedstrijden").veld(0), Waarde("678"));
    m_db.uitvoeren("UPDATE Wedstrijden SET Nr = ?", {2.5});
    EXPECT_EQ(m_db.openRecordset("SELECT Nr FROM Wedstrijden").veld(0), Waarde("2.5"));
}

TEST_F(WaardenTest, NullEmptyAndBlankStayApart)
{
    EXPECT_NE(Waarde::null(), Waarde(""));
    EXPECT_NE(Waarde(""), Waarde(" "));
    EXPECT_NE(Waarde::null(), Waarde());
    EXPECT_EQ(Waarde::null(), Waarde::null());
    EXPECT_NE(Waarde("a"), Waarde("A")) << "values compare exactly";
    Recordset rs = m_db.openTabel("Wedstrijden");
    for (const Waarde& w : {Waarde::null(), Waarde(""), Waarde(" ")}) {
        rs.addNew();
        rs["Nr"] = w;
        rs.update();
    }
    Recordset terug = m_db.openRecordset("SELECT Nr FROM Wedstrijden WHERE Nr IS NULL OR Nr <= ' ' ORDER BY Nr");
    QList<Waarde> gelezen;
    for (; !terug.eof(); terug.moveNext())
        gelezen << terug.veld(0);
    EXPECT_EQ(gelezen, QList<Waarde>({Waarde::null(), Waarde(""), Waarde(" ")}));
    rs.setIndex("Nr");
    rs.seek("=", {""});
    ASSERT_FALSE(rs.noMatch());
    EXPECT_EQ(rs.veld("Nr"), Waarde(""));
    rs.seek("=", {Waarde::null()});
    ASSERT_FALSE(rs.noMatch());
    EXPECT_TRUE(rs.veld("Nr").isNull());
}

TEST_F(WaardenTest, TextsAreStoredAsTheyAreWhateverTheirLengthAndLetters)
{
    // Texts of every kind in one row, together more than a block of the buffer they are bound
    // from, through a table recordset (by field number) and through parameters.
    const QStringList teksten{"Noël D'Hondt €", "😀 Zoë 😀", QString(3000, u'x'), QString(3000, u'é'),
                              QString(7000, u'€'), "", QString(20000, u'y') + "ü", QString::fromUtf16(u"a\0b", 3)};
    m_db.tabelMaken({"Teksten", {{"A", TypeWoord::Tekst}, {"B", TypeWoord::Memo}, {"C", TypeWoord::Tekst},
                                 {"D", TypeWoord::Memo}, {"E", TypeWoord::Memo}, {"F", TypeWoord::Tekst},
                                 {"G", TypeWoord::Memo}, {"H", TypeWoord::Tekst}}, {}});
    Recordset rs = m_db.openTabel("Teksten");
    for (int rij = 0; rij < 2; ++rij) {
        rs.addNew();
        for (int i = 0; i < teksten.size(); ++i)
            rs.zet(rs.veldNummer(QString(QChar(u'A' + i))), teksten[(i + rij) % teksten.size()]);
        rs.update();
    }
    QList<Waarde> parameters;
    for (const QString& t : teksten)
        parameters << t;
    for (int keer = 0; keer < 2; ++keer)
        m_db.uitvoeren("INSERT INTO Teksten (A, B, C, D, E, F, G, H) VALUES (?, ?, ?, ?, ?, ?, ?, ?)", parameters);

    Recordset sql = m_db.openRecordset("SELECT * FROM Teksten ORDER BY rowid");
    Recordset tabel = m_db.openTabel("Teksten");
    for (int rij = 0; rij < 4; ++rij, sql.moveNext(), tabel.moveNext()) {
        const int schuif = rij == 1 ? 1 : 0;
        for (int i = 0; i < teksten.size(); ++i) {
            const Waarde verwacht(teksten[(i + schuif) % teksten.size()]);
            EXPECT_EQ(sql.veld(i), verwacht) << rij << " " << i;
            EXPECT_EQ(tabel.veld(i), verwacht) << rij << " " << i;
        }
    }
    EXPECT_EQ(m_db.openRecordset("SELECT length(A), length(E) FROM Teksten WHERE rowid = 3").veld(1).geheel(), 7000)
        << "stored as characters, not as the bytes of another encoding";
    EXPECT_EQ(m_db.openRecordset("SELECT COUNT(*) FROM Teksten WHERE A = ?", {"Noël D'Hondt €"}).veld(0).geheel(), 3);
}

TEST_F(WaardenTest, AStatementWithParametersRunsAgainWithOtherValuesAndAfterTheTableChanged)
{
    const QString invoegen = "INSERT INTO Getallen (Naam, Getal) VALUES (?, ?)";
    m_db.uitvoeren("CREATE TABLE Getallen (Naam TEXT, Getal INTEGER)");
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(m_db.uitvoeren(invoegen, {QString("n%1").arg(i), i}), 1);
    EXPECT_THROW(m_db.uitvoeren(invoegen, {"te weinig"}), DbFout);
    EXPECT_EQ(m_db.uitvoeren("UPDATE Getallen SET Getal = Getal * 10 WHERE Getal >= ?", {3}), 2);
    EXPECT_EQ(m_db.uitvoeren("UPDATE Getallen SET Getal = Getal * 10 WHERE Getal >= ?", {40}), 1);
    // The same text after the table was made anew with its columns in another order.
    m_db.uitvoeren("DROP TABLE Getallen");
    m_db.uitvoeren("CREATE TABLE Getallen (Getal INTEGER, Extra TEXT, Naam TEXT)");
    EXPECT_EQ(m_db.uitvoeren(invoegen, {"nieuw", 7}), 1);
    EXPECT_EQ(m_db.openRecordset("SELECT Naam, Getal, Extra FROM Getallen").veld(0), Waarde("nieuw"));
    // Several statements: the parameters go to the first, every statement runs.
    m_db.uitvoeren("UPDATE Getallen SET Extra = ?; UPDATE Getallen SET Getal = Getal + 1", {"x"});
    Recordset rs = m_db.openRecordset("SELECT Getal, Extra FROM Getallen");
    EXPECT_EQ(rs.veld(0), Waarde(qint64(8)));
    EXPECT_EQ(rs.veld(1), Waarde("x"));
    m_db.uitvoeren("DROP TABLE Getallen");
    EXPECT_THROW(m_db.uitvoeren(invoegen, {"weg", 1}), DbFout) << "the table is gone";
}

TEST_F(WaardenTest, NumberTextsBecomeTheirNumbers)
{
    Recordset rs = m_db.openTabel("Wedstrijden");
    const QList<QPair<QString, Waarde>> gevallen{
        {"007", qint64(7)},   {"-12", qint64(-12)}, {"-0", qint64(0)},  {" 8 ", qint64(8)}, {"+9", qint64(9)},
        {"2,5", qint64(2)},   {"3.5", qint64(4)},   {"1e3", qint64(1000)}, {"999999999999999", Waarde()},
        {"12a", Waarde()},    {"-", Waarde()},      {"", Waarde()}};
    for (const auto& [tekst, verwacht] : gevallen) {
        rs.addNew();
        if (verwacht.isLeeg()) {
            EXPECT_THROW(rs["Zaal"] = tekst, DbFout) << tekst.toStdString();
            rs.cancelUpdate();
            continue;
        }
        rs["Zaal"] = tekst;
        EXPECT_EQ(rs.veld("Zaal"), verwacht) << tekst.toStdString();
        rs.cancelUpdate();
    }
}

TEST_F(WaardenTest, RowsAddedFromTextHoldWhatATableRecordsetStoresForTheSameTexts)
{
    m_db.tabelMaken({"Alles",
                     {{"T", TypeWoord::Tekst},
                      {"M", TypeWoord::Memo},
                      {"D", TypeWoord::Datum},
                      {"I", TypeWoord::Integer},
                      {"L", TypeWoord::Long},
                      {"G", TypeWoord::Double},
                      {"B", TypeWoord::Boolean}},
                     {}});
    const QStringList velden{"T", "M", "D", "I", "L", "G", "B"};
    const QList<QStringList> rijen{
        {"007", "Noël", "18-09-2010", "007", "-2147483648", "2,5", "ja"},
        {" ", "", "2010-09-18 10:30:00", "32768", "2147483648", "1e3", "0"},
        {"x", "😀", "geen datum", "-32768", "12a", "-0", "misschien"},
        {"", " 8 ", "", "3.5", " 9 ", "", ""}};
    // The same texts through a table recordset: a value the field cannot hold leaves it empty.
    Recordset rs = m_db.openTabel("Alles");
    QStringList geweigerd;
    for (const QStringList& rij : rijen) {
        rs.addNew();
        for (int i = 0; i < velden.size(); ++i) {
            try {
                rs.zet(velden[i], rij[i]);
            } catch (const DbFout& f) {
                geweigerd << QString("%1:%2").arg(velden[i], rij[i]);
                EXPECT_EQ(f.soort(), DbFout::Soort::Conversie);
            }
        }
        rs.update();
    }
    const auto rijenVan = [this](const QString& waar) {
        Recordset r = m_db.openRecordset("SELECT T, typeof(T), M, D, typeof(D), I, typeof(I), L, typeof(L), G, typeof(G), "
                                         "B, typeof(B) FROM Alles WHERE " + waar + " ORDER BY rowid");
        QStringList uit;
        for (; !r.eof(); r.moveNext()) {
            QStringList w;
            for (int i = 0; i < r.aantalVelden(); ++i)
                w << (r.veld(i).isNull() ? "<null>" : r.veld(i).tekst());
            uit << w.join('|');
        }
        return uit;
    };
    const QStringList verwacht = rijenVan("rowid <= 4");

    Toevoeger t = m_db.toevoeger("alles", velden);
    // A walk over the table goes on past the rows added while it stands on a row.
    rs.moveFirst();
    QStringList geweigerdHier;
    for (const QStringList& rij : rijen) {
        for (int i = 0; i < velden.size(); ++i) {
            try {
                t.zet(i, QStringView(rij[i]));
            } catch (const DbFout& f) {
                geweigerdHier << QString("%1:%2").arg(velden[i], rij[i]);
                EXPECT_EQ(f.soort(), DbFout::Soort::Conversie);
            }
        }
        t.toevoegen();
    }
    EXPECT_EQ(geweigerdHier, geweigerd);
    EXPECT_EQ(rijenVan("rowid > 4"), verwacht);
    int gelopen = 0;
    for (; !rs.eof(); rs.moveNext())
        ++gelopen;
    EXPECT_EQ(gelopen, 8);

    // A field not set is Null; the fields of the next row start unset.
    t.zet(0, QStringLiteral("alleen T"));
    t.toevoegen();
    t.toevoegen();
    EXPECT_EQ(rijenVan("rowid > 8"),
              QStringList({"alleen T|text|<null>|<null>|null|<null>|null|<null>|null|<null>|null|<null>|null",
                           "<null>|null|<null>|<null>|null|<null>|null|<null>|null|<null>|null|<null>|null"}));
    EXPECT_THROW(t.zet(7, QStringLiteral("x")), DbFout);
    EXPECT_THROW(m_db.toevoeger("Alles", {"T", "Onbekend"}), DbFout);
    EXPECT_THROW(m_db.toevoeger("Geen", {"T"}), DbFout);
    m_db.sluiten();
    EXPECT_THROW(t.toevoegen(), DbFout) << "the database is closed";
}

// Rows whose texts need more than one block of the buffer they are bound from, each text ASCII,
// beyond ASCII or begun in ASCII, through parameters and through a Toevoeger, row after row.
TEST_F(WaardenTest, TextsOfARowOverSeveralBlocksOfTheBindBufferAreStoredWhole)
{
    m_db.tabelMaken({"Blokken", {{"A", TypeWoord::Memo}, {"B", TypeWoord::Memo}, {"C", TypeWoord::Memo},
                                 {"D", TypeWoord::Memo}, {"E", TypeWoord::Memo}}, {}});
    const QList<QStringList> rijen{
        {QString(4000, u'a'), QString(3000, u'é'), QString(2000, u'b') + "ë", QString(5000, u'c'), "kort"},
        {"Noël", QString(5400, u'x') + "€", QString(5000, u'y'), QString(3000, u'z') + "😀", QString(100, u'€')}};
    const QString invoegen = "INSERT INTO Blokken (A, B, C, D, E) VALUES (?, ?, ?, ?, ?)";
    Toevoeger t = m_db.toevoeger("Blokken", {"A", "B", "C", "D", "E"});
    for (int keer = 0; keer < 2; ++keer) {
        for (const QStringList& rij : rijen) {
            m_db.uitvoeren(invoegen, {rij[0], rij[1], rij[2], rij[3], rij[4]});
            for (int i = 0; i < rij.size(); ++i)
                EXPECT_TRUE(t.zetOfLeeg(i, rij[i]));
            t.toevoegen();
        }
    }
    Recordset r = m_db.openRecordset("SELECT * FROM Blokken ORDER BY rowid");
    for (int rij = 0; rij < 8; ++rij, r.moveNext()) {
        ASSERT_FALSE(r.eof());
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(r.veld(i).tekst(), rijen[(rij / 2) % 2][i]) << rij << " " << i;
    }
}

TEST(Hoofdletters, AccentedLettersPairAsInWindows1252)
{
    EXPECT_EQ(hoofdletters("Gérard àÿ šœž çñ"), "GÉRARD ÀŸ ŠŒŽ ÇÑ");
    EXPECT_EQ(kleineLetters("GÉRARD ÀŸ ŠŒŽ ÇÑ"), "gérard àÿ šœž çñ");
    // No partner: stays as it is, and the length never changes.
    EXPECT_EQ(hoofdletters("straße µ ÷ ×"), "STRAßE µ ÷ ×");
    EXPECT_EQ(kleineLetters("× ÷"), "× ÷");
    EXPECT_TRUE(gelijkZonderHoofdletters(u"Gérard", u"GÉRARD"));
    EXPECT_FALSE(gelijkZonderHoofdletters(u"Gerard", u"GÉRARD"));
    EXPECT_LT(vergelijkZonderHoofdletters(u"abc", u"ABD"), 0);
    EXPECT_GT(vergelijkZonderHoofdletters(u"Éa", u"eb"), 0) << "by code point after folding";
    EXPECT_LT(vergelijkZonderHoofdletters(u"ab", u"ABc"), 0);
}

TEST(Hoofdletters, NamesAreLookedUpWithoutRegardToAccentCase)
{
    QTemporaryDir map;
    Database db = Database::maken(map.filePath("namen.mdb"));
    db.tabelMaken({"Clubs", {{"Catégorie", TypeWoord::Tekst}}, {{"Sélection", {{"Catégorie"}}}}});
    db.tabelMaken({"Sélection", {{"x", TypeWoord::Tekst}}, {}});
    for (const char* naam : {"Clubs", "CLUBS", "clubs", "Sélection", "SÉLECTION"})
        EXPECT_TRUE(db.bestaatTabel(QString::fromUtf8(naam))) << naam;
    for (const char* naam : {"Club", "Clubs2", "Selection", "sqlite_master", "Sélection_"})
        EXPECT_FALSE(db.bestaatTabel(QString::fromUtf8(naam))) << naam;
    Recordset rs = db.openTabel("Clubs");
    EXPECT_TRUE(rs.heeftVeld("CATÉGORIE"));
    EXPECT_NO_THROW(rs.setIndex("SÉLECTION"));
    Recordset sql = db.openRecordset("SELECT * FROM Clubs");
    EXPECT_TRUE(sql.heeftVeld("catÉgorie"));
    // By [] with a literal in any spelling, and an unknown name refused at once.
    rs.addNew();
    rs["CATÉGORIE"] = "Heren";
    rs[u"catégorie"] = "Dames";
    rs.update();
    EXPECT_EQ(db.openRecordset("SELECT Catégorie FROM Clubs").veld(0).tekst(), "Dames");
    rs.moveFirst();
    EXPECT_EQ(Waarde(rs["catÉGORIE"]), Waarde("Dames"));
    EXPECT_THROW(rs["Categorie"], DbFout);
}

TEST(Hoofdletters, ManyNamesFindTheirNumberInAnyCaseAndTheLastOfOneNameWins)
{
    NamenIndex index;
    EXPECT_EQ(index.zoek(u"x"), -1);
    for (int i = 0; i < 300; ++i)
        index.toevoegen(QStringLiteral("Veld%1é").arg(i), i);
    for (int i = 0; i < 300; ++i) {
        EXPECT_EQ(index.zoek(QStringLiteral("VELD%1É").arg(i)), i);
        EXPECT_EQ(index.zoek(QStringLiteral("veld%1é").arg(i)), i);
    }
    EXPECT_EQ(index.zoek(u"Veld300é"), -1);
    EXPECT_EQ(index.zoek(u"Veld1e"), -1);
    index.toevoegen(u"veld7É", 1000);
    EXPECT_EQ(index.zoek(u"Veld7é"), 1000);
    index.wissen();
    EXPECT_EQ(index.zoek(u"Veld7é"), -1);
}

// "inf" and "nan" are numbers to a text conversion, but no number field holds them: every way in
// refuses them as it refuses "abc", and a seek on them finds nothing.
TEST_F(WaardenTest, InfiniteAndUndefinedNumbersAreRefusedByEveryNumberField)
{
    m_db.tabelMaken({"Getallen",
                     {{"I", TypeWoord::Integer}, {"L", TypeWoord::Long}, {"G", TypeWoord::Double}, {"B", TypeWoord::Boolean}},
                     {{"L", {{"L"}}}}});
    const QStringList velden{"I", "L", "G", "B"};
    Recordset rs = m_db.openTabel("Getallen");
    Toevoeger t = m_db.toevoeger("Getallen", velden);
    for (const char* tekst : {"inf", "-inf", "+INF", " inf ", "nan", "NaN", "Infinity", "1e999", "-1e999"}) {
        double getal = 0;
        EXPECT_FALSE(tekstAlsGetal(tekst, getal)) << tekst;
        rs.addNew();
        for (int i = 0; i < velden.size(); ++i) {
            try {
                rs.zet(velden[i], QString(tekst));
                ADD_FAILURE() << tekst << " in " << velden[i].toStdString();
            } catch (const DbFout& f) {
                EXPECT_EQ(f.soort(), DbFout::Soort::Conversie) << tekst;
            }
            EXPECT_THROW(t.zet(i, QStringView(QString(tekst))), DbFout) << tekst;
        }
        rs.cancelUpdate();
        rs.setIndex("L");
        rs.seek("=", {QString(tekst)});
        EXPECT_TRUE(rs.noMatch()) << tekst;
    }
    double getal = 0;
    EXPECT_TRUE(tekstAlsGetal(" 2,5 ", getal));
    EXPECT_EQ(getal, 2.5);
}

} // namespace
