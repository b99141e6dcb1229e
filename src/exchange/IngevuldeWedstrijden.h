#pragma once

// The filled-in matches in Export.ttr: the section "###ingevulde Wedstrijden" with one result line
// per match whose sheet is complete, and taking those lines back onto the sheets of another
// installation.

#include "core/Voortgang.h"
#include "db/Database.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace exchange {

/** The section of filled-in matches as it goes into the file. */
struct IngevuldeSectie
{
    QStringList regels;       ///< header, count, one result line per match, "###"; empty without any match
    int wedstrijden = 0;      ///< result lines written
    QStringList overgeslagen; ///< matches that could not be written, each with the reason
    QStringList verlorenLetters; ///< the values with a letter that Windows-1252 lacks (a "?" in the file), with their match
    QStringList onvolledig;   ///< the season's matches with something typed whose sheet is not complete (not written)
};

/**
 * Marks every match complete or not and writes the result line of every complete one, in the order
 * of the level letter, with its progress (the caller sets the caption); names the matches of the
 * season that have something typed and are not complete (OnvolledigeWedstrijden).
 */
IngevuldeSectie IngevuldeWedstrijdenExporteren(core::IVoortgang& voortgang, const QString& seizoen);

/** What one result line of a filled-in match says, before its match is known. */
struct IngevuldRecord
{
    QString seizoen;          ///< 11 gives 2010-2011
    QString niveau;           ///< the level letter: P, S, N or L
    QString provincieNr;      ///< "10", "1", "3", "7" or "8" for a provincial code; empty otherwise
    QString categorie;        ///< H, D, V or J
    QString week;
    QString cijfers;          ///< the match's last three digits
    QString velden[10];       ///< fields 1 to 10 as they stand
    QString voorbehoud;       ///< field 11, the reservations between double quotes, as it stands; empty without
};

/**
 * Splits a result line into its fields and reads season, level, province, category, week and digits.
 * @throw RecordFout when the line has fewer than ten fields or its season or match field cannot be read
 */
IngevuldRecord IngevuldRecordLezen(const QString& regel);

/**
 * The rows of a calendar read into an empty Matchen table, held back until the filled-in matches
 * of the same file are known, so that each row is written once, with its sheet.
 */
class UitgesteldeKalender
{
public:
    /** Starts holding rows back; @param kolommen the fields of Matchen that each row gives, in order */
    void beginnen(const QStringList& kolommen);
    bool leeg() const { return m_rijen.empty(); }
    /**
     * Holds a row back.
     * @param regel the line the row was read from, kept as long as the row
     * @param waarden one value per field: views into regel or into texts that outlive the row
     */
    void toevoegen(const QString& regel, std::vector<QStringView> waarden);
    /**
     * Writes the rows held back into Matchen, in the order they came, each with the sheet that
     * records gave it; holds nothing afterwards.
     */
    void schrijven();

private:
    friend class IngevuldeWedstrijdenLezer;
    struct Rij
    {
        QString regel;
        std::vector<QStringView> waarden;
        qsizetype blad = -1;        ///< where the sheet's columns of its first record start in m_bladen; -1 none
        qsizetype laatsteBlad = -1; ///< and those of its last record
    };
    int kolom(const QString& naam) const;
    /**
     * Gives a row the sheet's columns of a record, after those of the records before it, as the
     * table's update would: vorm tells per column whether the record gives its value, leaves it,
     * or (a mask without games not played) leaves the row without one.
     */
    void bladToevoegen(size_t rij, const QByteArray& vorm, const QList<QString>& waarden);

    QStringList m_kolommen;
    std::vector<Rij> m_rijen;
    /**
     * The sheet's columns of the records, one block per record, in little memory: the place of
     * the row's next block (two units; all ones for none), then per column its number (the high
     * bit set where it is emptied), its length (two units) and its characters; a unit of all ones
     * ends the block.
     */
    std::u16string m_bladen;
};

/** One side's line-up as a result line gives it. */
struct RecordOpstelling;

