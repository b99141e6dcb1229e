// The file writer: a file is whole under its name or not changed at all, whatever step of writing fails.

#include "KleineSchijf.h"
#include "Storingen.h"
#include "bestand/Schrijver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using bestand::GeplandeStoring;
using bestand::Schrijver;
using bestand::Stap;

namespace {

QByteArray willekeurig(qsizetype lengte)
{
    QByteArray b(lengte, Qt::Uninitialized);
    for (char& c : b)
        c = static_cast<char>(QRandomGenerator::global()->bounded(256));
    return b;
}

QStringList namen(const QString& map)
{
    return QDir(map).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

class SchrijverTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_map.isValid()); }
    QString pad(const QString& naam = "bestand.ttr") const { return m_map.filePath(naam); }
    QTemporaryDir m_map;
};

TEST_F(SchrijverTest, AFileIsWrittenWholeWhateverItsBlocksAndThePiecesItIsGivenIn)
{
    const QByteArray alles = willekeurig(200 * 1024 + 17);
    for (const qsizetype blok : {qsizetype(1), qsizetype(7), qsizetype(64), qsizetype(0)}) {
        // A failure planted where no write reaches, for its block size only.
        const GeplandeStoring klein({Stap::Schrijven, ENOSPC, 1 << 30, blok});
        testhulp::bestandBewaren(pad(), "vorige inhoud");
        Schrijver s(pad());
        qsizetype begin = 0;
        for (const qsizetype stuk : {qsizetype(1), qsizetype(13), qsizetype(64 * 1024), qsizetype(64 * 1024 + 1)}) {
            ASSERT_TRUE(s.schrijven(QByteArrayView(alles).sliced(begin, stuk))) << blok;
            begin += stuk;
        }
        ASSERT_TRUE(s.schrijven(QByteArrayView(alles).sliced(begin)));
        EXPECT_EQ(testhulp::bestandInhoud(pad()), "vorige inhoud") << "nothing is replaced before the end";
        ASSERT_TRUE(s.vervangen()) << s.oorzaak().toStdString();
        EXPECT_TRUE(s.ok());
        EXPECT_TRUE(s.melding().isEmpty());
        EXPECT_TRUE(testhulp::bestandInhoud(pad()) == alles) << blok;
        EXPECT_EQ(namen(m_map.path()), QStringList{"bestand.ttr"});
    }
    // An empty file replaces an older one too.
    QString fout;
    ASSERT_TRUE(bestand::bestandSchrijven(pad(), QByteArrayView(), &fout));
    EXPECT_TRUE(fout.isEmpty());
    EXPECT_EQ(QFileInfo(pad()).size(), 0);
}

