#pragma once

// The doubles pair of a side: which combination of the first three places a stored pair is, and the
// two players ticked in a Super match. A pair is stored as two member numbers side by side.

#include <QString>
#include <QStringList>

#include <utility>

namespace lineup {

/**
 * The combination to preselect for a stored pair in an ordinary match: 0 (places 1 and 2), 1 (1
 * and 3) or 2 (2 and 3).
 * @param compNrs the member numbers on places 1 to 3 of the side
 */
int CombinatieVanPaar(const QString& paar, const QStringList& compNrs, int breedte);

/** The places (0 to 2) of a combination 0..2; -1 and -1 for any other number. */
std::pair<int, int> CombinatiePlaatsen(int combinatie);

/**
 * The doubles chooser's entry of a combination: the names of its two places joined by " - ", led by the
 * places ("1 + 2  ") when a partner has a namesake on places 1 to 3.
 * @param compNrs, namen the member numbers and names on places 1 to 3 of the side
 */
QString CombinatieTekst(int combinatie, const QStringList& compNrs, const QStringList& namen);

/** The Super match chooser's box of place 0..2: the name, led by the place ("1  ") when it has a namesake. */
QString SpelerTekst(int plaats, const QStringList& compNrs, const QStringList& namen);

/** The pair text of a combination 0..2 of places 1 to 3. */
QString PaarVanCombinatie(int combinatie, const QStringList& compNrs);

/** The two halves of a pair text (both empty for the empty text). */
QPair<QString, QString> PaarSplitsen(const QString& paar, int breedte);

/**
 * The stored pair of a side after one of its places got another member or was emptied. A pair that
 * does not name the member who left the place stays as it is. When it names him, it stays only while
 * he still stands on another of places 1 to 3 (the pair follows the member), its partners then in the
 * order of their places; otherwise the pair names a player who no longer plays and the result is the
 * empty text.
 * @param vorig the member the place had before
 * @param compNrs the members on places 1 to 3 of the side after the change
 */
QString PaarNaWissel(const QString& paar, const QString& vorig, const QStringList& compNrs, int breedte);

/** What the check boxes of a Super match's doubles chooser say. */
struct Dubbelkeuze
{
    bool naam[4] = {false, false, false, false}; ///< ChkNaam1..ChkNaam4
    qint64 ploeg[3] = {0, 0, 0};                 ///< member numbers on places 1 to 3
    bool comboGekozen = false;                   ///< an entry of the strength-list combo is chosen
    qint64 combo = 0;                            ///< its member number
};

/** The number of chosen players, or -1 when two are chosen and they are the same member. */
int TelDubbelspelers(const Dubbelkeuze& keuze);
/** The pair text of exactly two different chosen players, else the empty text. */
QString CmpNrDubbelspelers(const Dubbelkeuze& keuze, int breedte);
/** The message for a count other than 2 (title "Dubbelteam"). */
QString DubbelMelding(int aantal);

} // namespace lineup