/** Takes the result lines of filled-in matches onto the sheets of their matches. */
class IngevuldeWedstrijdenLezer
{
public:
    /**
     * Reads the matches and divisions that a record may name (once per section).
     * @param kalender when it holds rows: the whole calendar, not yet written; the records go into
     *        its rows instead of into the table
     */
    explicit IngevuldeWedstrijdenLezer(UitgesteldeKalender* kalender = nullptr);

    /**
     * Writes the line-ups, absences, doubles pairs, captains, officials, times, game markers, set
     * points and reservations of the record into its match, with the not-played masks that its
     * walk-overs need; values the record leaves empty are not written, and a game's sets after the
     * last one it lists are emptied. The sheet is left as the sender's is: an official given as
     * "-", an end time left empty after the start time, reservations given as none and the place of
     * an absent player without a member number ("--") empty a stored text (a blank, as the sheet
     * stores an emptied one); an official whose member number differs from the one held here comes
     * with the name, club and province that the player picker stores for that member; a record
     * without a doubles pair empties a stored pair of a player who is no longer on the side's
     * places. A Super ladies' match is coded NATL as a national ladies' match is: where both have
     * the number, the record's clubs tell which it is, and where only the Super one has it, it is
     * that. The line-ups have the places of the result line; a match whose result line has no
     * doubles (a Super match) gets its game 4 marked not played, as the calendar import marks it;
     * the entry that a division's result lines always write for one game (VastNietGespeeldSpel) is
     * that game's, also in a line that lists fewer games, and a line of that entry alone (a bye)
     * carries no game. The record of a forfeit is stored as the sheet's forfeit box stores one, and withdraws the
     * other team's; a record with games that is no forfeit withdraws a forfeit stored here. A
     * record that names no competition code is found by season, category, week and number: that of
     * a match against a free place at home by its visiting club, that of a provincial match of a
     * province without a code by the home club's province.
     * @return empty when the record was taken in; otherwise why it was passed over (its match, its
     *         division or its province is not in the database)
     * @throw RecordFout when the record cannot be read (also a Super match without its doubles whose
     *        games field lists fewer than three games, and an end time that is no time of day)
     */
    QString inlezen(const QString& regel);

    /** The records taken in with something left out (a doubles pair of one player), each with what. */
    const QStringList& opmerkingen() const { return m_opmerkingen; }

private:
    struct Match
    {
        qint64 rijnummer = 0;
        QString seizoen;
        QString soortComp;
        QString herDam;
        QString wedstrNr;
        QString provThuis;
        QString reeksNr;
        QString soort;
        // What the sheet holds here that a record is judged against, kept as the records of the
        // section change it (Null and a blank read as empty): the officials' member numbers, places
        // 1 to 3 and the doubles pair of each side (home, visitors).
        QString hoofdscheids;
        QString zaalcomm;
        QString lid[2][3];
        QString dubbel[2];
        int volgendeMatch = -1;   ///< the next row with the same key in m_matchen; -1 for none
        int volgendOpNummer = -1; ///< the next row with the same key in m_opNummer; -1 for none
    };
    /** The rows with one key, in the order of their row numbers, chained through the rows. */
    struct Keten
    {
        int eerste = -1;
        int laatste = -1;
    };
    struct Reeks
    {
        int spelers = 0;
        bool super = false; ///< its name holds "Super": its matches are Super matches (Soort 4)
        int vastSpel = 0;   ///< the game its result lines always write as "-" (VastNietGespeeldSpel); 0 none
    };
    /// every row of Matchen, by row number; of a held-back calendar, with the texts of its rows used in place
    std::vector<Match> m_rijen;
    QHash<QString, Keten> m_matchen;         ///< by season, level, category, first letter and last three characters
    QHash<QString, Keten> m_opNummer;        ///< by season and number as the index WedstrNr compares them
    QHash<QString, Reeks> m_reeksen;         ///< by season, level, category and division
    std::optional<QString> m_superDubbel;    ///< option 'SuperDubbelSpelen' in capitals; none when missing
    QHash<int, QString> m_tabT;              ///< Provincies: Nr → TabT
    /// the rows of matches against a free place at home whose record names no competition code, by
    /// season, category, last three characters and the visitors' club code; made for the first such record
    std::optional<QHash<QString, QList<int>>> m_vrijThuis;
    /// the club codes of every row (home, visitors) as its result line writes them, null where a
    /// province is missing; read for the first record that needs them
    std::optional<std::vector<std::array<QString, 2>>> m_clubcodes;
    QHash<QString, bool> m_provincies;       ///< whether Provincies has the province of a code
    /** A member as an official's picker takes him from the members table. */
    struct Lid
    {
        QString naam;
        int provincie = 0;
        QString clubNr;
    };
    /// the members by member number, and the clubs' short names by province and club number; read
    /// for the first official that a record changes
    std::optional<QHash<QString, Lid>> m_leden;
    QHash<QString, QString> m_clubnamen;
    QHash<int, QString> m_afkortingen;       ///< province abbreviations by number, as they are needed
    int m_breedte = 6;                       ///< the width of a member number
    QHash<int, std::array<std::pair<int, int>, 16>> m_volgorde; ///< home and away place of every game, by team size
    QList<QString> m_blad;                   ///< the values a record gives the sheet's columns
    QByteArray m_vorm;                       ///< which of them it gives
    QHash<QByteArray, QString> m_opdrachten; ///< the statement that writes them, by which
    QList<db::Waarde> m_waarden;             ///< the values of that statement
    UitgesteldeKalender* m_kalender = nullptr;
    QStringList m_opmerkingen;

