#include "core/Tekst.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>

namespace core {

namespace {

const char* const ongeldigArgument = "Ongeldige procedure-aanroep of ongeldig argument";
const char* const typeFout = "Type komt niet overeen";
const char* const overloop = "Overloop";

void eisNietNegatief(qsizetype n)
{
    if (n < 0)
        throw std::invalid_argument(ongeldigArgument);
}

void eisPositie(qsizetype start)
{
    if (start < 1)
        throw std::invalid_argument(ongeldigArgument);
}

Qt::CaseSensitivity hoofdletters(Vergelijk modus)
{
    return modus == Vergelijk::Tekst ? Qt::CaseInsensitive : Qt::CaseSensitive;
}

// Reads a number from a text, in one of two manners:
// - als Val: blanks, tabs and line feeds are ignored everywhere and reading stops at the first character
//   that cannot continue the number; what was read so far counts.
// - strikt (CInt, IsNumeric): blanks and tabs only around the number, "," or "." as the decimal separator,
//   and the whole text has to be used.
class GetalLezer
{
public:
    GetalLezer(QStringView tekst, bool alsVal)
        : m_tekst(tekst)
        , m_alsVal(alsVal)
    {
    }

    // The value read, or nothing when the strict reading fails. Val never fails: nothing read is 0.
    std::optional<double> lees()
    {
        if (!m_alsVal)
            overslaanRand();
        overslaan();
        std::optional<double> waarde = kijk() == u'&' ? leesGrondtal() : leesDecimaal();
        if (m_alsVal)
            return waarde.value_or(0);
        overslaanRand();
        if (!waarde || m_pos != m_tekst.size())
            return std::nullopt;
        return waarde;
    }

private:
    QChar kijk() const { return m_pos < m_tekst.size() ? m_tekst[m_pos] : QChar(); }

    void verder()
    {
        ++m_pos;
        overslaan();
    }

    // Val skips white space wherever it occurs.
    void overslaan()
    {
        if (!m_alsVal)
            return;
        while (m_pos < m_tekst.size() && (m_tekst[m_pos] == u' ' || m_tekst[m_pos] == u'\t' || m_tekst[m_pos] == u'\n'))
            ++m_pos;
    }

    void overslaanRand()
    {
        while (m_pos < m_tekst.size() && (m_tekst[m_pos] == u' ' || m_tekst[m_pos] == u'\t'))
            ++m_pos;
    }

    static int cijferWaarde(QChar c)
    {
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9')
            return u - u'0';
        if (u >= u'a' && u <= u'f')
            return u - u'a' + 10;
        if (u >= u'A' && u <= u'F')
            return u - u'A' + 10;
        return 99;
    }

    // &H1F and &O17: up to 16 bits the value is a signed 16-bit number, up to 32 bits a signed 32-bit one
    // (&HFFFF is -1, &H10000 is 65536).
    std::optional<double> leesGrondtal()
    {
        verder();
        const QChar soort = kijk().toUpper();
        if (soort != u'H' && soort != u'O')
            return std::nullopt;
        const int grondtal = soort == u'H' ? 16 : 8;
        verder();
        quint64 waarde = 0;
        bool cijfers = false;
        bool teGroot = false;
        for (int c = cijferWaarde(kijk()); c < grondtal; c = cijferWaarde(kijk())) {
            waarde = waarde * grondtal + c;
            teGroot = teGroot || waarde > 0xFFFFFFFFull;
            cijfers = true;
            verder();
        }
        if (!cijfers)
            return std::nullopt;
        if (teGroot)
            throw std::overflow_error(overloop);
        if (waarde <= 0xFFFF)
            return static_cast<double>(static_cast<qint16>(waarde));
        return static_cast<double>(static_cast<qint32>(waarde));
    }

