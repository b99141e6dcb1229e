#pragma once

// What the main window's season, play-date and match lists show: which matches (own club or whole
// province, at home or away), the play dates of a season, the match lines in their groups, and
// which play date is chosen.

#include <QDate>
#include <QString>
#include <QStringList>

namespace core {

/** Whose matches the lists show. */
struct Weergave
{
    /** Only the own club's matches; otherwise every match of the own club's province. */
    bool eigenClub = false;
    /** The own club's Clubs row was found: its number and name as stored there. */
    bool clubGevonden = false;
    QString clubNr;
    QString clubNaam;
};

/**
 * The view of the lists: own-club mode when option 'Weergave Wedstrijden' is "0" and the own club
 * is known (a Clubs row for strClubNr and strClubProv, both above 0); province mode otherwise.
 */
Weergave WeergaveBepalen();

/** The play dates ("dd-mm-yyyy") of a season with matches in the view, in calendar order; dates that are no date are left out. */
QStringList SpeeldatumsLijst(const QString& seizoen, bool uitwedstrijden, const Weergave& weergave);

/**
 * The play date to choose: in the current season the first one on or after today, the last one
 * when all have passed; in any other season the first. -1 for an empty list.
 */
int SpeeldatumKiezen(const QStringList& datums, bool huidigSeizoen, const QDate& vandaag);
/** The first play date on or after today, -1 when there is none. */
int EersteSpeeldatumVanaf(const QStringList& datums, const QDate& vandaag);

/** A line of the match list: "number: home - away" with " (Veteranen)", " (Jeugd)" or " (Dames)" by category. */
QString WedstrijdRegel(const QString& wedstrNr, const QString& thuis, const QString& uit, const QString& herDam);

/** Adds a line to the match list: men and youth first, then ladies, then veterans, each in arrival order. */
void RegelToevoegen(QStringList& lijst, const QString& regel);

/** The match lines of a play date in the view. */
QStringList WedstrijdenLijst(const QString& datum, bool uitwedstrijden, const Weergave& weergave);

} // namespace core