    /**
     * Gives every row of Matchen, in the order of the row numbers, to doen(row number, values of the
     * named columns): the rows of the held-back calendar (their texts used in place), or else the table's.
     */
    template <size_t N, typename Doen>
    void matchenLezen(const std::array<QString, N>& kolommen, Doen&& doen) const;
    void matchToevoegen(Match match);

    /** Where a record goes: the match its fields name, the row to write, and the division's level. */
    struct Vondst
    {
        const Match* match = nullptr; ///< none when the calendar does not hold it
        Match* rij = nullptr;         ///< the row of that match to write; none when no row is exactly its
        QString niveau;
    };
    /** Finds the match of a record, among the rows read at the start of the section. */
    Vondst matchZoeken(const IngevuldRecord& r);

    /** Whether the record's games make it a forfeit. */
    struct Forfait
    {
        bool metSpellen = false; ///< the record lists games; without them the forfeits stay as stored
        QChar kant;              ///< 'T' the home team forfeited, 'U' the visitors; null for none
        int aantalSpellen = 0;
    };
    /**
     * What the record stores over what this installation holds: the forfeits, the places and
     * absences, the doubles pairs and the officials, into the sheet's columns of the record.
     */
    void overOpgeslagen(Match& rij, const RecordOpstelling& thuis, const RecordOpstelling& uit, int laatstePlaats,
                        const Forfait& forfait, const QString& hoofdscheids, const QString& zaalcommissaris);
    /** The member with this number (padded to the width); none when the members lack him. */
    const Lid* lidZoeken(const QString& compNr);
    const std::vector<std::array<QString, 2>>& clubcodes();
    /** Whether the row's clubs are those of the record (fields 4 and 5). */
    bool clubsVan(const Match& m, const IngevuldRecord& r);
    /** The province whose TabT code begins a club code ("H5": Henegouwen); 0 when none. */
    int provincieVanClubcode(const QString& code) const;
    /** The match of a record without a competition code whose home side is a free place; none when not found. */
    const Match* vrijThuisZoeken(const IngevuldRecord& r, const QString& einde);
    /** The not-played masks that give the record's walk-overs their results (with its games). */
    void maskersZetten(const QVarLengthArray<QStringView, 20>& spellen, int spelers, const QString (&afwezigThuis)[4],
                       const QString (&afwezigUit)[4]);
};

} // namespace exchange
