#include "Waarde.h"

#include <QRegularExpression>
#include <array>
#include <cmath>

namespace db {

namespace {

// Val: the number that a text begins with, blanks skipped, "." as the decimal point.
double valVan(const QString& tekst)
{
    QString cijfers;
    bool punt = false;
    bool exponent = false;
    int i = 0;
    const int n = tekst.size();
    auto overslaan = [&] {
        while (i < n && (tekst[i] == u' ' || tekst[i] == u'\t'))
            ++i;
    };
    overslaan();
    if (i < n && (tekst[i] == u'-' || tekst[i] == u'+')) {
        cijfers += tekst[i];
        ++i;
    }
    for (; i < n; ++i) {
        const QChar c = tekst[i];
        if (c == u' ' || c == u'\t')
            continue;
        if (c.isDigit() && c.unicode() < 128) {
            cijfers += c;
        } else if (c == u'.' && !punt && !exponent) {
            punt = true;
            cijfers += c;
        } else if ((c == u'e' || c == u'E') && !exponent && cijfers.contains(QRegularExpression("[0-9]"))) {
            exponent = true;
            cijfers += u'e';
            if (i + 1 < n && (tekst[i + 1] == u'-' || tekst[i + 1] == u'+'))
                cijfers += tekst[++i];
        } else {
            break;
        }
    }
    bool ok = false;
    double d = cijfers.toDouble(&ok);
    if (ok)
        return d;
    // A dangling exponent or sign: drop characters from the end until it reads.
    while (!cijfers.isEmpty()) {
        cijfers.chop(1);
        d = cijfers.toDouble(&ok);
        if (ok)
            return d;
    }
    return 0;
}

QString getalAlsTekst(double d)
{
    if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 1e15)
        return QString::number(static_cast<qint64>(d));
    return QString::number(d, 'g', 15);
}

} // namespace

Waarde::Waarde(const char* tekst)
    : m_soort(Soort::Tekst)
    , m_tekst(QString::fromUtf8(tekst))
{
}

Waarde::Waarde(QStringView tekst)
    : m_soort(Soort::Tekst)
    , m_tekst(tekst.toString())
{
}

Waarde::Waarde(const QDate& datum)
    : m_soort(datum.isValid() ? Soort::Datum : Soort::Null)
{
    if (datum.isValid())
        m_datum = datum.startOfDay();
}

Waarde::Waarde(const QDateTime& datum)
    : m_soort(datum.isValid() ? Soort::Datum : Soort::Null)
{
    if (datum.isValid())
        m_datum = datum;
}

Waarde::Waarde(bool jaNee)
    : m_soort(Soort::JaNee)
    , m_geheel(jaNee ? -1 : 0)
{
}

Waarde Waarde::null()
{
    Waarde w;
    w.m_soort = Soort::Null;
    return w;
}

QString Waarde::tekstVanAnder() const
{
    switch (m_soort) {
    case Soort::Leeg:
    case Soort::Null:
        return QString();
    case Soort::Tekst:
        return m_tekst;
    case Soort::Geheel:
        return QString::number(m_geheel);
    case Soort::Getal:
        return getalAlsTekst(m_getal);
    case Soort::Datum:
        return datumAlsTekst(*m_datum);
    case Soort::JaNee:
        return m_geheel ? QStringLiteral("Waar") : QStringLiteral("Onwaar");
    }
    return QString();
}

double Waarde::getal() const
{
    switch (m_soort) {
    case Soort::Leeg:
    case Soort::Null:
        return 0;
    case Soort::Tekst:
        return valVan(m_tekst);
    case Soort::Geheel:
    case Soort::JaNee:
        return static_cast<double>(m_geheel);
    case Soort::Getal:
        return m_getal;
    case Soort::Datum:
        // Days since 30 December 1899, the usual serial date.
        return static_cast<double>(QDate(1899, 12, 30).daysTo(m_datum->date()))
            + m_datum->time().msecsSinceStartOfDay() / 86400000.0;
    }
    return 0;
}

qint64 Waarde::geheel() const
{
    if (m_soort == Soort::Geheel || m_soort == Soort::JaNee)
        return m_geheel;
    return static_cast<qint64>(std::nearbyint(getal()));
}

QDateTime Waarde::datum() const
{
    if (m_soort == Soort::Datum)
        return *m_datum;
    if (m_soort == Soort::Tekst)
        return leesDatum(m_tekst);
    return QDateTime();
}

bool Waarde::jaNee() const
{
    if (m_soort == Soort::Tekst) {
        const QString t = m_tekst.trimmed().toLower();
        if (t == u"waar" || t == u"true" || t == u"ja" || t == u"j")
            return true;
    }
    return getal() != 0;
}

bool Waarde::operator==(const Waarde& ander) const
{
    if (m_soort != ander.m_soort)
        return false;
    switch (m_soort) {
    case Soort::Leeg:
    case Soort::Null:
        return true;
    case Soort::Tekst:
        return m_tekst == ander.m_tekst;
    case Soort::Geheel:
    case Soort::JaNee:
        return m_geheel == ander.m_geheel;
    case Soort::Getal:
        return m_getal == ander.m_getal;
    case Soort::Datum:
        return *m_datum == *ander.m_datum;
    }
    return false;
}

