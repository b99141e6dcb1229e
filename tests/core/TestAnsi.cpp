#include "QtAfdruk.h"
#include "core/Ansi.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace core;

namespace {

// A device on which every write fails, like a full disk or a pulled USB stick.
// Counts how often the reader goes to the device.
class TellendeBuffer : public QBuffer
{
public:
    int m_leesbeurten = 0;

protected:
    qint64 readData(char* data, qint64 max) override
    {
        ++m_leesbeurten;
        return QBuffer::readData(data, max);
    }
};

QStringList alleRegels(const QByteArray& inhoud, qsizetype blokgrootte)
{
    QBuffer buffer;
    buffer.setData(inhoud);
    buffer.open(QIODevice::ReadOnly);
    AnsiLezer lezer(&buffer, blokgrootte);
    QStringList regels;
    QString regel;
    while (lezer.regelLezen(regel))
        regels.append(regel);
    EXPECT_TRUE(regel.isEmpty()) << "a failed read leaves the line empty";
    EXPECT_TRUE(lezer.eof());
    EXPECT_FALSE(lezer.regelLezen(regel)) << "reading past the end keeps failing";
    return regels;
}

} // namespace

TEST(Ansi, AlleBytesHeenEnTerug)
{
    QByteArray alle;
    for (int b = 0; b < 256; ++b)
        alle += static_cast<char>(b);
    const QString tekst = vanAnsi(alle);
    ASSERT_EQ(tekst.size(), 256);
    EXPECT_EQ(naarAnsi(tekst), alle);
    for (int b = 0; b < 256; ++b) {
        if (b < 0x80 || b >= 0xA0) {
            EXPECT_EQ(tekst[b].unicode(), b) << "byte " << b << " equals Latin-1";
        }
    }
    EXPECT_EQ(tekst[0x8A], QChar(u'Š'));
    EXPECT_EQ(tekst[0x9F], QChar(u'Ÿ'));
    EXPECT_EQ(tekst[0x81], QChar(0x81)) << "an undefined byte keeps its number";
}

TEST(Ansi, Tekst)
{
    const QString tekst = QStringLiteral("€ café Œuvre – “x”");
    const QByteArray bytes("\x80 caf\xe9 \x8cuvre \x96 \x93x\x94");
    EXPECT_EQ(naarAnsi(tekst), bytes);
    EXPECT_EQ(vanAnsi(bytes), tekst);

    const struct
    {
        QString tekst;
        QByteArray verwacht;
    } vreemd[] = {
        {QStringLiteral("a\u0142b"), "a?b"},
        {QStringLiteral("\u4E2D\u6587"), "??"},
        {QString::fromUtf8("x\U0001F600y"), "x?y"},
        {QStringLiteral("\u0080\u009F"), "??"},
        {QString(QChar(0xD800)), "?"},
    };
    for (const auto& g : vreemd)
        EXPECT_EQ(naarAnsi(g.tekst), g.verwacht) << g.tekst.toStdString();
}

