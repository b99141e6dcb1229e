#pragma once

// The shared state of the program: the database, the shared recordsets, the options read at
// start-up and the state of the match on the sheet. One instance, reached through algemeen().

#include "db/Database.h"

#include <QDate>
#include <QString>

namespace core {

struct Algemeen
{
    db::Database dbGegevens;

    // The twelve table recordsets, opened by TabellenOpenen in this order.
    db::Recordset rsLeden;
    db::Recordset rsClubs;
    db::Recordset rsOpties;
    db::Recordset rsDatums;
    db::Recordset rsMatchen;
    db::Recordset rsReeksen;
    db::Recordset rsPloegen;
    db::Recordset rsProvincies;
    db::Recordset rsSterktelijst;
    db::Recordset rsVolgordeWedstrijden;
    db::Recordset rsAlternatief;
    db::Recordset rsKlassering;

    // The shared SQL buffer and the two scratch recordsets opened on it.
    QString strSQL;
    db::Recordset rsHulp;
    db::Recordset rsHulp2;

    QString strTaal;
    QString strSysteemmap;          ///< the application folder, with a trailing separator
    QString strPadOpslaan;          ///< the import/export folder, with a trailing separator
    QString strProvincie;
    QString strProvincieAfkorting;
    QString strClubNr;
    QString strClubProv;
    QString strClubProvAfkorting;
    QString strHuidigSeizoen;
    QString strGekozenSeizoen;
    int intAantalKaraktersCompNr = 0;

    // The match on the sheet.
    int intLaatsteWedstrijd = 0;
    int intAantalPloegen = 12; ///< of the division of the match last loaded; 12 before any
    QString strSoortComp;
    QString strSoortSterktelijst;
    QString strPloegGegevens[4][2]; ///< team name, club number, province abbreviation, province number; home and away
    QString strCategorieImport;

    QDate dtmVandaag;

    bool blnEventsActief = false;
    bool blnHerladen = false;
    bool blnUitslagFout = false;
    bool blnTempHernoemd = false;
};

/** The one shared state of the program. */
Algemeen& algemeen();

/** Closes the database and puts the shared state back as it is before start-up (for tests). */
void algemeenHerstellen();

/**
 * Clears blnEventsActief while controls are filled from code, and puts back what it was,
 * also when the filling fails.
 */
class EventsUit
{
public:
    EventsUit();
    ~EventsUit();
    EventsUit(const EventsUit&) = delete;
    EventsUit& operator=(const EventsUit&) = delete;

private:
    bool m_was;
};

/** Where "today" comes from; tests put a fixed clock in its place. */
class Klok
{
public:
    virtual ~Klok() = default;
    virtual QDateTime nu() const;
};

/** A clock that stands still at the given moment. */
class VasteKlok : public Klok
{
public:
    explicit VasteKlok(QDateTime moment)
        : m_moment(std::move(moment))
    {
    }
    QDateTime nu() const override { return m_moment; }
    void zet(const QDateTime& moment) { m_moment = moment; }

private:
    QDateTime m_moment;
};

const Klok& klok();
/** Installs a clock (nullptr: the system clock again); returns the previous one. */
const Klok* zetKlok(const Klok* klok);
/** Today's date by the current clock. */
QDate vandaag();

/** Appends the path separator when the path does not end in one. */
QString metScheidingsteken(const QString& pad);

} // namespace core
