#pragma once

#include <QString>

namespace db {

/**
 * Capitals and small letters as the program's texts know them: the letters of Windows-1252, the code
 * page of every file the program reads and writes. a-z pair with A-Z, à-þ with À-Þ (not ÷ and ×),
 * and ÿ, š, œ, ž with Ÿ, Š, Œ, Ž. ß and µ have no partner and stay as they are, as does every character
 * outside the code page. The length of a text never changes.
 *
 * The database engine's NOCASE folds A-Z only; these are for the program's own comparisons.
 */
QString hoofdletters(const QString& tekst);
QString kleineLetters(const QString& tekst);

/** Compares two texts without regard to case (as above): negative, zero or positive. */
int vergelijkZonderHoofdletters(QStringView a, QStringView b);
inline bool gelijkZonderHoofdletters(QStringView a, QStringView b)
{
    return a.size() == b.size() && vergelijkZonderHoofdletters(a, b) == 0;
}

} // namespace db
