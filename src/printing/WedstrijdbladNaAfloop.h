#pragma once

// The official match sheet after the match: the sheet on the main window checked, the end time settled,
// and the whole sheet typed into a document made from one of the two after-match templates.

#include <QList>
#include <QString>

#include <array>
#include <optional>

class FrmWedstrijdInput;

namespace word {
class Document;
}

namespace printing {

/** One line-up place as the sheet shows it. */
struct Spelerplaats
{
    QString naam, compNr, volgnr, index, klas, indOverw;
    bool kapitein = false;
};

/** One game row as the sheet shows it. */
struct Spelrij
{
    std::array<QString, 5> setT, setU;
    QString setsT, setsU, wedstrT, wedstrU;
    QString thuisspeler, uitspeler;
};

/** What the after-match sheet checks and prints: the sheet on the main window and the match's row. Side 0 is home. */
struct NaAfloop
{
    int intLaatsteWedstrijd = 15;
    bool blnVrijOfForfait = false;
    QString strSuperDubbel = QStringLiteral("J"); ///< option 'SuperDubbelSpelen' for a Super match of seven games
    int soort = 0; ///< the leading number of Matchen.Soort

    // Header
    QString lokaal, straat, plaats;
    QString datum, afdeling, beginuur, matchNr, reeks, einduur;

    // Teams and line-ups
    std::array<QString, 2> ploeg, aanw;
    std::array<bool, 2> forfait{};              ///< the sheet's forfeit boxes
    std::array<std::array<Spelerplaats, 4>, 2> plaatsen;
    std::array<QString, 2> dubbelLabel;         ///< the names the doubles row shows
    std::array<QString, 2> paar;                ///< the doubles pair as printed ("1 + 3")
    std::optional<int> dubbelRij;               ///< the doubles game's row, when the sheet has one

    // Officials and captains
    QString hoofdscheidsKnop;                   ///< the caption of the head referee's button
    QString hsNaam, hsProv, hsCompNr, hsClubNaam, hsClubNr;
    std::array<QString, 2> kapiteinOpgeslagen;  ///< KapiteinT, KapiteinU as stored
    std::array<std::optional<QString>, 2> kapitein; ///< the captain's name to print, when there is one
    QString zcNaam, zcProv, zcCompNr;

    // Results
    QString forfaitth, forfaituit;
    QList<Spelrij> spelen; ///< every game row of the sheet

    // Closing
    QString akkoord;
    std::array<std::optional<QString>, 3> opmerking; ///< home, visitors, referee; none when never entered
};

/** Reads the match on the sheet of the main window and its row in Matchen (members' names included). */
NaAfloop naAfloopLezen(const FrmWedstrijdInput& venster);

/**
 * The checks before printing, with their messages and questions.
 * @return false when a check refused or a question was answered Nee
 */
bool naAfloopControleren(const NaAfloop& w);

/**
 * Types the sheet into a document made from an after-match template, from the first venue line to the hall
 * commissioner; the insertion point ends at the start of the document.
 * @throw word::WordFout when the template lacks a table, cell or bookmark that the sheet needs
 */
void naAfloopTypen(word::Document& document, const NaAfloop& w);

/**
 * The menu items' procedure: checks, end time, the document from WedstrijdSponsors (0) or WedstrijdGelijnd
 * (any other value), saved and opened. Whatever stops it, the main window is enabled again and the pointer is
 * the default one.
 */
void AfdrukkenWedstrijdbladNaAfloop(int intSoortBlad);

} // namespace printing
