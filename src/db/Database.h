#pragma once

// The database layer: SQLite files used the way the program used its Jet databases through DAO.
//
// Case. Text fields are declared COLLATE NOCASE, SQLite's own collation, so that the files stay
// usable in the sqlite3 shell and other tools. NOCASE folds A-Z only: where the file itself compares
// or sorts (seek, WHERE, ORDER BY, the order of a walk), "é" and "É" differ, and accented letters
// sort by code point, after "z" and apart from their unaccented letters. The program's own
// comparisons, and the layer's look-up of table, field and index names, fold the Windows-1252
// letters as well (db/Hoofdletters.h).
//
// Writes and transactions. Outside a transaction every write is a transaction of its own, with the
// engine's wait for the disk (most of a millisecond). A long action - an import, an export, a walk
// that edits many rows - runs inside one db::Transactie: its writes then cost microseconds, and a
// failure (an exception leaving the scope) leaves the database as it was. Transactions nest (an inner
// one is a savepoint; only the outermost commits). Recordsets may stay open across a commit or a
// rollback: after a rollback they find their rows again as the file now has them.
//
// Values in SQL. Values assigned to fields and seek keys are converted for the field, as Jet did
// (see Recordset::zet). Parameters ("?") have no field; they bind in the forms the fields store: a
// number that is whole as a whole number (so 12345.0 equals the text "12345" in a text field), a
// date as a Datum field stores it ("yyyy-mm-dd", with " hh:mm:ss" when it has a time; a date kept in
// a text field must be passed as its text), yes/no as -1 or 0.
//
// Jet's SQL. Statements given to uitvoeren() and openRecordset() may be written as for Jet: see
// jetNaarSqlite() in db/JetSql.h for the forms that are translated. Besides Jet's cdate(), SQL may
// call legeTekst(a, b, ...), 1 when any of its (at most 127) arguments is the empty text.

#include "db/Recordset.h"
#include "db/Schema.h"
#include "db/Toevoeger.h"
#include "db/Waarde.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <stdexcept>

namespace db {

namespace detail {
struct Verbinding;
}

/**
 * A database error. The text is Dutch where the layer itself refuses something, and the engine's
 * own message otherwise; the window that started the action decides how to show it.
 */
class DbFout : public std::runtime_error
{
public:
    enum class Soort
    {
        Engine,          ///< the database engine refused the statement
        BestandOntbreekt,///< the database file does not exist
        GeenHuidigRecord,///< no current row (before the first, after the last, after a failed seek)
        RecordVerwijderd,///< the current row was deleted
        Conversie,       ///< a value the field cannot hold
        OnbekendVeld,    ///< no field of that name
        OnbekendeIndex,  ///< no index of that name on the table
        OnbekendeTabel,  ///< no table of that name
        NietToegestaan,  ///< the operation does not apply to this kind of recordset or state
        Gesloten         ///< the database or recordset has been closed
    };

    DbFout(Soort soort, const QString& tekst, bool inGebruik = false);

    Soort soort() const { return m_soort; }
    QString tekst() const { return m_tekst; }
    /** The engine could not get at the file because another program (or connection) holds a lock on it. */
    bool inGebruik() const { return m_inGebruik; }

private:
    Soort m_soort;
    QString m_tekst;
    bool m_inGebruik = false;
};

/**
 * One open database file. Copies share the same connection; the connection closes when the last
 * copy (and every recordset on it) is gone, or at once through sluiten().
 */
class Database
{
public:
    Database();

    /**
     * Opens an existing database file for reading and writing. A missing file is an error: it is
     * never created by accident.
     * @throw DbFout (BestandOntbreekt) when the file does not exist, (Engine) when it cannot be opened.
     */
    static Database openen(const QString& pad);

    /**
     * Creates a new, empty database file.
     * @throw DbFout when a file of that name exists already or cannot be created.
     */
    static Database maken(const QString& pad);

    bool isOpen() const;
    QString pad() const;

    /** Closes the connection and every recordset opened on it; afterwards the file may be copied or renamed. */
    void sluiten();

    /**
     * Executes one or more SQL statements (no result rows).
     * @param parameters values bound to the "?" placeholders, in order
     * @return the number of rows changed by the last statement
     */
    int uitvoeren(const QString& sql, const QList<Waarde>& parameters = {});

    /**
     * Opens SQL text as a recordset on its result rows, read at once. The rows of a plain SELECT on
     * one table whose fields are all the table's own can be edited and deleted (edit, update,
     * remove; not addNew); any other result is read-only (NietToegestaan).
     */
    Recordset openRecordset(const QString& sql, const QList<Waarde>& parameters = {});

    /**
     * Opens a table as a table-type recordset (index selection, seek, edit, add, delete).
     * @throw DbFout (OnbekendeTabel) when the table does not exist.
     */
    Recordset openTabel(const QString& naam);

