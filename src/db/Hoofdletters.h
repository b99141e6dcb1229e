#pragma once

#include <QString>

#include <vector>

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

/**
 * Names (of fields) looked up without regard to case, as above. A look-up neither allocates nor
 * uses Qt's string hash: a recordset looks its fields up by name for every value it reads or sets.
 */
class NamenIndex
{
public:
    void wissen();
    /** Adds a name with its number; a name already there (in any case) takes the new number. */
    void toevoegen(QStringView naam, int nummer);
    /** The number of the name; -1 when it is not there. */
    int zoek(QStringView naam) const;

private:
    static size_t hash(QStringView naam);
    void herverdelen();

    std::vector<std::pair<QString, int>> m_namen;
    std::vector<int> m_plaatsen; ///< open addressing: a place in m_namen, or -1
};

} // namespace db
