#pragma once

// The line-up rules of the player picker: looking up a typed member number, filling the picker's
// boxes, and the five checks a player must pass before he is put on a line-up place. Works on plain
// values and the database only, so that it runs without the window.

#include <QString>
#include <QStringList>

namespace lineup {

/** The slot the picker is open for, as it was read when the picker loaded. */
struct Slot
{
    QString woord;        ///< the command word of the main window ("T1", "UDubb.", "Kap-T", "HS", ...)
    QString kant;         ///< "T" home, "U" visitors
    int plaats = 0;       ///< line-up place 0..3
    QString ploegNaam;
    QString ploegClubNr;
    QString ploegProvAfk;
    QString ploegProvNr;

    /** Head referee, hall commissioner or captain: no rules apply. */
    bool officieel() const;
};

/** The team size the rules count with: 4 in the 16-game scheme, 3 otherwise. */
int RegelPloeggrootte(int laatsteWedstrijd);

/**
 * The line-up places the sheet has for the match: 4 in the 16-game scheme, 3 in the 10-game scheme;
 * a team of two has 3 when it plays the doubles (option 'SuperDubbelSpelen' "J") and 4 otherwise.
 */
int PlaatsenInGebruik(int laatsteWedstrijd);

/**
 * Check 1: the member already stands on another place of the same side.
 * @param plaatsen the number of places to look at, from place 1
 */
bool ControleDubbeleOpstellingPloeg(const QStringList& knoppen, int plaats, const QString& compNr, int plaatsen);
/** Check 2: the index is below the minimum for the team letter and the place. */
bool ControleTeLageIndex(const QString& ploegNaam, int grootte, int plaats, const QString& index);
/** Check 3: an earlier place holds a higher index. */
bool ControleIndexHogereSpelersInPloeg(const QStringList& indexen, int plaats, const QString& index);
/** Check 4: a later place holds a lower index. */
bool ControleIndexLagereSpelersInPloeg(const QStringList& indexen, int plaats, const QString& index, int grootte);

/**
 * Check 5: the member stands on one of the four home places of another home match of the own club in
 * the same week, level and category as the match on rsMatchen, whatever the size of either team. Only
 * for the own club's team; the match on the sheet stays the current row of rsMatchen.
 */
bool ControleOpstellingInAnderePloeg(const Slot& slot, const QString& compNr);

/** What SpelerInvullen reads besides the slot: the sheet's line-up of the side and the option. */
struct Opstellingsinvoer
{
    Slot slot;
    QString compNr;           ///< as typed
    QStringList knoppen;      ///< member numbers on places 1-4 of the side
    QStringList indexen;      ///< index labels of places 1-4 of the side
    bool streng = false;      ///< option 'Streng'
    bool superMatch = false;  ///< Matchen.Soort 4
    /**
     * The member is the one stored on the place, or one the user already accepted for it in this opening
     * of the picker: he is looked up and shown with his details, but no rule judges him and no question or
     * message is shown (the rules judge a member being placed).
     */
    bool opPlaats = false;
};

/** What SpelerInvullen puts in the picker. */
struct Opstellingsuitvoer
{
    QString compNr;           ///< the padded member number, or empty after a refusal
    QString naam, klas, index, volgNr, clubNr, clubnaam;
    bool provincieZetten = false;
    QString provincie;        ///< the province abbreviation for LstProv
    bool selecteren = false;  ///< select compNr in the strength list
    bool opSterktelijst = false;
    bool geweigerd = false;
};

/** Option 'Streng' is "J"; a missing row reads as advisory control. */
bool StrengeControle();

/**
 * Looks the member up, fills the boxes and applies the rules in order, with their messages and
 * questions (title "Speler Kiezen"). A member refused by a rule comes back with geweigerd set and an
 * empty member number. A line-up place never takes a number that stands on another place of its side,
 * whether the member is on the strength list or not. The head referee gets the club of the strength
 * list or the members' row he is found in.
 */
Opstellingsuitvoer SpelerInvullen(const Opstellingsinvoer& in);

} // namespace lineup
