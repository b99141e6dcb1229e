#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

namespace db {

/**
 * An untyped value as the program passes it around: empty (never assigned), missing (Null),
 * text, whole number, number, date or yes/no.
 *
 * Text conversions follow the program's own conventions: a date reads as "dd-mm-yyyy",
 * a number as its shortest decimal text with a point.
 */
class Waarde
{
public:
    enum class Soort
    {
        Leeg,
        Null,
        Tekst,
        Geheel,
        Getal,
        Datum,
        JaNee
    };

    Waarde() = default;
    Waarde(const QString& tekst)
        : m_soort(Soort::Tekst)
        , m_tekst(tekst)
    {
    }
    Waarde(const char* tekst);
    Waarde(QStringView tekst);
    Waarde(int getal)
        : m_soort(Soort::Geheel)
        , m_geheel(getal)
    {
    }
    Waarde(qint64 getal)
        : m_soort(Soort::Geheel)
        , m_geheel(getal)
    {
    }
    Waarde(double getal)
        : m_soort(Soort::Getal)
        , m_getal(getal)
    {
    }
    Waarde(const QDate& datum);
    Waarde(const QDateTime& datum);
    Waarde(bool jaNee);

    /** The missing value (Null). */
    static Waarde null();

    Soort soort() const { return m_soort; }
    bool isLeeg() const { return m_soort == Soort::Leeg; }
    bool isNull() const { return m_soort == Soort::Null; }
    bool isTekst() const { return m_soort == Soort::Tekst; }
    bool isGetal() const { return m_soort == Soort::Geheel || m_soort == Soort::Getal; }
    bool isDatum() const { return m_soort == Soort::Datum; }
    bool isJaNee() const { return m_soort == Soort::JaNee; }

    /** The text form; empty and Null give the empty text. */
    QString tekst() const { return m_soort == Soort::Tekst ? m_tekst : tekstVanAnder(); }
    /** The numeric value: a number as it is, a text as Val reads it, a date as its day count, yes -1. */
    double getal() const;
    /** The whole-number value, rounded half to even as the program's CInt does. */
    qint64 geheel() const;
    /** The date, or an invalid QDateTime when the value is not a readable date. */
    QDateTime datum() const;
    bool jaNee() const;

    /** Same kind and same content (texts compared exactly). */
    bool operator==(const Waarde& ander) const;
    bool operator!=(const Waarde& ander) const { return !(*this == ander); }

private:
    QString tekstVanAnder() const;

    Soort m_soort = Soort::Leeg;
    QString m_tekst;
    qint64 m_geheel = 0;
    double m_getal = 0;
    std::optional<QDateTime> m_datum; ///< only for a date: a value of another kind is copied without it
};

/**
 * The number that a text holds as a whole, with "." or "," as the decimal separator and blanks
 * around it; false for any other text, and for an infinite or undefined number ("inf", "nan",
 * "1e999"), which no number field can hold.
 */
bool tekstAlsGetal(const QString& tekst, double& getal);

/** Reads a date in the program's text forms: dd-mm-yyyy, d/m/yyyy, yyyy-mm-dd, each with an optional time. */
QDateTime leesDatum(const QString& tekst);

/** The date as "dd-mm-yyyy", with " hh:mm:ss" when it has a time of day. */
QString datumAlsTekst(const QDateTime& datum);

/**
 * The text of n characters as a QString. Texts of one ASCII character ("J", "N", "+", a blank) fill
 * most fields of a sheet: they share one stored copy each instead of allocating their own.
 */
QString gedeeldeTekst(const QChar* tekens, qsizetype n);
/** Of one byte; nullptr when the byte is no ASCII character. */
const QString* gedeeldeTekst(unsigned char teken);

} // namespace db
