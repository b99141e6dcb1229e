#pragma once

// Adding a team match by hand: the calendar row in Matchen, its division in Reeksen when it is new
// and the play date in Datums, in the forms an imported match has, so that the lists and the sheet
// show it in the same way.

#include <QString>

namespace masterdata {

/** What the add-match window holds; texts as typed. */
struct NieuweWedstrijd
{
    QString seizoen;    ///< "2010-2011"
    QString niveau;     ///< "S", "N", "L" or "P"
    QString categorie;  ///< "Heren", "Dames", "Veteranen" or "Jeugd"
    QString reeks;      ///< the division's short name, "3A" (not used for Super)
    int spelers = 4;    ///< players per team: 4, 3 or 2
    QString weekNr;
    QString nummer;     ///< the match's number within its week
    QString heenTerug = QStringLiteral("H");
    QString datum;      ///< "dd-mm-yyyy"
    QString uur;        ///< "hh.mm"
    int provThuis = 0;  ///< 0 with an empty club number: a bye
    QString lkThuis;
    QString nmThuis;
    int provUit = 0;
    QString lkUit;
    QString nmUit;
    qint64 zaal = 0;    ///< the venue, 0 when none
};

struct Toevoeging
{
    bool ok = false;
    QString melding;   ///< why nothing was stored
    QString wedstrNr;  ///< as stored
    QString datum;     ///< as stored
    QString seizoen;
};

/** The match number: level letter, for a provincial match the province abbreviation, category letter, week and number. */
QString wedstrijdNummer(const QString& niveau, const QString& provincieAfkorting, const QString& categorie,
                        const QString& week, const QString& nummer);

/** The division's name in the form the competition gives it, such as "Afdeling 3A - Prov. Antwerpen - Heren". */
QString reeksNaam(const QString& niveau, const QString& reeks, const QString& categorie, const QString& provincieNaam);

/**
 * Players per team in the Super division of a category, as the competition's calendar gives them:
 * 2 for the men (seven games), 3 for the other categories.
 */
int superSpelers(const QString& categorie);

/**
 * Checks the match and stores it in one transaction.
 * @return ok, or a Dutch message; nothing is written then
 */
Toevoeging wedstrijdToevoegen(const NieuweWedstrijd& w);

} // namespace masterdata