    std::optional<double> leesDecimaal()
    {
        bool negatief = false;
        if (kijk() == u'+' || kijk() == u'-') {
            negatief = kijk() == u'-';
            verder();
        }
        // The digits are gathered without the decimal point, the exponent corrected for the fraction;
        // that keeps the conversion independent of the C locale.
        std::string cijfers;
        bool gelezen = false;
        long exponent = 0;
        auto cijfer = [&](bool fractie) {
            if (!kijk().isDigit() || kijk().unicode() > 127)
                return false;
            if (!cijfers.empty() || kijk() != u'0')
                cijfers += static_cast<char>(kijk().unicode());
            if (fractie)
                --exponent;
            gelezen = true;
            verder();
            return true;
        };
        while (cijfer(false)) {
        }
        if (kijk() == u'.' || (!m_alsVal && kijk() == u',')) {
            verder();
            while (cijfer(true)) {
            }
        }
        if (!gelezen)
            return std::nullopt;

        const QChar e = kijk().toUpper();
        if (e == u'E' || e == u'D') {
            const qsizetype terug = m_pos;
            verder();
            bool expNegatief = false;
            if (kijk() == u'+' || kijk() == u'-') {
                expNegatief = kijk() == u'-';
                verder();
            }
            long waarde = 0;
            bool expCijfers = false;
            while (kijk().isDigit() && kijk().unicode() <= 127) {
                waarde = std::min(waarde * 10 + (kijk().unicode() - u'0'), 1000000L);
                expCijfers = true;
                verder();
            }
            if (expCijfers)
                exponent += expNegatief ? -waarde : waarde;
            else
                m_pos = terug;
        }

        if (cijfers.empty())
            return 0.0;
        cijfers += 'e' + std::to_string(exponent);
        errno = 0;
        const double waarde = std::strtod(cijfers.c_str(), nullptr);
        if (errno == ERANGE && std::isinf(waarde))
            throw std::overflow_error(overloop);
        return negatief ? -waarde : waarde;
    }

    QStringView m_tekst;
    bool m_alsVal;
    qsizetype m_pos = 0;
};

// The numeric value of a Waarde as the conversion functions take it.
double alsGetal(const db::Waarde& w)
{
    switch (w.soort()) {
    case db::Waarde::Soort::Null:
        throw std::invalid_argument("Ongeldig gebruik van Null");
    case db::Waarde::Soort::Tekst: {
        const std::optional<double> getal = GetalLezer(w.tekst(), false).lees();
        if (!getal)
            throw std::invalid_argument(typeFout);
        return *getal;
    }
    default:
        return w.getal();
    }
}

double rondAf(double x, double laagste, double hoogste)
{
    // The default floating-point rounding mode rounds half to even, the classic rounding.
    const double r = std::nearbyint(x);
    if (!(r >= laagste && r <= hoogste))
        throw std::overflow_error(overloop);
    return r;
}

template <typename Omzetting>
QString perTeken(const QString& s, Omzetting omzetten)
{
    // Character by character, so the length never changes ("ß" stays "ß").
    QString uit = s;
    const qsizetype n = uit.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = uit[i];
        if (c.isHighSurrogate() && i + 1 < n && uit[i + 1].isLowSurrogate()) {
            const char32_t nieuw = omzetten(QChar::surrogateToUcs4(c, uit[i + 1]));
            if (QChar::requiresSurrogates(nieuw)) {
                uit[i] = QChar(QChar::highSurrogate(nieuw));
                uit[i + 1] = QChar(QChar::lowSurrogate(nieuw));
            }
            ++i;
        } else {
            uit[i] = QChar(static_cast<char16_t>(omzetten(c.unicode())));
        }
    }
    return uit;
}

} // namespace

QString Left(const QString& s, qsizetype n)
{
    eisNietNegatief(n);
    return s.first(std::min(n, s.size()));
}

QString Right(const QString& s, qsizetype n)
{
    eisNietNegatief(n);
    return s.last(std::min(n, s.size()));
}

QString Mid(const QString& s, qsizetype start)
{
    eisPositie(start);
    return start > s.size() ? QString() : s.sliced(start - 1);
}

QString Mid(const QString& s, qsizetype start, qsizetype len)
{
    eisPositie(start);
    eisNietNegatief(len);
    if (start > s.size())
        return QString();
    return s.sliced(start - 1, std::min(len, s.size() - start + 1));
}

qsizetype Len(const QString& s)
{
    return s.size();
}

