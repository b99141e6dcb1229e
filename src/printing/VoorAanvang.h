#pragma once

// The papers for before the match: the match sheet with the header, both line-ups and an empty row per
// game, and the referee slips, one per game with its number, the two players and empty set boxes. Both
// are made from the sheet on the main window as it stands, into the templates WedstrijdbladVoorAanvang,
// Scheidsrechtersblaadjes (odd games on the first page, even games on the second) and
// ScheidsrechtersblaadjesTeKnippen (all games in order on one page).

#include <QList>
#include <QString>

#include <array>

namespace core {
struct Wedstrijdblad;
}

namespace word {
class Document;
}

namespace printing {

/** The match on the sheet as the papers before the match show it. Side 0 is home. */
struct VoorAanvang
{
    struct Speler
    {
        QString nr, compNr, naam, index, klas;
    };
    struct Spel
    {
        QString nummer;
        std::array<QString, 2> plaats, naam;
    };

    QString matchNr, datum, afdeling, beginuur, reeks, soort, lokaal, adres;
    std::array<QString, 2> ploeg, aanw;
    /** The places the team size uses, then the doubles row when the match has a doubles game. */
    std::array<QList<Speler>, 2> spelers;
    /** Every game of the match, in the sheet's order. */
    QList<Spel> spelen;
};

/** Reads the sheet: header, line-ups and the players of every game. */
VoorAanvang voorAanvangLezen(const core::Wedstrijdblad& b);

/**
 * Fills a document from WedstrijdbladVoorAanvang: table 1 the header, table 2 the line-ups, table 3 a row
 * per game; the rows the match does not use are taken out.
 * @throw word::WordFout when the template lacks a table or cell the sheet needs
 */
void wedstrijdbladVoorAanvangTypen(word::Document& document, const VoorAanvang& w);

/**
 * Fills a document from one of the slip templates: slips of two side by side, a slip being three rows
 * (the game with the set numbers, the home player, the visiting player) of a label and five set boxes.
 * With teKnippen the games follow each other in table 1; otherwise the odd games fill table 1 and the
 * even games table 2. A right slip without its game shows nothing; the rows of slips after the last game are
 * taken out.
 * @throw word::WordFout as above
 */
void scheidsrechtersblaadjesTypen(word::Document& document, const VoorAanvang& w, bool teKnippen);

/**
 * The menu items' procedures: the document from the sheet, saved in the import/export folder, then
 * printed (afdrukken 1) and left closed (sluiten 1) or opened. A match must be on the sheet. Whatever
 * stops them, the main window is enabled again and the pointer is the default one.
 */
void AfdrukkenWedstrijdbladVoorAanvang(int afdrukken, int sluiten);
void AfdrukkenScheidsrechtersblaadjes(int afdrukken, int sluiten, int teKnippen);

} // namespace printing
