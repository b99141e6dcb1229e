#pragma once

// Start-up without windows: opening the database (with the Temp.mdb rule and the one-time update),
// the shared recordsets, the options and the season list.

#include "db/Waarde.h"

#include <QString>
#include <QStringList>
#include <stdexcept>

namespace core {

/** A start-up that cannot go on; the text says in Dutch what is missing. */
class OpstartFout : public std::runtime_error
{
public:
    explicit OpstartFout(const QString& tekst)
        : std::runtime_error(tekst.toStdString())
        , m_tekst(tekst)
    {
    }
    QString tekst() const { return m_tekst; }

private:
    QString m_tekst;
};

inline const QString DatabaseNaam = QStringLiteral("QJ-Deel7.mdb");
inline const QString TempDatabaseNaam = QStringLiteral("Temp.mdb");

/** The application folder: the executable's folder, unless a test put another in its place. */
QString applicatiemap();
void zetApplicatiemap(const QString& map);

/** The file of that name in the folder, its name compared without regard to case; empty when there is none. */
QString bestandZoeken(const QString& map, const QString& naam);

/**
 * Sets strSysteemmap, gives Temp.mdb the name QJ-Deel7.mdb when only Temp.mdb is there, opens the
 * database and brings it up to date (DatabaseBijwerken).
 * @throw OpstartFout when there is no database, it cannot be opened, or it lacks a table or option
 *        that start-up needs; nothing has been written then.
 */
void DatabaseOpenen();

/** Opens the twelve shared table recordsets on dbGegevens, in their fixed order. */
void TabellenOpenen();

/** The one-time update of an older database and the options kept at every start. */
void DatabaseBijwerken();

/** The Item of the option of this kind (Opties.Soort); Null when there is no such option. */
db::Waarde OptieItem(const QString& soort);

/**
 * The option 'SuperDubbelSpelen' in capitals ("J": a team of two plays the doubles on three places,
 * "N": it plays without them on four); empty when the option is missing. Read through rsOpties,
 * which is left on the option's row.
 */
QString SuperDubbelOptie();

/** What the options tell the main window at start-up. */
struct OptieStand
{
    bool padNietIngesteld = false; ///< the import/export folder is missing or unusable
    bool paswoordBeheer = false;   ///< an administrator password exists
};

/** Reads the options into the shared state (member-number width, province, club, folder, password). */
OptieStand OptiesLezen();

/**
 * Reads the options 'Provincie', 'ClubNr' and 'ClubProv' into the shared state: the own province's
 * name and abbreviation, the own club's number ("000" when the option is empty), and the own club's
 * province and its abbreviation (a club province that is 0, never set, is the own province).
 */
void ProvincieEnClubNrLezen();

/** The current season by today's date, as "2010-2011". */
QString HuidigSeizoen();

/** The seasons for the season list: the current season first, then every other season of Matchen. */
QStringList SeizoenenLijst(const QString& huidig);

} // namespace core
