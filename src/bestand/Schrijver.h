#pragma once

// Writing a file so that it is either complete under its name or not changed at all. The bytes go to a
// temporary file in the same folder; every write, the last block, the sync to the disk and the close are
// checked, and only then does the temporary file take the name, replacing an older file in one step. When
// anything fails the temporary file is removed and an older file of that name is left as it was. A temporary
// file that a write killed before its end left behind is removed by the next write of that file.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace bestand {

class Schrijver
{
public:
    /** Opens a temporary file beside pad; a failure shows in ok(). */
    explicit Schrijver(const QString& pad);
    /** A temporary file that did not take the name is removed. */
    ~Schrijver();
    Schrijver(const Schrijver&) = delete;
    Schrijver& operator=(const Schrijver&) = delete;

    /** Appends the bytes (before afsluiten()). After a failure nothing more is written; returns ok(). */
    bool schrijven(QByteArrayView bytes);
    /** Writes what is still held, syncs the file to the disk and closes it; returns ok(). */
    bool afsluiten();
    /** The closed temporary file takes the name (afsluiten() first when still open); returns ok(). */
    bool vervangen();
    /**
     * Gives up for a reason of the caller (a check of the closed copy that failed): the temporary file is
     * removed and the older file stays.
     */
    void afbreken(const QString& oorzaak);

    bool ok() const { return m_oorzaak.isEmpty(); }
    /** The file's name as given. */
    const QString& pad() const { return m_pad; }
    /** Where the bytes are written until vervangen(); empty once it has the name or was removed. */
    const QString& tijdelijkPad() const { return m_tijdelijk; }
    /** Why it failed, as a short Dutch sentence without its full stop ("Onvoldoende schijfruimte"). */
    const QString& oorzaak() const { return m_oorzaak; }
    /**
     * The cause with its full stop and, when a file of that name was there, on the next line that it stayed as it
     * was. Empty while ok().
     */
    QString oorzaakTekst(QStringView regeleinde = u"\n") const;
    /** What the user is told: the file by its full name, then oorzaakTekst(). Empty while ok(). */
    QString melding(QStringView regeleinde = u"\n") const;

private:
    bool blokSchrijven(const char* data, qsizetype lengte, bool laatste);
    qint64 schrijfAanroep(const char* data, qsizetype lengte);
    bool mislukt(int foutnummer);
    void opruimen();
    /** Lets go of the lock on the copy. */
    void loslaten();

    QString m_pad;
    QString m_doel;       // where the name points to: the target of a symbolic link, else the path itself
    QString m_tijdelijk;
    QString m_oorzaak;
    QByteArray m_buffer;
    qsizetype m_blok;
    int m_fd = -1;
    int m_slot = -1; // holds the lock on the copy until it has the name or is removed
    int m_schrijfbeurten = 0;
    enum class Storing { Geen, Deel, Weigeren } m_storing = Storing::Geen; // a failure planted in the current write
    bool m_ouder = false; // a file of that name was there when writing began
    bool m_vervangen = false;
};

/**
 * Writes the bytes as the file pad, whole or not at all (see Schrijver).
 * @param fout on failure: Schrijver::melding() with the line end given
 */
bool bestandSchrijven(const QString& pad, QByteArrayView inhoud, QString* fout = nullptr,
                      QStringView regeleinde = u"\n");

/** The Dutch cause of a failure of the system's file calls, by its error number (errno). */
QString oorzaakVan(int foutnummer);

/** The steps of writing a file, where a test can plant a failure. */
enum class Stap { Openen, Schrijven, LaatsteBlok, Synchroniseren, Sluiten, Hernoemen };

/**
 * A failure planted for tests. While it is planted, every writer fails at that step with the error number, as
 * the system would: a failing write first writes part of its block, a failing close still closes.
 */
struct Storing
{
    Stap stap;
    int foutnummer;
    /** For Stap::Schrijven: which write of the file fails, counted from 1. */
    int keer = 1;
    /** Other than 0: the size of the blocks written, to have many writes with little data. */
    qsizetype blokgrootte = 0;
};

/** Plants the failure for as long as it lives; for tests only. */
class GeplandeStoring
{
public:
    explicit GeplandeStoring(const Storing& storing);
    ~GeplandeStoring();
    GeplandeStoring(const GeplandeStoring&) = delete;
    GeplandeStoring& operator=(const GeplandeStoring&) = delete;
};

} // namespace bestand