TEST_F(SchrijverTest, TheNewFileKeepsTheRightsOfTheOlderOneAndALinkKeepsPointingToIt)
{
    testhulp::bestandBewaren(pad(), "oud");
    ASSERT_TRUE(
        QFile::setPermissions(pad(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));
    ASSERT_TRUE(bestand::bestandSchrijven(pad(), "nieuw"));
    EXPECT_EQ(testhulp::bestandInhoud(pad()), "nieuw");
    const auto rechten = [](const QString& p) {
        return QFile::permissions(p) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
    };
    EXPECT_EQ(rechten(pad()), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);

    ASSERT_TRUE(QFile::link(pad(), pad("koppeling.ttr")));
    ASSERT_TRUE(bestand::bestandSchrijven(pad("koppeling.ttr"), "via de koppeling"));
    EXPECT_TRUE(QFileInfo(pad("koppeling.ttr")).isSymLink());
    EXPECT_EQ(testhulp::bestandInhoud(pad()), "via de koppeling");
    EXPECT_EQ(namen(m_map.path()), QStringList({"bestand.ttr", "koppeling.ttr"}));
}

TEST_F(SchrijverTest, EveryStepThatFailsLeavesTheOlderFileAndNoTemporaryFile)
{
    const QByteArray nieuw = willekeurig(1000);
    for (const testhulp::Storingsgeval& g : testhulp::Storingsgevallen) {
        SCOPED_TRACE(g.naam);
        testhulp::bestandBewaren(pad(), "vorige inhoud");
        const GeplandeStoring storing(g.storing);
        QString fout;
        EXPECT_FALSE(bestand::bestandSchrijven(pad(), nieuw, &fout, u"\r\n"));
        EXPECT_EQ(fout, "Het bestand \"" + QDir::toNativeSeparators(pad()) + "\" kon niet opgeslagen worden:\r\n"
                            + g.oorzaak + ".\r\nHet vorige bestand met die naam bleef ongewijzigd.");
        EXPECT_EQ(testhulp::bestandInhoud(pad()), "vorige inhoud");
        EXPECT_EQ(namen(m_map.path()), QStringList{"bestand.ttr"});

        // Without an older file nothing of that name appears, and the message speaks of none.
        ASSERT_TRUE(QFile::remove(pad()));
        Schrijver s(pad());
        s.schrijven(nieuw);
        EXPECT_FALSE(s.vervangen());
        EXPECT_FALSE(s.schrijven("meer")) << "nothing is written after a failure";
        EXPECT_EQ(s.oorzaak(), g.oorzaak);
        EXPECT_EQ(s.melding(), "Het bestand \"" + QDir::toNativeSeparators(pad()) + "\" kon niet opgeslagen worden:\n"
                                   + g.oorzaak + ".");
        EXPECT_TRUE(s.tijdelijkPad().isEmpty());
        EXPECT_EQ(namen(m_map.path()), QStringList());
    }
}

TEST_F(SchrijverTest, ACheckOfTheClosedCopyThatFailsKeepsTheOlderFile)
{
    testhulp::bestandBewaren(pad(), "vorige inhoud");
    {
        Schrijver s(pad());
        ASSERT_TRUE(s.schrijven("de kopie"));
        ASSERT_TRUE(s.afsluiten());
        EXPECT_EQ(testhulp::bestandInhoud(s.tijdelijkPad()), "de kopie") << "the closed copy can be checked before it takes the name";
        s.afbreken("De kopie is niet volledig");
        EXPECT_EQ(s.oorzaakTekst(), "De kopie is niet volledig.\nHet vorige bestand met die naam bleef ongewijzigd.");
        EXPECT_FALSE(s.vervangen());
    }
    EXPECT_EQ(testhulp::bestandInhoud(pad()), "vorige inhoud");
    EXPECT_EQ(namen(m_map.path()), QStringList{"bestand.ttr"});

    // A writer dropped before the end leaves nothing either.
    {
        Schrijver s(pad());
        s.schrijven("half");
    }
    EXPECT_EQ(testhulp::bestandInhoud(pad()), "vorige inhoud");
    EXPECT_EQ(namen(m_map.path()), QStringList{"bestand.ttr"});
}

TEST_F(SchrijverTest, AFolderThatIsMissingOrANameThatIsAFolderIsNamed)
{
    QString fout;
    EXPECT_FALSE(bestand::bestandSchrijven(m_map.filePath("geen-map/bestand.ttr"), "x", &fout));
    EXPECT_EQ(fout, "Het bestand \"" + QDir::toNativeSeparators(m_map.filePath("geen-map/bestand.ttr"))
                        + "\" kon niet opgeslagen worden:\nDe map bestaat niet.");
    ASSERT_TRUE(QDir(m_map.path()).mkpath("map.ttr/iets"));
    EXPECT_FALSE(bestand::bestandSchrijven(pad("map.ttr"), "x", &fout));
    EXPECT_TRUE(fout.endsWith(":\nEr staat een map met die naam.")) << fout.toStdString();
    EXPECT_EQ(namen(m_map.path()), QStringList());
}

TEST_F(SchrijverTest, OnAFullFileSystemTheOlderFileStaysAndTheRoomOfTheFailedWriteIsFreed)
{
    const QString map = pad("klein");
    ASSERT_TRUE(QDir().mkpath(map));
    testhulp::KleineSchijf schijf(map, 64 * 1024);
    if (!schijf.reden().isEmpty())
        GTEST_SKIP() << schijf.reden().toStdString();
    const QString doel = map + "/bestand.ttr";
    testhulp::bestandBewaren(doel, "vorige inhoud");
    QString fout;
    EXPECT_FALSE(bestand::bestandSchrijven(doel, willekeurig(200 * 1024), &fout));
    EXPECT_EQ(fout, "Het bestand \"" + doel
                        + "\" kon niet opgeslagen worden:\nOnvoldoende schijfruimte.\nHet vorige bestand met die naam "
                          "bleef ongewijzigd.");
    EXPECT_EQ(testhulp::bestandInhoud(doel), "vorige inhoud");
    EXPECT_EQ(namen(map), QStringList{"bestand.ttr"});
    // What fits is written: the half-written file of the failure took no room with it.
    const QByteArray past = willekeurig(40 * 1024);
    EXPECT_TRUE(bestand::bestandSchrijven(doel, past, &fout)) << fout.toStdString();
    EXPECT_TRUE(testhulp::bestandInhoud(doel) == past);
}

} // namespace
