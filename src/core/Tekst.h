#pragma once

#include "db/Waarde.h"

#include <QString>
#include <concepts>

// The classic string and number functions of the program's BASIC notation, with their exact behaviour,
// so that the logic ports line by line. Positions are 1-based like the originals; a position or length
// out of range throws std::invalid_argument, a number out of range std::overflow_error.
namespace core {

/** How InStr and Replace compare text: exactly (0) or ignoring case (1). */
enum class Vergelijk
{
    Binair = 0,
    Tekst = 1
};

/** The first n characters; the whole text when n exceeds its length. */
QString Left(const QString& s, qsizetype n);
/** The last n characters; the whole text when n exceeds its length. */
QString Right(const QString& s, qsizetype n);
/** Everything from the 1-based position start on; "" when start lies past the end. */
QString Mid(const QString& s, qsizetype start);
/** At most len characters from the 1-based position start on. */
QString Mid(const QString& s, qsizetype start, qsizetype len);

qsizetype Len(const QString& s);

/**
 * The number a text begins with. Blanks, tabs and line feeds are ignored everywhere, "." is the only
 * decimal point, an exponent (E or D) and the prefixes &H and &O are recognised; reading stops at the
 * first other character, so "12a" gives 12 and "a12" gives 0.
 */
double Val(const QString& s);
/** Val of the value's text form. */
double Val(const db::Waarde& w);
double Val(const char* s);

/** 1-based position of zoek in s at or after start, or 0. An empty zoek gives start (if start <= Len(s) + 1). */
qsizetype InStr(qsizetype start, const QString& s, const QString& zoek, Vergelijk modus = Vergelijk::Binair);
qsizetype InStr(const QString& s, const QString& zoek);

QString UCase(const QString& s);
QString LCase(const QString& s);
/** Trim, LTrim and RTrim remove blanks only, never tabs or line ends. */
QString Trim(const QString& s);
QString LTrim(const QString& s);
QString RTrim(const QString& s);

/** Every occurrence of zoek replaced by door; an empty zoek leaves s unchanged. */
QString Replace(const QString& s, const QString& zoek, const QString& door, Vergelijk modus = Vergelijk::Binair);
/**
 * The classic long form: the result starts at the 1-based position start (the text before it is dropped)
 * and at most aantal replacements are made (-1: all).
 */
QString Replace(const QString& s, const QString& zoek, const QString& door, qsizetype start, qsizetype aantal = -1,
                Vergelijk modus = Vergelijk::Binair);

/** n blanks. */
QString Space(qsizetype n);
/** n times the character ch. */
QString String(qsizetype n, QChar ch);
/** n times the first character of ch; ch must not be empty. */
QString String(qsizetype n, const QString& ch);

/**
 * Rounded half to even to a 16-bit whole number (-32768..32767, else std::overflow_error).
 * A text must read completely as a number (blanks around it allowed, "," or "." as decimal separator),
 * otherwise std::invalid_argument; Null is refused as well.
 */
int CInt(double x);
int CInt(const db::Waarde& w);
/** A yes/no counts as -1 or 0, as everywhere in the program. */
int CInt(std::same_as<bool> auto jaNee)
{
    return jaNee ? -1 : 0;
}

/** As CInt, but for the 32-bit range. */
qint32 CLng(double x);
qint32 CLng(const db::Waarde& w);
qint32 CLng(std::same_as<bool> auto jaNee)
{
    return jaNee ? -1 : 0;
}

/** The largest whole number not above x: Int(-2.5) = -3. */
double Int(double x);
/** x with its fraction dropped: Fix(-2.5) = -2. */
double Fix(double x);

/**
 * Whether the value reads as a number: numbers, yes/no and Leeg do; Null and dates do not; a text must
 * read completely as a number, as for CInt.
 */
bool IsNumeric(const db::Waarde& w);

/** Whether the text is one or more of the digits 0 to 9 and nothing else (no sign, blank or separator). */
bool AlleenCijfers(const QString& tekst);

} // namespace core
