#pragma once

// The small shared procedures of module Algemeen: windows, the administrator password, dates and times,
// weekdays, provinces, SQL quoting, accents, seasons, doubles pairs, divisions and strength-list lines.

#include "db/Waarde.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>

class QWidget;

namespace core {

/**
 * Finds a visible top-level window of the program whose title begins with titel (case ignored).
 * @param titel the wanted title; an empty one becomes "Microsoft Word", in the caller's variable too
 * @param venster receives the window's handle, 0 when none is found
 * @return true when a window was found
 */
bool VensterZoeken(QString& titel, quintptr& venster);

/** Keeps the window above all other windows (aan) or releases it; its place, size and visibility stay. */
void AltijdBovenaanZetten(QWidget* venster, bool aan);

/** The stored form of the administrator password: every Windows-1252 code lowered by 26. */
QString PaswoordCoderen(const db::Waarde& tekst);
/** The typed password from its stored form: every Windows-1252 code raised by 26. */
QString PaswoordDecoderen(const db::Waarde& tekst);

/** The date as "dd-mm-yyyy"; the empty text stays empty. */
QString DatumTekst(const db::Waarde& tekst);
/** True when the text is empty or reads as a date. */
bool IsDatum(const db::Waarde& tekst);
/** True for an empty text, hours ("9", "24") or hours, a point and minutes ("9.5", "24.59"). */
bool IsUur(const db::Waarde& tekst);
/**
 * The time as "hh.mm" (hours and minutes of two digits each); the empty text stays empty.
 * @param tekst a text of one or two characters gets ".00" appended here
 */
QString UurTekst(QString& tekst);
/**
 * An end time as the sheet's end-time box takes it: ":" read as ".", blanks around it and a last "."
 * ignored. Gives the "hh.mm" that the box stores, the empty text for an empty box, and nothing for a
 * text that is no time of day (hour 24 included).
 */
std::optional<QString> EinduurLezen(const QString& tekst);
/** "ZO", "MA", ... "ZA" for weekday 1 (Sunday) to 7; the empty text for anything else. */
QString DagAfkorting(const db::Waarde& weekdag);

/** The abbreviation of province number nummer; the empty text when there is no such province. */
QString ProvincieAfkorting(const db::Waarde& nummer);
/** The name of province number nummer in the language of the user interface; empty when not found. */
QString ProvincieNaam(const db::Waarde& nummer);
/**
 * The number of a province.
 * @param naam a name in either language (soort 0 and 3), an abbreviation (1), an abbreviation without dots (2)
 *             or a TabT code (4); empty with soort 0 or 1 stands for the user's own province
 * @return the number, or -1 for "All" and for a name that matches nothing
 */
int ProvincieNr(const db::Waarde& naam, int soort);
/** The TabT code of the province with this name in the language of the user interface; empty when not found. */
QString ProvincieTabT(const db::Waarde& naam);

/** The text with every single quote doubled, for a quoted text in SQL. */
QString SqlTekst(const db::Waarde& waarde);
/** The text with every accented letter replaced by its base letter. */
QString ZonderAccenten(const db::Waarde& tekst);
/** The season number of a four-character first year ("2010" gives 11); 0 for any other length. */
int SeizoenNr(const db::Waarde& jaar);
/** A member's name: from Leden, else from Alternatief (a player accepted outside the strength list); none when neither has him. */
std::optional<QString> SpelerNaam(const QString& compNr);
/** "name1 - name2" for a doubles pair code of two member numbers; see Leden and Alternatief. */
QString SpelerNamen(const db::Waarde& code);
/** A line-up place of one side as the sheet shows it. */
struct Opstellingsplaats
{
    QString compNr, naam;
};

/** Whether two texts name one member number: compared as padded with leading zeros to the width. */
bool ZelfdeCompNr(const QString& a, const QString& b, int breedte);
/**
 * The place (1 to 3) by which a doubles partner is named: the first of the side's places 1 to 3 that holds his
 * member number, as the results file names him; 0 when none does.
 */
int PartnerPlaats(const QString& compNr, const QList<Opstellingsplaats>& plaatsen);
/**
 * A doubles pair by places, "2 + 3": a partner on none of places 1 to 3 by his name, else his member number.
 * Two members of one name each keep their own place.
 */
QString PaarOpPlaatsen(const QString& eerste, const QString& tweede, const QList<Opstellingsplaats>& plaatsen);
/**
 * Whether a member's name alone does not tell him apart: another member on one of the side's places has that
 * name too (letter case aside).
 */
bool Naamgenoot(const QString& compNr, const QString& naam, const QList<Opstellingsplaats>& plaatsen);
/**
 * A doubles pair by the names given ("name1 - name2"), led by the pair by places ("2 + 3  name1 - name2") when a
 * partner has a namesake on the side's places.
 */
QString PaarMetNamen(const QString& eerste, const QString& tweede, const QString& namen,
                     const QList<Opstellingsplaats>& plaatsen);
/** The short code of a division: level letter, category letter and short name ("P H 3A"). */
QString ReeksCode(const db::Waarde& reeks, const db::Waarde& categorie);
/** The member number just before the last character of a strength-list line, without leading zeros. */
QString TweedeCompNr(const db::Waarde& regel);

} // namespace core
