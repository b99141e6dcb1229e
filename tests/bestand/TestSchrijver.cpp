// The file writer: a file is whole under its name or not changed at all, whatever step of writing fails.

#include "KleineSchijf.h"
#include "QtAfdruk.h"
#include "Storingen.h"
#include "bestand/Schrijver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

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

// A write of the file in a process of its own that is killed before its copy takes the name: with part of
// the bytes on the disk, or with the copy whole and closed.
void gedoodSchrijven(const QString& pad, const QByteArray& bytes, bool afsluiten)
{
    QRandomGenerator::global()->generate(); // ready before the process splits
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        {
            Schrijver s(pad);
            s.schrijven(bytes);
            if (afsluiten)
                s.afsluiten();
            ::kill(::getpid(), SIGKILL);
        }
        ::_exit(1);
    }
    int status = 0;
    for (int i = 0; i < 1000 && ::waitpid(kind, &status, WNOHANG) == 0; ++i)
        ::usleep(10000);
    if (::waitpid(kind, &status, WNOHANG) == 0) {
        ::kill(kind, SIGKILL);
        ::waitpid(kind, &status, 0);
        FAIL() << "the writing process did not end";
    }
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
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

// A write that was killed before its copy took the name left that copy beside the file. The next write of the
// file removes such copies, in whatever case their name is written, and nothing else: not the copy of a write
// still under way, not the copies of other files, not files that only look alike.
TEST_F(SchrijverTest, TheCopiesLeftByKilledWritesGoWithTheNextWriteOfThatFile)
{
    testhulp::bestandBewaren(pad(), "vorige inhoud");
    const QRegularExpression kopie("^bestand\\.ttr\\.nieuw-[a-z][0-9][a-z][0-9][a-z][0-9]$");
    gedoodSchrijven(pad(), willekeurig(200 * 1024), false);
    QStringList achtergelaten = namen(m_map.path()).filter(kopie);
    ASSERT_EQ(achtergelaten.size(), 1) << namen(m_map.path()).join(", ").toStdString();
    const qint64 deel = QFileInfo(pad(achtergelaten[0])).size();
    EXPECT_TRUE(deel > 0 && deel < 200 * 1024) << deel << ": part of the bytes";
    // Even a write that is killed in its turn removes the copy of the one before.
    gedoodSchrijven(pad(), willekeurig(1000), true);
    const QStringList eerder = achtergelaten;
    achtergelaten = namen(m_map.path()).filter(kopie);
    ASSERT_EQ(achtergelaten.size(), 1) << namen(m_map.path()).join(", ").toStdString();
    EXPECT_NE(achtergelaten, eerder);
    EXPECT_EQ(QFileInfo(pad(achtergelaten[0])).size(), 1000) << "the whole copy";
    gedoodSchrijven(pad("ander.ttr"), willekeurig(1000), true);
    const QStringList anderAchtergelaten = namen(m_map.path()).filter("ander.ttr.nieuw-");
    ASSERT_EQ(anderAchtergelaten.size(), 1);
    EXPECT_EQ(testhulp::bestandInhoud(pad()), "vorige inhoud");
    // One of an earlier write of the same name in other letters, and names that only look alike.
    testhulp::bestandBewaren(pad("BESTAND.TTR.nieuw-a1b2c3"), "kopie");
    const QStringList gelijkend{"bestand.ttr.nieuw-a1b2c", "bestand.ttr.nieuw-a1b2c3d", "bestand.ttr.nieuw-a1_2c3",
                                "bestand.ttr.nieuw-a1b2c3.bak", "xbestand.ttr.nieuw-a1b2c3", "bestand.ttr.oud-a1b2c3"};
    for (const QString& naam : gelijkend)
        testhulp::bestandBewaren(pad(naam), "blijft");
    ASSERT_TRUE(QDir(m_map.path()).mkdir("bestand.ttr.nieuw-m1a2p3"));
    ASSERT_TRUE(QFile::link(pad("ander.ttr"), pad("bestand.ttr.nieuw-l1n2k3")));

    // A write of the same file that is still under way keeps its copy and ends well.
    Schrijver bezig(pad());
    ASSERT_TRUE(bezig.schrijven("de tweede"));
    const QByteArray nieuw = willekeurig(1000);
    QString fout;
    ASSERT_TRUE(bestand::bestandSchrijven(pad(), nieuw, &fout)) << fout.toStdString();
    EXPECT_TRUE(testhulp::bestandInhoud(pad()) == nieuw);
    QStringList verwacht = QStringList{"bestand.ttr", "bestand.ttr.nieuw-l1n2k3", QFileInfo(bezig.tijdelijkPad()).fileName()}
                           + anderAchtergelaten + gelijkend;
    verwacht.sort();
    EXPECT_EQ(namen(m_map.path()), verwacht);
    EXPECT_TRUE(QFileInfo(pad("bestand.ttr.nieuw-m1a2p3")).isDir());
    ASSERT_TRUE(bezig.vervangen()) << bezig.oorzaak().toStdString();
    EXPECT_EQ(testhulp::bestandInhoud(pad()), "de tweede");
    for (const QString& naam : gelijkend)
        EXPECT_EQ(testhulp::bestandInhoud(pad(naam)), "blijft") << naam.toStdString();

    // The other file's own next write takes its copy away.
    ASSERT_TRUE(bestand::bestandSchrijven(pad("ander.ttr"), "ander"));
    EXPECT_TRUE(namen(m_map.path()).filter("ander.ttr.nieuw-").isEmpty());
}

// Copies a user keeps beside the files the program writes, under names that only look like a killed write's
// copy, are his: the next write of the file removes the real copy and leaves them as they are.
TEST_F(SchrijverTest, TheUsersOwnCopiesBesideAWrittenFileStay)
{
    const QStringList bestanden{"Export.ttr", "A001-11-09-2010.ttr", "Wedstrijdblad PAH01001.docx"};
    const QStringList achtervoegsels{".Nieuw-versie", ".nieuw-backup", ".Nieuw-kopie1", ".nieuw-kopie1",
                                     ".nieuw-201011", ".NIEUW-a1b2c3", ".nieuw-A1B2C3"};
    for (const QString& bestand : bestanden) {
        SCOPED_TRACE(bestand.toStdString());
        testhulp::bestandBewaren(pad(bestand), "vorige inhoud");
        QStringList eigen;
        for (const QString& achter : achtervoegsels) {
            const QString naam = (achter == ".nieuw-backup" ? bestand.toLower() : bestand) + achter;
            testhulp::bestandBewaren(pad(naam), "van de gebruiker");
            eigen << naam;
        }
        gedoodSchrijven(pad(bestand), willekeurig(1000), true);
        QStringList achtergelaten;
        for (const QString& naam : namen(m_map.path()).filter(bestand + ".nieuw-"))
            if (!eigen.contains(naam))
                achtergelaten << naam;
        ASSERT_EQ(achtergelaten.size(), 1) << namen(m_map.path()).join(", ").toStdString();

        ASSERT_TRUE(bestand::bestandSchrijven(pad(bestand), "nieuwe inhoud"));
        EXPECT_EQ(testhulp::bestandInhoud(pad(bestand)), "nieuwe inhoud");
        EXPECT_FALSE(QFile::exists(pad(achtergelaten[0])));
        for (const QString& naam : eigen)
            EXPECT_EQ(testhulp::bestandInhoud(pad(naam)), "van de gebruiker") << naam.toStdString();
    }
}

} // namespace