    /**
     * Adds rows to a table through one prepared statement, the values given as text (see Toevoeger).
     * @throw DbFout (OnbekendeTabel, OnbekendVeld) for a table or field that does not exist.
     */
    Toevoeger toevoeger(const QString& tabel, const QStringList& velden);

    /** @name Schema */
    ///@{
    /** The tables of the database, in alphabetical order, without the engine's own. */
    QStringList tabellen() const;
    bool bestaatTabel(const QString& naam) const;
    /** The table's fields in their order with their type words, and its indexes with their fields. */
    TabelDef tabelDef(const QString& naam) const;
    /** Creates the table with its fields and the indexes listed in the definition. */
    void tabelMaken(const TabelDef& tabel);
    void tabelVerwijderen(const QString& naam);
    void indexMaken(const QString& tabel, const IndexDef& index);
    void indexVerwijderen(const QString& tabel, const QString& index);
    ///@}

    /** @name Transactions (nest; only the outermost commits) */
    ///@{
    void beginTransactie();
    void vastleggen();
    void terugdraaien();
    int transactieDiepte() const;
    ///@}

    /** Raised by every change; recordsets use it to notice that their rows may have moved. */
    quint64 generatie() const;

    /** A handle on a connection that is open already (for the layer's own use). */
    static Database vanVerbinding(std::shared_ptr<detail::Verbinding> v) { return Database(std::move(v)); }

private:
    explicit Database(std::shared_ptr<detail::Verbinding> v);
    detail::Verbinding& v() const;

    std::shared_ptr<detail::Verbinding> m_v;
};

/**
 * Runs a long action as one transaction: commit with vastleggen(); leaving the scope without it
 * rolls everything back, so a failed action leaves the database as it was.
 */
class Transactie
{
public:
    explicit Transactie(Database& db);
    ~Transactie();
    Transactie(const Transactie&) = delete;
    Transactie& operator=(const Transactie&) = delete;

    void vastleggen();

private:
    Database& m_db;
    bool m_klaar = false;
};

/**
 * A database file held, on a connection of its own, by an action that copies, replaces or deletes
 * the file. From the moment it is taken nobody else can begin to write; readers still read, so
 * that the action can copy the file through its own connections. alleenHouden() then keeps every
 * other connection out, readers too, until the hold is let go: the file can be deleted or renamed
 * without anyone's changes going into a file that is gone. (A connection that opened the file
 * before and writes after it was replaced gets an error from the engine instead.)
 * Each step waits for another connection's lock as long as a statement waits (zetWachttijdBijSlot).
 */
class Bestandsslot
{
public:
    /**
     * @throw DbFout (inGebruik) when another connection is writing to the file; as openen() when the
     *        file cannot be opened
     */
    explicit Bestandsslot(const QString& pad);
    ~Bestandsslot();
    Bestandsslot(const Bestandsslot&) = delete;
    Bestandsslot& operator=(const Bestandsslot&) = delete;

    /** @throw DbFout (inGebruik) when another connection still reads or writes; the hold stays as it was */
    void alleenHouden();
    /** Lets the file go (also when the hold ends). */
    void loslaten();

private:
    Database m_db;
    bool m_schrijven = false; ///< the write transaction of the start is open
    bool m_alleen = false;    ///< every other connection is kept out
};

/** How long a statement waits, by default, for a lock that another program holds on the file. */
inline constexpr int StandaardWachttijdBijSlot = 3000;

/**
 * Sets how long a statement waits for a lock that another program (or another connection) holds
 * on the file before it fails; for the connections open now and those opened later. The statements
 * of a transaction (beginTransactie, Transactie) share that wait: a long action that cannot get at
 * the file fails after it, however many statements it runs.
 * @param milliseconden the wait; 0 fails at once
 * @return the wait set before
 */
int zetWachttijdBijSlot(int milliseconden);

/**
 * Gives up the pending values of every recordset that is editing or adding, on every open
 * connection, so that no field reads as a value that was never stored. For the clean-up after an
 * action stopped on an unexpected error.
 */
void bewerkingenAfbreken();

/**
 * Interrupts the open walks of every connection, so that the program holds no read lock on a file
 * while it waits for the user: another program (or a second copy of this one) can then write to it.
 * Each walk finds its place again on its next move; values already read stay readable.
 */
void wandelingenOnderbreken();

/**
 * Reads the current row of every table-type recordset into memory where it is not there yet (after
 * a write, for instance), so that the row stays readable while another program keeps even readers
 * out of the file: the program does this before it waits for the user. A row that cannot be read
 * now is read when a field is asked for.
 */
void huidigeRijenBewaren();

/** A name between double quotes, for SQL text built by the program. */
QString sqlNaam(const QString& naam);

} // namespace db
