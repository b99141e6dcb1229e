#pragma once

// Storing what the competition's web service returns: clubs with their venues, members with their
// strength lists, and divisions with their play dates and matches. The procedures take the answers
// as plain values (read from the answers by element name in Antwoorden.h), so that they run without
// any network; what they must fetch themselves (the clubs and members of the teams a division
// meets) they ask of a Bron.
//
// Every value from the service reaches SQL as a bound parameter. Storing one club (with its members)
// and one division runs in one transaction: a failure leaves the database as it was.

#include <QList>
#include <QString>

#include <optional>
#include <stdexcept>

namespace webimport {

struct Lid
{
    QString position;
    QString uniqueIndex;
    QString rankingIndex;
    QString firstName;
    QString lastName;
    QString ranking;
    QString status;
    QString club;
    QString gender;
    QString category;
};

struct Lokaal
{
    qint64 id = 0;      ///< the venue's id in the service
    int clubVenue = 0;  ///< the club's own number of the venue (1, 2, ...)
    QString name;
    QString street;
    QString town;       ///< postcode, a blank, the town
};

struct Club
{
    QString uniqueIndex; ///< the club code
    QString name;
    int venueCount = 0;
    QList<Lokaal> lokalen;
};

struct Wedstrijd
{
    QString divisionName;
    QString matchId;
    QString weekName;
    QString date;  ///< yyyy-mm-dd; empty for a match without a date
    QString time;  ///< hh:mm:ss
    int venue = 0; ///< the home club's venue number
    QString homeClub;
    QString homeTeam;
    QString awayClub;
    QString awayTeam;
};

struct Ploeg
{
    QString team;
    qint64 divisionId = 0;
    QString divisionName;
};

/** An import that could not be done; the text is Dutch, for the user. Nothing of it was stored. */
class ImportFout : public std::runtime_error
{
public:
    explicit ImportFout(const QString& tekst)
        : std::runtime_error(tekst.toStdString())
        , m_tekst(tekst)
    {
    }
    const QString& tekst() const { return m_tekst; }

private:
    QString m_tekst;
};

/** What the storing procedures fetch and show while they run. */
class Bron
{
public:
    virtual ~Bron() = default;
    /** Whether the service answers. */
    virtual bool verbinding() = 0;
    /** One club with its venues (GetClubs for one club); nothing on failure. */
    virtual std::optional<QList<Club>> club(const QString& clubcode) = 0;
    /** The clubs of a club category (GetClubs); nothing on failure. */
    virtual std::optional<QList<Club>> clubs(int clubCategorie) = 0;
    /** The members of a club in a category, with extended information; nothing on failure. */
    virtual std::optional<QList<Lid>> leden(const QString& clubcode, int categorie) = 0;
    /** Why the last fetch failed. */
    virtual QString fout() const = 0;
    /** Shows a progress text in label 1 to 3 and lets the window repaint. */
    virtual void voortgang(int label, const QString& tekst) = 0;
};

/** The strength-list category word of a member category of the service ("Heren" for 1, ...). */
QString categorieWoord(int categorie);
/** The service's club category of a province number (1 to 11); 0 for any other. */
int NrProvOmzettenNaarNrKorvat(int provincie);
/** A member number at the width of option 'Aantal Karakters CompNr'. */
QString compNrVan(const QString& lidnummer);
/** The province number of a club code ("VL-B123", "A003"); -1 when its letters name no province. */
int provincieVanClubcode(const QString& clubcode);
/**
 * No club counts as imported any more (Clubs.Importeren "N" for all): the next import fetches the club
 * and members of every team it meets once, as the service has them then.
 */
void importMarkeringenWissen();

class Opslag
{
public:
    explicit Opslag(Bron& bron)
        : m_bron(bron)
    {
    }

    /**
     * Stores the members of one answer; with a club code also the club's strength list of the
     * category, which is rebuilt from the answer.
     * @param enkelLid the answer holds one chosen member (asked for without his club): his row on the
     *        list keeps its place, order number and index, and takes his name, ranking and status; when
     *        he is not on the list, the list is rebuilt from the club's own answer for the category
     * @throw ImportFout when that answer could not be fetched
     */
    void APIGegevensLedenOpslaan(const QList<Lid>& leden, const QString& clubcode, int categorie, bool enkelLid = false);
    /** Stores the club asked for (every club when the code is empty) with its venues. */
    void APIGegevensClubOpslaan(const QList<Club>& clubs, const QString& clubcode);
    /**
     * Stores a division, its play dates and its matches, importing the clubs of its teams once. A
     * match already held gets the calendar again but keeps what the club typed on its sheet.
     */
    void APIMatchenOpslaan(const QList<Wedstrijd>& wedstrijden, qint64 reeksId);
    /**
     * Fetches a club and its members of the four categories and, only when every fetch succeeded,
     * stores them in one transaction.
     * @throw ImportFout when a fetch failed; nothing was changed
     */
    void SpelersVanClubImporteren(const QString& clubNr, int provincie, const QString& clubcode);
    /** Imports the club of a team with its members, unless this import stored that club already. */
    void PloegGegevens(const QString& ploegnaam, int provincie, const QString& clubNr, const QString& clubcode);

private:
    void reeksOpslaan(const Wedstrijd& w, qint64 reeksId, const QString& categorie, int weken);
    void wedstrijdOpslaan(const Wedstrijd& w, qint64 reeksId, const QString& categorie, int weken);

    Bron& m_bron;
};

} // namespace webimport