double Val(const QString& s)
{
    return *GetalLezer(s, true).lees();
}

double Val(const db::Waarde& w)
{
    return Val(w.tekst());
}

double Val(const char* s)
{
    return Val(QString::fromUtf8(s));
}

qsizetype InStr(qsizetype start, const QString& s, const QString& zoek, Vergelijk modus)
{
    eisPositie(start);
    if (zoek.isEmpty())
        return start <= s.size() + 1 ? start : 0;
    if (start > s.size())
        return 0;
    return s.indexOf(zoek, start - 1, hoofdletters(modus)) + 1;
}

qsizetype InStr(const QString& s, const QString& zoek)
{
    return InStr(1, s, zoek);
}

QString UCase(const QString& s)
{
    // Micro (µ) has no capital in Windows-1252: it stays, rather than become a Greek Mu no file can hold.
    return perTeken(s, [](char32_t c) { return c == 0xB5 ? c : QChar::toUpper(c); });
}

QString LCase(const QString& s)
{
    return perTeken(s, [](char32_t c) { return QChar::toLower(c); });
}

QString Trim(const QString& s)
{
    return LTrim(RTrim(s));
}

QString LTrim(const QString& s)
{
    qsizetype i = 0;
    while (i < s.size() && s[i] == u' ')
        ++i;
    return s.sliced(i);
}

QString RTrim(const QString& s)
{
    qsizetype n = s.size();
    while (n > 0 && s[n - 1] == u' ')
        --n;
    return s.first(n);
}

QString Replace(const QString& s, const QString& zoek, const QString& door, Vergelijk modus)
{
    return Replace(s, zoek, door, 1, -1, modus);
}

QString Replace(const QString& s, const QString& zoek, const QString& door, qsizetype start, qsizetype aantal,
                Vergelijk modus)
{
    eisPositie(start);
    if (aantal < -1)
        throw std::invalid_argument(ongeldigArgument);
    const QString deel = Mid(s, start);
    if (zoek.isEmpty() || aantal == 0)
        return deel;
    QString uit;
    qsizetype vanaf = 0;
    for (qsizetype gedaan = 0; aantal == -1 || gedaan < aantal; ++gedaan) {
        const qsizetype gevonden = deel.indexOf(zoek, vanaf, hoofdletters(modus));
        if (gevonden < 0)
            break;
        uit += QStringView(deel).sliced(vanaf, gevonden - vanaf);
        uit += door;
        vanaf = gevonden + zoek.size();
    }
    uit += QStringView(deel).sliced(vanaf);
    return uit;
}

QString Space(qsizetype n)
{
    return String(n, QChar(u' '));
}

QString String(qsizetype n, QChar ch)
{
    eisNietNegatief(n);
    return QString(n, ch);
}

QString String(qsizetype n, const QString& ch)
{
    if (ch.isEmpty())
        throw std::invalid_argument(ongeldigArgument);
    return String(n, ch[0]);
}

int CInt(double x)
{
    return static_cast<int>(rondAf(x, -32768, 32767));
}

int CInt(const db::Waarde& w)
{
    return CInt(alsGetal(w));
}

qint32 CLng(double x)
{
    return static_cast<qint32>(rondAf(x, -2147483648.0, 2147483647.0));
}

qint32 CLng(const db::Waarde& w)
{
    return CLng(alsGetal(w));
}

double Int(double x)
{
    const double r = std::floor(x);
    return r == 0 ? 0.0 : r;
}

double Fix(double x)
{
    const double r = std::trunc(x);
    return r == 0 ? 0.0 : r;
}

bool IsNumeric(const db::Waarde& w)
{
    switch (w.soort()) {
    case db::Waarde::Soort::Null:
    case db::Waarde::Soort::Datum:
        return false;
    case db::Waarde::Soort::Tekst:
        try {
            return GetalLezer(w.tekst(), false).lees().has_value();
        } catch (const std::overflow_error&) {
            return false;
        }
    default:
        return true;
    }
}

bool AlleenCijfers(const QString& tekst)
{
    if (tekst.isEmpty())
        return false;
    for (const QChar c : tekst) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

} // namespace core
