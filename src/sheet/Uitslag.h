#pragma once

// The result engine of the match sheet: from the set scores and the match's absence, walk-over and
// forfeit fields to the sets per game, the running and final score, the markers of the stored games
// and the players' win counts. Pure functions: the sheet reads its boxes and the match row into an
// UitslagInvoer, calls UitslagBerekenen and applies the UitslagResultaat; nothing here touches a
// widget or the database.
//
// Terms used throughout:
// - laatste: the index of the last game, 15, 9 or 6 (16, 10 or 7 games; teams of 4, 3 or 2 players).
// - The value of a box is core::Val of its text, so "", "w" and "o" count as 0.
// - Fields are compared with "J" and "=" without regard to case; a field without a value is not "J".
// - A game is a walk-over game when its set-1 home box holds "w" (either case).

#include "core/Spelschema.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace sheet {

/** The largest number of game rows on a sheet (laatste 15). */
constexpr int MaxWedstrijden = 16;

/** The turn (1-4) in which a game row is played (see core/Spelschema.h). */
using core::Beurt;

/**
 * Whether the walk-over code (a sum of flags for the turns a player is replaced in) covers the given
 * position. Codes are recognised only from a fixed list per position; teams of three (laatste 9)
 * know positions 1-3 and only the codes without the flag 64. Any other position, or a code with a
 * fraction, gives false.
 */
bool PositieInCombinatie(double code, int positie, int laatste);

/**
 * The set boxes of one game row: set1 home, set1 away, set2 home, set2 away, ..., set5 away.
 * Index 2 * (set - 1) is the home box of a set (1-5), the next index its away box.
 */
using SetTeksten = std::array<QString, 10>;

/** Whether one side has won at least three of the row's sets (a set goes to the higher box value). */
bool SetsGewonnen(const SetTeksten& sets);

/** Whether the row is a walk-over game: its set-1 home box holds "w" in either case. */
bool WalkOverSpel(const SetTeksten& sets);

/** One set moved down to close a gap: set naar (1-4) took the texts of set van (naar + 1), which was emptied. */
struct SetVerschuiving
{
    int naar = 0;
    int van = 0;

    friend bool operator==(const SetVerschuiving&, const SetVerschuiving&) = default;
};

/**
 * Closes the gaps between the entered sets. A set is filled when both its boxes hold a non-empty
 * text, empty when both hold "" (a set with one box filled is neither and is never moved nor moved
 * into). Five times over, for set 4, 3, 2, 1 in that order: a filled set after an empty one moves
 * down into it. Changes sets accordingly and returns the moves in the order made; each move is one
 * edit of the stored game (the set naar gets the new texts, set van a blank in both fields).
 */
QList<SetVerschuiving> SetsAanschuiven(SetTeksten& sets);

/** What a walk-over game scores. */
struct WalkOverUitkomst
{
    int setsThuis = 0;
    int setsUit = 0;
    bool nietGespeeld = false;

    friend bool operator==(const WalkOverUitkomst&, const WalkOverUitkomst&) = default;
};

/** The fields that decide a walk-over game. */
struct WalkOverGegevens
{
    QString thuisPlaats;  ///< "1".."4" or "Dubb."
    int beurt = 1;        ///< Beurt of the game
    int laatste = 15;
    QString forfaitT;     ///< the home team forfeits ("J")
    QString forfaitU;     ///< the visitors forfeit ("J")
    QString afwT;         ///< the home player of this game is absent ("J"): AFWTH<home place>
    QString afwU;         ///< the away player is absent: AFWUIT<away place>
    QString woT;          ///< walk-over code of the home player, "" when none: WOT<home place>
    QString woU;          ///< walk-over code of the away player, "" when none: WOU<away place>
};

/**
 * The score of a walk-over game; the first rule that holds decides (P(x): the code Val(x) covers
 * the game's turn, see PositieInCombinatie):
 *  1. home team forfeits                        0-3
 *  2. visitors forfeit                          3-0
 *  3. the doubles                               0-0, not played
 *  4. both players absent                       0-0, not played
 *  5. home player absent, P(woU)                0-0, not played
 *  6. home player absent                        0-3
 *  7. away player absent, P(woT)                0-0, not played
 *  8. away player absent                        3-0
 *  9. P(woT) and P(woU)                         0-0, not played
 * 10. P(woT)                                    0-3
 * 11. P(woU)                                    3-0
 * 12. otherwise                                 0-0
 * An empty code never covers a turn.
 */
WalkOverUitkomst WalkOverBeslissen(const WalkOverGegevens& g);

/** One game row as the sheet shows it. */
struct UitslagRij
{
    QString thuisPlaats;                 ///< "1".."4" or "Dubb."
    QString uitPlaats;                   ///< "1".."4", or "" (the doubles)
    SetTeksten sets;
    std::optional<QString> markering;    ///< the stored game's marker (Wnn); nullopt when it holds no value
};

/** Everything the engine reads. */
struct UitslagInvoer
{
    int laatste = 15;
    std::array<UitslagRij, MaxWedstrijden> rijen; ///< rows 0..laatste are read, the rest ignored
    QString forfaitT;                    ///< forfaitth
    QString forfaitU;                    ///< forfaituit
    std::array<QString, 4> afwT;         ///< AFWTH1..4, "" when without value
    std::array<QString, 4> afwU;         ///< AFWUIT1..4, "" when without value
    std::array<QString, 4> woT;          ///< WOT1..4 as Inhoud gives them: "" when without value or " "
    std::array<QString, 4> woU;          ///< WOU1..4 likewise
    bool opslaan = false;                ///< store the won games (markers and closed set gaps)
};

/** What becomes of a game's marker (Wnn). */
enum class Markering
{
    Geen,   ///< left as it is
    Blanco, ///< becomes a single blank: the game is no longer decided
    Thuis,  ///< becomes "+": stored as won by the home team
    Uit     ///< becomes "-": stored as won by the visitors
};

/** The outcome for one game row. */
struct UitslagRijResultaat
{
    QString setsThuis;     ///< sets won, "" for a game without any
    QString setsUit;
    QString wedstrThuis;   ///< running score after this game, "" when the game shows no sets
    QString wedstrUit;
    Markering markering = Markering::Geen;
    /** Only for a game stored as won (Thuis/Uit): the set moves to store and the row's sets after them. */
    QList<SetVerschuiving> verschuivingen;
    std::optional<SetTeksten> nieuweSets;
};

/** Everything the engine decides. */
struct UitslagResultaat
{
    std::array<UitslagRijResultaat, MaxWedstrijden> rijen; ///< rows past laatste stay default
    QString resT;                        ///< games won by the home team, "" when neither team won any
    QString resU;
    std::array<QString, 4> indOverwT;    ///< games won per home place, "FF" for an absent player
    std::array<QString, 4> indOverwU;
    bool teveelSets = false;             ///< some game has more than three sets for one side
};

/**
 * The whole calculation. Per row: a walk-over game scores through WalkOverBeslissen, any other game
 * counts its sets; a game not decided (neither side at three) has its marker blanked when it holds
 * a value other than "=", stored or not. Then the games won are counted in order, and with opslaan
 * each won game is marked "+" or "-" and its set gaps closed. Finally each place's win count: a
 * player's wins in games that are not walk-over games, or "FF" when the player is absent.
 */
UitslagResultaat UitslagBerekenen(const UitslagInvoer& in);

} // namespace sheet
