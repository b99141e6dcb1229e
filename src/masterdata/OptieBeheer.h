#pragma once

// The options as the options window shows and stores them.

#include <QHash>
#include <QList>
#include <QStringList>
#include <QString>

namespace masterdata {

enum class Invoer
{
    Map,       ///< a folder, chosen with the folder dialog or typed
    Provincie, ///< a province, stored as its number
    Clubnummer,
    Breedte,   ///< the width of a member number
    Weergave,  ///< own club's matches ("0") or the whole province's ("1")
    JaNee,
    Getal,     ///< a whole number, or nothing
    Tekst,     ///< free text
    Paswoord,  ///< the administrator password, stored in its coded form
    Adres      ///< an https address (http only to this machine), or empty
};

struct OptieRegel
{
    QString omschrijving; ///< the entry in the options list
    QString soort;        ///< the option key in Opties
    Invoer invoer;
    QString uitleg;       ///< what the option does, shown above its value
};

inline const QString PadOmschrijving = QStringLiteral("Pad voor import- en exportbestanden");
inline const QString PaswoordOmschrijving = QStringLiteral("Paswoord van de beheerder");

/** The entries of the options list, in their order. */
const QList<OptieRegel>& optieRegels();
const OptieRegel* optieRegel(const QString& soort);

/** The stored value of an option as the program reads it; empty when there is no row. */
QString optieWaarde(const QString& soort);

/** A typed value checked for its option: the value to store, or a Dutch message why not. */
struct Controle
{
    bool ok = false;
    QString waarde;
    QString melding;
};
Controle optieControleren(const OptieRegel& regel, const QString& invoer);

/** Stores an option (an empty value as one blank); a missing row is added. */
void optieOpslaan(const QString& soort, const QString& waarde);

/**
 * Stores every option of the table in one transaction.
 * @return the keys whose stored value changed
 */
QStringList optiesOpslaan(const QHash<QString, QString>& waarden);

/** True when the typed text is the administrator password that option 'PaswoordBeheer' holds. */
bool paswoordJuist(const QString& getypt);

/** The provinces to choose from, in the order of their names: number and name. */
QList<std::pair<int, QString>> provinciesVoorKeuze();

} // namespace masterdata
