#pragma once

// The results file of a play date: one result line per complete match of the own club on that
// date, for upload to the competition's website; and the marking of every match as complete or not,
// which the export of filled-in matches relies on.

#include "Wedstrijdrecord.h"

#include "db/Database.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

namespace exchange {

/** What the results file of a play date became. */
struct Uitslagenverslag
{
    QString bestandsnaam;     ///< the club code, "-", the date and ".ttr"
    QString pad;              ///< the whole path of the file written
    int geschreven = 0;       ///< result lines in the file
    QStringList onvolledig;   ///< one line per match left out because its sheet is not complete
    QStringList nietGemaakt;  ///< one line per match whose result line could not be made, with the reason
    QStringList verlorenLetters; ///< the values with a letter that Windows-1252 lacks (a "?" in the file), with their match
};

/** The province code of the competition and the club number that a club code holds. */
struct Clubcode
{
    QString clubNr;       ///< its last three characters
    QString provincie;    ///< the rest, with B, O and VB written as BBW, OVL and VLB
    int provincieNr = -1; ///< the own club's province when the letters are its abbreviation without dots, else the province whose TabT they are; -1 when none
    bool povl = false;    ///< club 247 of VLB: every provincial match is coded POVL
};
Clubcode ClubcodeLezen(const QString& clubcode);

/**
 * Writes the results file of the play date into the folder: the own club's home matches of that
 * date, and its away matches whose home team forfeited or is a free place, each as a result line
 * when its sheet is complete. The file is written under a temporary name and replaces a file of the
 * same name only when it is complete.
 * @param clubcode the own club's province abbreviation without dots and its number (VB123)
 * @param datum the play date as the main window shows it
 * @param map the folder, ending in a separator
 * @throw core::ActieFout when the club code names no province or the file cannot be written
 */
Uitslagenverslag UitslagenSchrijven(const QString& clubcode, const QString& datum, const QString& map);

/** The closing message of the results file. */
QString UitslagenMelding(const Uitslagenverslag& verslag, const QString& datum, const QString& map);

/**
 * The paragraph of a closing message that names the matches left out because their sheet is not
 * complete, one a line (as WedstrijdNoemen names them), with the line breaks before and after it.
 */
QString OnvolledigMelding(const QStringList& wedstrijden);

/**
 * Marks every match in Matchen.Ingeput as complete ("J") or not ("N"); only rows whose mark changes
 * are written, in one transaction. A match is complete with the places of its result line filled:
 * after a forfeit or against a free place those of the side that played, otherwise both sides' and
 * every game. A place whose player is marked absent counts as filled, with or without a member number.
 * @param nietBeoordeeld when given, receives the rows (rowid) of the matches that the result names
 * @return one line per match with something on its sheet that cannot be judged (marked "N"): its
 *         division is not in Reeksen, or it needs the missing option 'SuperDubbelSpelen'
 */
QStringList IngevuldeWedstrijdenMarkeren(QSet<qint64>* nietBeoordeeld = nullptr);

/**
 * The matches of the season that the last marking found not complete while their sheet holds
 * something typed: a player on a place (or marked absent), a captain, an official, or points of a set
 * (the "w" and "o" of a walk-over follow from the places and are no points). Named as WedstrijdNoemen
 * names them, in the order of the level letter.
 * @param behalve rows to leave out (those that could not be judged, which are named with their reason)
 */
QStringList OnvolledigeWedstrijden(const QString& seizoen, const QSet<qint64>& behalve);

/** A match's division: its name and players per team. */
struct Reeks
{
    bool gevonden = false;
    QString naam;
    int spelers = 0;
};

/** The divisions of matches, looked up by season, level, category and number, each once. */
class ReeksZoeker
{
public:
    /** The division of the match row on which the recordset stands. */
    Reeks zoeken(const db::Recordset& rij);

private:
    QHash<QString, Reeks> m_reeksen;
};

/** The text that names a match in the closing messages: "- Wedstrijd "<number>: <home> - <away>"". */
QString WedstrijdNoemen(const db::Recordset& rij);

/**
 * Whether a place (1-4) of a side is filled: a member number, or the player marked absent, whom the
 * picker may store without a member number.
 */
bool PlaatsGevuld(const db::Recordset& rij, bool thuis, int plaats);

/** A value with a letter that Windows-1252 lacks, named after what holds it ("- tabel Leden"): the value in double quotes, on one line. */
QString VerlorenLetterNoemen(const QString& waar, QString waarde);

/**
 * When the result line holds a letter that Windows-1252 lacks: its match and each value of the row
 * that holds one, named for the closing message; otherwise nothing.
 */
QStringList VerlorenLettersVanRecord(const QString& record, const db::Recordset& rij, const Recordgegevens& gegevens);

/** The closing message's paragraph that names the values whose letters became "?", one a line. */
QString VerlorenLettersMelding(const QStringList& waarden);

} // namespace exchange
