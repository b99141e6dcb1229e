#pragma once

// General value helpers. Two of them carry the storage convention for text fields that the whole
// program follows: a text field is written through GeenLegeInhoud, which stores an empty text as
// one blank, and read back through Inhoud, which turns that blank (and Null) into the empty text.

#include "db/Recordset.h"
#include "db/Waarde.h"

#include <QString>

namespace core {

class AlgemeneFuncties
{
public:
    /** The text shown by an empty masked date box. */
    static inline const QString LegeDatumMasker = QStringLiteral("__-__-____");

    /**
     * Each word capitalised: words are cut at blanks (first letter upper case, the rest lower case),
     * then parts at "-" (first letter upper case); empty words and parts are dropped. The empty
     * text gives the empty value.
     */
    db::Waarde BeginHoofdletters(const db::Waarde& waarde) const;

    /**
     * The date text of a masked date box as "dd-mm-yyyy"; the mask, the empty text and Null give the
     * empty value. A text that is no date shows a warning and comes back unchanged.
     */
    db::Waarde DatumVorm(const db::Waarde& waarde) const;

    /** A field value as the program reads it: Null and one blank give the empty text, all else is kept. */
    db::Waarde Inhoud(const db::Waarde& waarde) const
    {
        if (waarde.isNull() || (waarde.isTekst() && waarde.tekst() == QLatin1StringView(" ")))
            return db::Waarde(QString());
        return waarde;
    }

    /** A value as it is written to a text field: the empty text (or empty value) becomes one blank. */
    db::Waarde GeenLegeInhoud(const db::Waarde& waarde) const
    {
        if (waarde.isLeeg() || (waarde.isTekst() && waarde.tekst().isEmpty()))
            return db::Waarde(QStringLiteral(" "));
        return waarde;
    }

    /**
     * Converts a date text to a date in the caller's variable. The mask and the empty text stay as
     * they are (true); a value that is no date leaves the variable unchanged and gives false.
     */
    bool CtlDatum(db::Waarde& waarde) const;

    /**
     * The town of a postcode, looked up in a table recordset with the columns Postcode and Gemeente
     * and the index "Postcode1". A town that belongs to the postcode comes back as passed in; else
     * the postcode's town in upper case; the empty value when the postcode has none. Position and
     * colour were meant for a town-choice window and are not used.
     */
    db::Waarde GemeenteInvullen(const db::Waarde& postcode, const db::Waarde& gemeente, db::Recordset& postcodes,
                                int& links, int& boven, int achtergrondKleur) const;

    /**
     * Makes every missing folder of the path ("\" and "/" both separate folders) and appends a
     * separator to the caller's variable when it lacks one.
     * @return the path with its trailing separator
     */
    QString PadMaken(QString& pad) const;

    /**
     * Removes the last character of the caller's text when it is not a digit, so that a box checked
     * after each key keeps only digits.
     * @return the text
     */
    QString EnkelNumeriekeInhoudToelaten(QString& tekst) const;

    /** True when the value's text is not empty and begins with a digit ("12a" yes, "a12" no). */
    bool IsNumeriek(const db::Waarde& waarde) const;
};

/** The program's one instance, made on first use. */
AlgemeneFuncties& objAlgemeneFuncties();

} // namespace core
