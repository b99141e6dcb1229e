#pragma once

// Clubs, their venues in order and the responsible persons, as the clubs window keeps them.
// Every function checks what it stores; a refusal comes back as a Dutch message and changes nothing.

#include <QList>
#include <QString>

namespace masterdata {

struct Club
{
    int provincie = 0;
    QString clubNr;    ///< three digits
    QString clubNaam;
    QString ploegnaam; ///< the short name used in calendars
    bool geschrapt = false;
};

/** Every club, by province and club number. */
QList<Club> clubsLijst();

/**
 * Checks a club and puts its number in its stored form (three digits).
 * @return the empty text, or a Dutch message why it cannot be stored
 */
QString clubControleren(Club& club);

/**
 * Stores a club: a new one is added (refused when its number exists in its province), an existing
 * one keeps its province and number and gets the other fields.
 * @return the empty text, or a Dutch message why nothing was stored
 */
QString clubOpslaan(Club club, bool nieuw);

/** Removes a club and the links to its venues; the venues themselves stay while a match or another club uses them. */
void clubVerwijderen(int provincie, const QString& clubNr);

struct Lokaal
{
    qint64 id = 0;
    QString naam;
    QString straat;
    QString postnummer;
    QString gemeente;
};

/** The venues of a club in their order. */
QList<Lokaal> lokalenVanClub(int provincie, const QString& clubNr);

/** @return the empty text, or a Dutch message why the venue cannot be stored */
QString lokaalControleren(const Lokaal& lokaal);

/**
 * Adds a venue made by hand (the highest id plus 1, id_zelm 0) as the club's last venue.
 * @return the new venue's id
 */
qint64 lokaalToevoegen(int provincie, const QString& clubNr, const Lokaal& lokaal);

/** Stores the name and address of an existing venue. */
void lokaalWijzigen(const Lokaal& lokaal);

/**
 * Takes a venue from the club's list (the others close up); the venue itself is removed too when
 * no other club and no match uses it.
 */
void lokaalLosmaken(int provincie, const QString& clubNr, qint64 id);

/** Moves a venue one place up (-1) or down (+1) in the club's order; false when it is at that end. */
bool lokaalVerplaatsen(int provincie, const QString& clubNr, qint64 id, int richting);

struct Verantwoordelijke
{
    qint64 rij = 0; ///< the row in Verantwoordelijken; 0 for one not stored yet
    QString naam;
    QString compNr; ///< at the member-number width, or empty
    bool scheidsrechter = false;
};

QList<Verantwoordelijke> verantwoordelijkenLijst();

/**
 * Checks a responsible person and pads the member number to the member-number width.
 * @return the empty text, or a Dutch message why it cannot be stored
 */
QString verantwoordelijkeControleren(Verantwoordelijke& v);

/** Stores a responsible person (a new one is added and gets its row). */
QString verantwoordelijkeOpslaan(Verantwoordelijke& v);

void verantwoordelijkeVerwijderen(qint64 rij);

} // namespace masterdata
