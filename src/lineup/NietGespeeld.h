#pragma once

// Games not played and absent players: the NietGespeeldMasker of a line-up place, the walk-over
// marks of the player's games in Matchen and in the sheet's set boxes, and the game marker that a
// walk-over gives.

#include <QList>
#include <QString>

namespace core {
struct Wedstrijdblad;
}

namespace lineup {

/** The game rows in which the player's k-th game lies, by scheme (last game index 15, 9 or 6). */
QList<int> RijenVanVak(int laatsteWedstrijd, int k);
/** The box (1 to 4) whose rows hold game row r; 0 for a row of no box. */
int VakVanRij(int laatsteWedstrijd, int r);
/** The boxes (0 to 3) a stored mask ticks; none for a value that is no sum of 1, 16, 32 and 64. */
QList<int> VakkenVanMasker(int masker);
/**
 * The mask stored for the ticked boxes (0 to 3): only the boxes that have rows in the scheme count,
 * so a hidden box never ends up in the stored value.
 */
int Masker(const bool aangevinkt[4], int laatsteWedstrijd);

/**
 * The marker of one game of a player with a walk-over or its withdrawal.
 * @param kant the player's side, "T" or "U"
 * @param speeltNiet the player does not play the game (mode 1)
 * @param k the box of the game
 * @param tegenAfwezig the opponent's absence field as stored (only "N" counts as present)
 * @param tegenMasker the opponent's mask field as stored
 * @return "=", "/", "*", " ", or the empty text when the box is outside the scheme's range
 */
QString BijForfaitResultaat(const QString& kant, bool speeltNiet, int k, const QString& tegenAfwezig,
                            const QString& tegenMasker, int laatsteWedstrijd);

/**
 * Every line-up place of both sides whose player is stored absent ("J") or has games not played
 * (the mask) gets the walk-overs of those games again, in the current row of rsMatchen and in the
 * sheet's set boxes, with the markers that marking them gave. The caller runs the result engine.
 */
void WalkoversHerstellen(core::Wedstrijdblad& blad);

/**
 * One line-up place's games on the match on the sheet: writes into the current row of rsMatchen and
 * into the set boxes of the sheet. The caller runs the result engine afterwards.
 */
class NietGespeeld
{
public:
    /** @param plaats 1 to 4 */
    NietGespeeld(core::Wedstrijdblad& blad, const QString& kant, int plaats);

    /** The player's game rows among these rows. */
    QList<int> spelerRijen(const QList<int>& rijen) const;
    /** All the player's game rows of the scheme. */
    QList<int> alleSpelerRijen() const;
    /** One of the player's games among the rows has set scores stored. */
    bool resultatenAanwezig(const QList<int>& rijen) const;

    /** Box k ticked: its games become walk-overs, the mask stored. */
    void vakAangevinkt(int k, int masker);
    /** Box k unticked: the mask stored, its games played again unless the opponent's state keeps them. */
    void vakUitgevinkt(int k, int masker);
    /** The player absent: all his games walk-overs, the absence stored. */
    void afwezigAan();
    /** The absence withdrawn (the box handlers have run): the games follow the opponent's state. */
    void afwezigUit();
    /**
     * The walk-overs that the place's stored absence or mask gives, written again (the absence and
     * mask fields themselves are left as they are).
     */
    void walkoversHerstellen();

private:
    QString veld(const QString& naam) const;
    QString tegenstander(int rij) const;
    QString markering(int rij, bool speeltNiet) const;
    /** Walk-over marks in the row's fields and set boxes, the boxes locked. */
    void woSchrijven(int rij);
    /** The game to be played: sets 1 to 3 emptied, the boxes unlocked. */
    void wissen(int rij);
    /** After a withdrawal: the marker follows the opponent; the row keeps its walk-over or is cleared. */
    void terugzetten(int rij);

    core::Wedstrijdblad& m_blad;
    QString m_kant;
    int m_plaats;
};

} // namespace lineup
