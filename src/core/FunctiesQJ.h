#pragma once

// Season and age helpers. A season runs from 1 July of its first year to 30 June of the next;
// "today" is always the program's clock (core::vandaag()).

#include "db/Waarde.h"

#include <QDate>
#include <QString>

namespace core {

class FunctiesQJ
{
public:
    /**
     * The age category by the year of birth, counted from the first year of the current season:
     * the category word with soort 0 ("Kadet"), the category with its year otherwise ("Kadet Eerste
     * Jaar"). An empty birth date gives "??".
     * @throw std::invalid_argument when the birth date is not a date
     */
    QString LeeftijdsReeks(const db::Waarde& geboorteDatum, int soort) const;

    /**
     * The age category counted from the calendar year of today, without year texts; the second
     * argument is not used.
     * @throw std::invalid_argument when the birth date is not a date
     */
    QString LR(const db::Waarde& geboorteDatum, const db::Waarde& ongebruikt = db::Waarde()) const;

    /**
     * Puts "0" in front of the caller's text until it is breedte characters long (a longer text is
     * never cut).
     * @return the padded text
     */
    QString BeginNulToevoegen(QString& waarde, int breedte) const;

    /** As above, for a value that is not a variable of the caller (a number, an expression). */
    QString BeginNulToevoegen(const db::Waarde& waarde, int breedte) const;

    /** 1 July that begins the current season. */
    QDate BeginDitSeizoen() const;

    /** 1 July that begins the season of the date. */
    QDate BeginSeizoen(const QDate& datum) const;

    /** 30 June that ends the current season. */
    QDate EindeDitSeizoen() const;

    /** 30 June that ends the season of the date. */
    QDate EindeSeizoen(const QDate& datum) const;

    /**
     * The older age rule on the full birth date, counted from the second year of the current season,
     * with wider veterans' bands; soort as for LeeftijdsReeks.
     * @throw std::invalid_argument when the birth date is not a date
     */
    QString LeeftijdsReeksOud(const db::Waarde& geboorteDatum, int soort) const;
};

/** The program's one instance, made on first use. */
FunctiesQJ& objFunctiesQJ();

} // namespace core
