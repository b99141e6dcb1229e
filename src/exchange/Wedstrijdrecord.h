#pragma once

// The result line of one team match: the one-line form of its sheet that the competition's website
// takes in the results file of a play date, and that another installation takes from the section of
// filled-in matches in Export.ttr.
//
//   I;11;PVLB-H-05-12;VLB45;VLB107;512301,512302,512303,1-3;498110,--,498112,1-3;P7/-9/5/8,9,...;
//   512301,498110,-,-;19:30,22:05;"Voorbehoud THUIS:\nVerlichting zwak"
//
// Eleven fields: record kind, season number, competition code-category-week-number, the two club
// codes, the two line-ups, the games, captains and officials, start and end time, reservations.

#include "db/Database.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

namespace exchange {

/** A record that cannot be made or taken in; the reason is Dutch and names what is missing. */
class RecordFout : public std::runtime_error
{
public:
    explicit RecordFout(const QString& reden)
        : std::runtime_error(reden.toStdString())
        , m_reden(reden)
    {
    }
    QString reden() const { return m_reden; }

private:
    QString m_reden;
};

/** What the records of one export need besides the match row, read once. */
struct Recordgegevens
{
    QHash<int, QString> tabT;          ///< Provincies: Nr → TabT
    int breedteCompNr = 6;             ///< the width of a member number
    std::optional<QString> superDubbel;///< option 'SuperDubbelSpelen' in capitals; none when the row is missing

    /** Reads the provinces and the option from the database, the width from the shared state. */
    static Recordgegevens lezen(db::Database& d);

    /** Where the columns of a record stand in the rows of one recordset; found once per set of columns. */
    struct Kolommen
    {
        int aantal = -1;
        QString eerste;
        std::vector<int> plaats;
        // The values of the row being made into a record, each read once: a value belongs to
        // that row when its number is the row's.
        std::vector<db::Waarde> waarden;
        std::vector<quint64> gelezenVoor;
        quint64 rij = 0;
    };
    mutable std::shared_ptr<Kolommen> kolommen = std::make_shared<Kolommen>();
};

/** How the caller sees the match: its line-up size, its team size and its flags. */
struct Recordkenmerken
{
    int plaatsen = 0;        ///< line-up places per side
    int spelersPerPloeg = 0; ///< players per team of the division (2, 3 or 4)
    bool forfait = false;    ///< one of the teams forfeited
    bool vrijePlaats = false;///< one of the teams is a free place
    bool limburg = false;    ///< the division is one of province Limburg
    bool vrijetijd = false;  ///< the division is a recreational one
    bool povl = false;       ///< every provincial match is coded POVL
};

/**
 * The result line of the match row on which the recordset stands (the recordset is only read).
 * @throw RecordFout when a province of the match has no row in Provincies, the season text does not
 *        begin with a year, or the option 'SuperDubbelSpelen' is needed and missing
 */
QString WedstrijdRecordMaken(const db::Recordset& rij, const Recordkenmerken& kenmerken, const Recordgegevens& gegevens);

/**
 * The stored values of the match row that its result line carries and that hold a letter Windows-1252
 * lacks (a file in that code page writes it as "?"), as they are stored, in the order of the line.
 */
QStringList WaardenBuitenAnsi(const db::Recordset& rij, const Recordgegevens& gegevens);

/** The season number: the first four characters of the season as a number, minus 1999 (2010-2011 gives 11). */
int SeizoenNaarNummer(const QString& seizoen);

/** The three reservations as one text, each after its heading, joined by the two characters \n. */
QString VoorbehoudTekst(const db::Waarde& thuis, const db::Waarde& uit, const db::Waarde& official);

/**
 * The three reservations (home team, visitors, official) back from the text that VoorbehoudTekst
 * made of them: split on the headings, "\\" one backslash again and the line ends as the remarks
 * window stores them (see the source). A reservation without its heading is empty.
 * @return nothing when the text does not begin with a heading
 */
std::optional<std::array<QString, 3>> VoorbehoudTekstLezen(QStringView tekst);

/** Backslashes doubled, double quotes made apostrophes, CR, LF and vertical tab written as \n. */
QString TekstOntsnappen(const QString& tekst);

/** The level code of a result line by level letter, category and home province ("" when there is none). */
QString Competitiecode(const QString& soortComp, const QString& herDam, int thuisProvincie, bool povl);

/** The home province whose provincial code (PWVL, PANT, PL/K, POVL, PVLB) the text holds; 0 when it holds none. */
int ProvincieVanCompetitiecode(const QString& tekst);

/** The number that the text begins with, blanks skipped; 0 when it begins with no digit. */
qint64 LeidendGetal(const QString& tekst);

/** A team name that stands for a free place: its first four characters, trimmed, are "vrij" in any case. */
bool IsVrijePlaats(const QString& ploegnaam);

/** The number of games of a team of this many players: 16, 10 or 7; 0 for any other number. */
int AantalSpellen(int spelersPerPloeg);

/**
 * The super-doubles value of a match as its result line uses it: "J", except for a Super men's match
 * (level S, category other than D, Soort 4): the option 'SuperDubbelSpelen' in capitals. With "N"
 * the doubles (game 4) has no entry.
 * @throw RecordFout when the option is needed and missing
 */
QString SuperDubbelWaarde(const QString& soortComp, const QString& herDam, const db::Waarde& soort,
                          const std::optional<QString>& optie);

/** A division whose matches are Super matches (Matchen.Soort 4): its name holds "Super", in these capitals. */
bool IsSuperReeks(const QString& naam);

/** Sets the flags that a division's name gives (Limburg, recreational), its letters in any case. */
void ReeksKenmerkenZetten(const QString& naam, Recordkenmerken& kenmerken);

/**
 * The game whose entry the result lines of a division always write as "-", whatever the sheet holds:
 * game 7 (the doubles, not played there) in a recreational division of Limburg; 0 in any other.
 */
int VastNietGespeeldSpel(const Recordkenmerken& kenmerken);

/** The line-up places of a result line: the players per team, but a team of two has 3 places with super doubles ("J") and 4 without. */
int Plaatsen(int spelersPerPloeg, const QString& superDubbel);

} // namespace exchange