TEST(Ansi, RegelsLezen)
{
    const struct
    {
        QByteArray inhoud;
        QStringList regels;
    } gevallen[] = {
        {"", {}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\rb", {"a", "b"}},
        {"\r\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"lang genoeg\r\nvoor twee blokken\r\n", {"lang genoeg", "voor twee blokken"}},
        {"caf\xe9 \x80\r\n", {QStringLiteral("café €")}},
        {QByteArray("a\0b\r\n", 5), {QString("a") + QChar(0) + "b"}},
    };
    for (qsizetype blokgrootte : {1, 2, 3, 5, 64 * 1024}) {
        for (const auto& g : gevallen)
            EXPECT_EQ(alleRegels(g.inhoud, blokgrootte), g.regels)
                << "inhoud \"" << g.inhoud.toStdString() << "\", blokgrootte " << blokgrootte;
    }
}

// Lines of every length around the eight bytes that are read at once, with a line end and the
// bytes that are no Latin-1 (0x80-0x9F) at every place in them.
TEST(Ansi, LangeRegelsMetBijzondereBytes)
{
    const QByteArray bijzonder[] = {"\x80", "\x9f", "\xe9", "\x7f"};
    const QString alsTekst[] = {QStringLiteral("€"), QStringLiteral("Ÿ"), QStringLiteral("é"), QString(QChar(0x7f))};
    const QByteArray einden[] = {"\r\n", "\n", "\r"};
    QByteArray inhoud;
    QStringList verwacht;
    for (int lengte = 0; lengte <= 25; ++lengte) {
        for (int plaats = 0; plaats < lengte; ++plaats) {
            const int soort = (lengte + plaats) % 4;
            QByteArray regel(lengte, 'x');
            QString tekst(lengte, u'x');
            regel.replace(plaats, 1, bijzonder[soort]);
            tekst.replace(plaats, 1, alsTekst[soort]);
            inhoud += regel + einden[(lengte * plaats) % 3];
            verwacht << tekst;
        }
        inhoud += QByteArray(lengte, 'y') + einden[lengte % 3];
        verwacht << QString(lengte, u'y');
    }
    for (qsizetype blokgrootte : {1, 7, 8, 9, 64 * 1024})
        EXPECT_EQ(alleRegels(inhoud, blokgrootte), verwacht) << "blokgrootte " << blokgrootte;
}

TEST(Ansi, EofVoorDeLaatsteRegel)
{
    QBuffer buffer;
    buffer.setData("een\r\ntwee\r\n");
    buffer.open(QIODevice::ReadOnly);
    AnsiLezer lezer(&buffer);
    QString regel;
    EXPECT_TRUE(lezer.regelLezen(regel));
    EXPECT_FALSE(lezer.eof());
}

TEST(Ansi, GrootBestandInBlokken)
{
    QByteArray inhoud;
    for (int i = 0; i < 100000; ++i)
        inhoud += "regel " + QByteArray::number(i) + "\r\n";
    TellendeBuffer buffer;
    buffer.setData(inhoud);
    buffer.open(QIODevice::ReadOnly);
    AnsiLezer lezer(&buffer);
    QString regel;
    int aantal = 0;
    while (lezer.regelLezen(regel)) {
        if (aantal == 54321) {
            EXPECT_EQ(regel, "regel 54321");
        }
        ++aantal;
    }
    EXPECT_EQ(aantal, 100000);
    EXPECT_LT(buffer.m_leesbeurten, 200) << "the device is read in blocks, not per byte or per line";
}

TEST(Ansi, Bestanden)
{
    QTemporaryDir map;
    ASSERT_TRUE(map.isValid());
    const QString pad = map.filePath("uitvoer.txt");
    const QStringList regels = {QStringLiteral("Ploeg A – €5"), QString(), QStringLiteral("Œuvre ł")};
    QString fout;
    ASSERT_TRUE(ansiBestandSchrijven(pad, regels, &fout)) << fout.toStdString();

    QFile bestand(pad);
    ASSERT_TRUE(bestand.open(QIODevice::ReadOnly));
    EXPECT_EQ(bestand.readAll(), QByteArray("Ploeg A \x96 \x80" "5\r\n\r\n\x8cuvre ?\r\n"));
    bestand.close();

    QStringList gelezen = {"oud"};
    ASSERT_TRUE(ansiBestandLezen(pad, gelezen, &fout)) << fout.toStdString();
    EXPECT_EQ(gelezen, (QStringList{QStringLiteral("Ploeg A – €5"), QString(), QStringLiteral("Œuvre ?")}))
        << "a character outside the code page is written as ?";

    EXPECT_FALSE(ansiBestandLezen(map.filePath("bestaat-niet.txt"), gelezen, &fout));
    EXPECT_TRUE(gelezen.isEmpty());
    EXPECT_FALSE(fout.isEmpty());

    fout.clear();
    EXPECT_FALSE(ansiBestandSchrijven(map.filePath("geen-map/uitvoer.txt"), regels, &fout));
    EXPECT_FALSE(fout.isEmpty());
    EXPECT_FALSE(ansiBestandSchrijven(map.filePath("geen-map/uitvoer.txt"), regels)) << "no reason asked";
}
