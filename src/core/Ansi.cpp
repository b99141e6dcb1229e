#include "core/Ansi.h"

#include "bestand/Schrijver.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstring>

namespace core {

namespace {

// Bytes 0x80-0x9F; the rest of the code page equals Latin-1. The undefined bytes keep their own number.
constexpr std::array<char16_t, 32> hogeHelft = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

constexpr char onbekend = '?';

char naarByte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    // The control characters U+0080-U+009F only exist where the code page leaves the byte undefined.
    const auto gevonden = std::find(hogeHelft.begin(), hogeHelft.end(), c);
    if (gevonden == hogeHelft.end())
        return onbekend;
    return static_cast<char>(0x80 + (gevonden - hogeHelft.begin()));
}

// Eight bytes read as one number, the first byte lowest.
quint64 achtBytes(const char* p)
{
    quint64 w;
    std::memcpy(&w, p, sizeof w);
    return qFromLittleEndian(w);
}

constexpr quint64 ElkeByte = 0x0101010101010101;
constexpr quint64 HogeBits = 0x8080808080808080;

// Whether one of the eight bytes equals b.
bool heeftByte(quint64 w, char b)
{
    const quint64 x = w ^ (ElkeByte * static_cast<unsigned char>(b));
    return ((x - ElkeByte) & ~x & HogeBits) != 0;
}

// Into the text given, whose memory serves again when no one else holds it (a line at a time).
void vanBytes(const char* bytes, qsizetype n, QString& tekst)
{
    // A text that another still holds (a line kept by the caller) is not copied first: it gets new memory.
    if (tekst.isDetached())
        tekst.resize(n);
    else
        tekst = QString(n, Qt::Uninitialized);
    char16_t* uit = reinterpret_cast<char16_t*>(tekst.data());
    qsizetype i = 0;
    // Eight ASCII bytes (most of a line) at a time, each widened to its character as it is: four
    // bytes spread over the four 16-bit halves of a number.
    const auto gespreid = [](quint64 x) {
        x = (x | (x << 16)) & 0x0000ffff0000ffff;
        x = (x | (x << 8)) & 0x00ff00ff00ff00ff;
        return qToLittleEndian(x);
    };
    for (; i + 8 <= n; i += 8) {
        const quint64 w = achtBytes(bytes + i);
        if (w & HogeBits)
            break;
        const quint64 voor = gespreid(w & 0xffffffff);
        const quint64 na = gespreid(w >> 32);
        std::memcpy(uit + i, &voor, sizeof voor);
        std::memcpy(uit + i + 4, &na, sizeof na);
    }
    for (; i < n; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        uit[i] = b >= 0x80 && b < 0xA0 ? hogeHelft[b - 0x80] : char16_t(b);
    }
}

// The first CR or LF from begin on; einde when there is none.
const char* regeleinde(const char* begin, const char* einde)
{
    const char* p = begin;
    while (einde - p >= 8) {
        const quint64 w = achtBytes(p);
        if (heeftByte(w, '\r') || heeftByte(w, '\n'))
            break;
        p += 8;
    }
    while (p < einde && *p != '\r' && *p != '\n')
        ++p;
    return p;
}

QString vanBytes(const char* bytes, qsizetype n)
{
    QString tekst;
    vanBytes(bytes, n, tekst);
    return tekst;
}

QString bestandsnaam(const QString& pad)
{
    return QDir::toNativeSeparators(pad);
}

} // namespace

QByteArray naarAnsi(const QString& tekst)
{
    // At most one byte a character, written in place; room for a line end after it.
    const qsizetype n = tekst.size();
    QByteArray bytes(n + 2, Qt::Uninitialized);
    char* uit = bytes.data();
    const char16_t* c = reinterpret_cast<const char16_t*>(tekst.constData());
    qsizetype j = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = c[i];
        if (u < 0x80) {
            uit[j++] = static_cast<char>(u);
            continue;
        }
        // A character outside the BMP is one character, so one "?".
        if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(c[i + 1]))
            ++i;
        uit[j++] = naarByte(u);
    }
    bytes.truncate(j);
    return bytes;
}

bool pastInAnsi(QStringView tekst)
{
    for (const QChar c : tekst) {
        const char16_t u = c.unicode();
        if (u >= 0x80 && !(u >= 0xA0 && u <= 0xFF) && naarByte(u) == onbekend)
            return false;
    }
    return true;
}

QString vanAnsi(const QByteArray& bytes)
{
    return vanBytes(bytes.constData(), bytes.size());
}

AnsiLezer::AnsiLezer(QIODevice* apparaat, qsizetype blokgrootte)
    : m_apparaat(apparaat)
    , m_blokgrootte(std::max<qsizetype>(blokgrootte, 1))
{
}

bool AnsiLezer::bijvullen()
{
    m_buffer = m_apparaat ? m_apparaat->read(m_blokgrootte) : QByteArray();
    m_positie = 0;
    return !m_buffer.isEmpty();
}

bool AnsiLezer::eof()
{
    return m_positie >= m_buffer.size() && !bijvullen();
}

bool AnsiLezer::regelLezen(QString& regel)
{
    if (eof()) {
        regel.clear();
        return false;
    }
    // Only a line that spans blocks is gathered; otherwise the line is converted straight from the buffer.
    QByteArray verzameld;
    for (;;) {
        const char* begin = m_buffer.constData() + m_positie;
        const char* einde = m_buffer.constData() + m_buffer.size();
        const char* lijnEinde = regeleinde(begin, einde);
        if (lijnEinde == einde) {
            verzameld.append(begin, einde - begin);
            m_positie = m_buffer.size();
            if (!bijvullen()) {
                regel = vanAnsi(verzameld);
                return true;
            }
            continue;
        }
        if (verzameld.isEmpty()) {
            vanBytes(begin, lijnEinde - begin, regel);
        } else {
            verzameld.append(begin, lijnEinde - begin);
            regel = vanAnsi(verzameld);
        }
        m_positie += lijnEinde - begin + 1;
        if (*lijnEinde == '\r' && (m_positie < m_buffer.size() || bijvullen()) && m_buffer.at(m_positie) == '\n')
            ++m_positie;
        return true;
    }
}

bool ansiBestandLezen(const QString& pad, QStringList& regels, QString* fout)
{
    regels.clear();
    QFile bestand(pad);
    if (!bestand.open(QIODevice::ReadOnly)) {
        if (fout)
            *fout = QStringLiteral("Kan %1 niet openen: %2").arg(bestandsnaam(pad), bestand.errorString());
        return false;
    }
    AnsiLezer lezer(&bestand);
    QString regel;
    while (lezer.regelLezen(regel))
        regels.append(regel);
    if (bestand.error() != QFileDevice::NoError) {
        if (fout)
            *fout = QStringLiteral("Kan %1 niet lezen: %2").arg(bestandsnaam(pad), bestand.errorString());
        return false;
    }
    return true;
}

bool ansiBestandSchrijven(const QString& pad, const QStringList& regels, QString* fout)
{
    QByteArray bytes;
    for (const QString& regel : regels) {
        bytes += naarAnsi(regel);
        bytes += "\r\n";
    }
    return bestand::bestandSchrijven(pad, bytes, fout, u"\r\n");
}

} // namespace core
