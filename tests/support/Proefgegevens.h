#pragma once

// Invented competition data for tests and benchmarks: single rows, and a whole province's season.

#include "db/Database.h"

#include <QList>
#include <QPair>
#include <QString>

namespace testhulp {

using Velden = QList<QPair<QString, db::Waarde>>;

/** Adds one row with the given fields (bound values; the others stay Null). */
void invoegen(db::Database& d, const QString& tabel, const Velden& velden);

/** A team match of the calendar; fields not given get the values below. */
struct Wedstrijd
{
    QString seizoen = QStringLiteral("2010-2011");
    QString soortComp = QStringLiteral("P");
    QString weekNr = QStringLiteral("01");
    QString wedstrNr;
    QString reeksNr = QStringLiteral("A");
    QString herDam = QStringLiteral("H");
    QString datum = QStringLiteral("12-09-2010");
    QString uur = QStringLiteral("19.45");
    QString provThuis = QStringLiteral("1");
    QString lkThuis;
    QString nmthuis;
    QString provUit = QStringLiteral("1");
    QString lkUit;
    QString nmuit;
    QString soort = QStringLiteral("1");
    Velden extra; ///< further columns of the sheet
};
void wedstrijdToevoegen(db::Database& d, const Wedstrijd& w);

void reeksToevoegen(db::Database& d, const QString& seizoen, const QString& soort, const QString& herDam,
                    const QString& reeksNr, const QString& naam, const QString& naamAfgekort, int spelers,
                    int ploegen = 12);
/**
 * A club: its full name (ClubNaam) and the short name that calendars put before a team's letter
 * (Ploegnaam); without a short name the club goes by its full name in both.
 */
void clubToevoegen(db::Database& d, int provincie, const QString& clubNr, const QString& naam,
                   const QString& ploegnaam = QString());
void lokaalToevoegen(db::Database& d, int id, const QString& naam, const QString& straat, const QString& postnummer,
                     const QString& gemeente, int club = 0, int provincie = 0, int volgorde = 1);
void lidToevoegen(db::Database& d, const QString& compNr, const QString& naam, const QString& club, int provincie);
void sterktelijstToevoegen(db::Database& d, const QString& seizoen, int provincie, const QString& club,
                           const QString& soort, int volgorde, const QString& compNr, const QString& naam,
                           const QString& index, const QString& klassering);
void optieZetten(db::Database& d, const QString& soort, const QString& item);

/** Sizes of an invented province's season. */
struct Provinciegrootte
{
    int clubs = 60;
    int wedstrijden = 3000;
    int leden = 6000;
    int sterktelijst = 5000;
};

/**
 * Fills the database with one invented province's season (2010-2011, province 1): clubs with a
 * venue each, members, strength lists and divisions of 4, 3 and 2 players, and the matches of
 * 22 play weeks, each with what an import gives a new match (nobody absent, no forfeit, two by two
 * agreed), some of them with a filled-in sheet. In one transaction.
 */
void provincieSeizoenMaken(db::Database& d, const Provinciegrootte& grootte = {});

} // namespace testhulp