namespace {

// The two forms every stored date has, "dd-mm-yyyy" and "yyyy-mm-dd", read without the patterns:
// date queries read one for every row they look at.
bool cijfers(const QString& t, int van, int aantal, int& uit)
{
    uit = 0;
    for (int i = van; i < van + aantal; ++i) {
        const char16_t c = t[i].unicode();
        if (c < u'0' || c > u'9')
            return false;
        uit = uit * 10 + (c - u'0');
    }
    return true;
}

bool snelDatum(const QString& t, QDateTime& uit)
{
    if (t.size() != 10)
        return false;
    int dag = 0, maand = 0, jaar = 0;
    if (t[2] == u'-' && t[5] == u'-') {
        if (!cijfers(t, 0, 2, dag) || !cijfers(t, 3, 2, maand) || !cijfers(t, 6, 4, jaar))
            return false;
    } else if (t[4] == u'-' && t[7] == u'-') {
        if (!cijfers(t, 0, 4, jaar) || !cijfers(t, 5, 2, maand) || !cijfers(t, 8, 2, dag))
            return false;
    } else {
        return false;
    }
    const QDate datum(jaar, maand, dag);
    uit = datum.isValid() ? QDateTime(datum, QTime(0, 0)) : QDateTime();
    return true;
}

} // namespace

bool tekstAlsGetal(const QString& tekst, double& uit)
{
    // A whole number of up to 15 digits (most numbers a file brings) is read here at once: Qt's
    // conversion costs more than writing the row.
    const qsizetype n = tekst.size();
    const bool min = n > 0 && tekst[0] == u'-';
    if (n > qsizetype(min) && n - qsizetype(min) <= 15) {
        qint64 getal = 0;
        qsizetype i = min ? 1 : 0;
        for (; i < n; ++i) {
            const char16_t c = tekst[i].unicode();
            if (c < u'0' || c > u'9')
                break;
            getal = getal * 10 + (c - u'0');
        }
        if (i == n) {
            uit = min ? -static_cast<double>(getal) : static_cast<double>(getal);
            return true;
        }
    }
    QString t = tekst.trimmed();
    if (t.isEmpty())
        return false;
    bool ok = false;
    uit = t.toDouble(&ok);
    if (!ok && t.count(u',') == 1 && !t.contains(u'.')) {
        t.replace(u',', u'.');
        uit = t.toDouble(&ok);
    }
    // "inf" and "nan" read as numbers that no field holds.
    return ok && std::isfinite(uit);
}

QDateTime leesDatum(const QString& invoer)
{
    QDateTime snel;
    if (snelDatum(invoer, snel))
        return snel;
    static const QRegularExpression dagEerst(
        QStringLiteral(R"(^\s*(\d{1,2})[-/.](\d{1,2})[-/.](\d{2}|\d{4})(?:[ T]+(\d{1,2})[:.](\d{2})(?:[:.](\d{2}))?)?\s*$)"));
    static const QRegularExpression jaarEerst(
        QStringLiteral(R"(^\s*(\d{4})-(\d{1,2})-(\d{1,2})(?:[ T]+(\d{1,2}):(\d{2})(?::(\d{2}))?)?\s*$)"));
    int dag = 0, maand = 0, jaar = 0;
    QTime tijd(0, 0);
    QRegularExpressionMatch m = dagEerst.match(invoer);
    if (m.hasMatch()) {
        dag = m.captured(1).toInt();
        maand = m.captured(2).toInt();
        jaar = m.captured(3).toInt();
        if (m.captured(3).size() == 2)
            jaar += jaar < 30 ? 2000 : 1900;
    } else {
        m = jaarEerst.match(invoer);
        if (!m.hasMatch())
            return QDateTime();
        jaar = m.captured(1).toInt();
        maand = m.captured(2).toInt();
        dag = m.captured(3).toInt();
    }
    if (!m.captured(4).isEmpty()) {
        tijd = QTime(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).isEmpty() ? 0 : m.captured(6).toInt());
        if (!tijd.isValid())
            return QDateTime();
    }
    const QDate datum(jaar, maand, dag);
    if (!datum.isValid())
        return QDateTime();
    return QDateTime(datum, tijd);
}

QString datumAlsTekst(const QDateTime& datum)
{
    if (!datum.isValid())
        return QString();
    QString t = datum.date().toString(QStringLiteral("dd-MM-yyyy"));
    if (datum.time() != QTime(0, 0))
        t += datum.time().toString(QStringLiteral(" HH:mm:ss"));
    return t;
}

const QString* gedeeldeTekst(unsigned char teken)
{
    static const std::array<QString, 128> enkel = [] {
        std::array<QString, 128> a;
        for (char16_t c = 0; c < 128; ++c)
            a[c] = QString(QChar(c));
        return a;
    }();
    return teken < 128 ? &enkel[teken] : nullptr;
}

QString gedeeldeTekst(const QChar* tekens, qsizetype n)
{
    if (n == 1 && tekens->unicode() < 128)
        return *gedeeldeTekst(static_cast<unsigned char>(tekens->unicode()));
    return QString(tekens, n);
}

} // namespace db
