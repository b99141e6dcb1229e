#pragma once

// Internal to the database layer: the SQLite connection and the recordset implementations.

#include "db/Database.h"

#include <QHash>
#include <algorithm>
#include <set>
#include <sqlite3.h>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>
#include <memory>

namespace db::detail {

class RecordsetImpl;

/**
 * The texts bound for one run of a statement that is stepped to its end at once (a write, or a
 * result read whole): encoded as UTF-8 into blocks that stay put, and bound without a copy by the
 * engine. The texts must stay until the statement has run: the buffer is emptied only before the
 * next run's binding, and a statement whose bindings outlive the run (an open walk) does not use it.
 */
class Bindbuffer
{
public:
    /** Before the binding of the next run: the blocks are used again from the start. */
    void legen()
    {
        m_blok = 0;
        m_gebruikt = 0;
    }
    void tekst(sqlite3_stmt* s, int plaats, QStringView t)
    {
        const size_t n = static_cast<size_t>(t.size());
        if (m_blok >= m_blokken.size() || m_gebruikt + 3 * n > Blokgrootte) {
            tekstInNieuwBlok(s, plaats, t);
            return;
        }
        // ASCII (most texts, short ones) copied here, in line, so that the many values of a row
        // cost no call each; the rest encoded by utf8Schrijven.
        char* begin = m_blokken[m_blok].get() + m_gebruikt;
        const char16_t* c = t.utf16();
        size_t i = 0;
        while (i < n && c[i] < 0x80) {
            begin[i] = static_cast<char>(c[i]);
            ++i;
        }
        if (i < n) {
            restBinden(s, plaats, t, begin, static_cast<qsizetype>(i));
            return;
        }
        sqlite3_bind_text(s, plaats, begin, static_cast<int>(n), SQLITE_STATIC);
        m_gebruikt += n;
    }
    /** A text as above, any other value as binden() binds it. */
    void binden(sqlite3_stmt* s, int plaats, const Waarde& w);

private:
    /** A text for which the block in use has no room: a new block, or its own copy when too long for one. */
    void tekstInNieuwBlok(sqlite3_stmt* s, int plaats, QStringView t);
    /** The text from its first character beyond ASCII on, after the klaar characters written at begin. */
    void restBinden(sqlite3_stmt* s, int plaats, QStringView t, char* begin, qsizetype klaar);

    static constexpr size_t Blokgrootte = 16384;
    std::vector<std::unique_ptr<char[]>> m_blokken;
    size_t m_blok = 0;
    size_t m_gebruikt = 0;
};

/**
 * Prepared statements by their SQL text. The text is hashed with the standard library's string
 * hash, which costs a fraction of Qt's for the long texts of a wide table. Kept bounded: SQL text
 * with inlined values makes many one-off statements.
 */
class StmtCache
{
public:
    StmtCache() = default;
    StmtCache(const StmtCache&) = delete;
    StmtCache& operator=(const StmtCache&) = delete;
    ~StmtCache() { leegmaken(); }

    sqlite3_stmt* zoek(const QString& sql)
    {
        // The text of the last statement found, given again (a statement a row): the cache holds
        // that text, so the same characters at the same place are the same text, unhashed.
        if (m_laatste && sql.constData() == m_laatsteTekst.constData() && sql.size() == m_laatsteTekst.size())
            return m_laatste;
        const auto it = m_stmts.find(sql);
        if (it == m_stmts.end())
            return nullptr;
        m_laatsteTekst = it->first;
        m_laatste = it->second;
        return m_laatste;
    }
    /** Keeps the statement (finalized with the cache); a full cache is emptied first. */
    void bewaren(const QString& sql, sqlite3_stmt* s)
    {
        if (m_stmts.size() >= 256)
            leegmaken();
        m_stmts.emplace(sql, s);
    }
    void leegmaken()
    {
        for (const auto& [sql, s] : m_stmts)
            sqlite3_finalize(s);
        m_stmts.clear();
        m_laatste = nullptr;
        m_laatsteTekst.clear();
    }

private:
    struct Hash
    {
        size_t operator()(const QString& s) const noexcept
        {
            const auto* tekens = reinterpret_cast<const char16_t*>(s.constData());
            return std::hash<std::u16string_view>{}(std::u16string_view(tekens, static_cast<size_t>(s.size())));
        }
    };
    std::unordered_map<QString, sqlite3_stmt*, Hash> m_stmts;
    QString m_laatsteTekst; ///< shares its characters with the key of m_laatste
    sqlite3_stmt* m_laatste = nullptr;
};

// Which rows may have changed since a recordset last looked. One clock counts every change; each
// table keeps the clock reading of its own last change (the engine's update hook tells which table
// a row was written in), and some events count for every table at once: a rollback, a schema
// change, or rows removed without the hook (a DELETE without WHERE empties a table in one go).
struct Verbinding
{
    sqlite3* db = nullptr;
    QString pad;
    quint64 generatie = 1;       ///< the clock: raised by every change
    quint64 allesGeneratie = 1;  ///< the clock reading of the last change that counts for every table
    quint64 schemaGeneratie = 1; ///< raised whenever tables, fields or indexes may have changed
    quint64 hookTeller = 0;      ///< rows reported by the update hook
    int schemaVersie = -1;       ///< the engine's schema cookie when last looked at
    int diepte = 0;
    /**
     * Milliseconds waited for another program's lock: in the wait of one statement, or, while a
     * transaction runs, in all its waits together (the transaction's statements share one wait).
     */
    int gewacht = 0;
    StmtCache cache;          ///< statements of the layer and of openRecordset, by their SQL text
    StmtCache uitvoerCache;   ///< statements of uitvoeren with parameters, by the text as given
    Bindbuffer bindbuffer;    ///< the texts of the parameters of the statement being run
    std::set<RecordsetImpl*> recordsets;
    // Per table (name in ASCII lower case, as the engine matches names): the clock at its last change.
    // The map's nodes stay put, so recordsets keep a pointer to their table's entry.
    std::unordered_map<std::string, quint64> tabelGeneraties;
    std::string laatsteTabel;
    quint64* laatsteSlot = nullptr;
    sqlite3_stmt* schemaStmt = nullptr;
    /** Table definitions by the name asked for, each with the schemaGeneratie it was read at. */
    QHash<QString, std::pair<quint64, TabelDef>> tabelDefs;

    Verbinding();
    ~Verbinding();
    Verbinding(const Verbinding&) = delete;
    Verbinding& operator=(const Verbinding&) = delete;
    /** Every connection that exists, open or closed. */
    static std::set<Verbinding*>& alle();
    void sluiten();
    void controleerOpen() const;
    /** A statement owned by the caller (finalize it). */
    sqlite3_stmt* voorbereiden(const QString& sql, const char** rest = nullptr);
    /** A statement from the shared cache; the caller resets it when done (StmtGebruik does). */
    sqlite3_stmt* uitCache(const QString& sql);
    [[noreturn]] void fout(const QString& wat) const;
    /** Every table may have changed (rollback, schema change, a write the hook did not see). */
    void gewijzigd()
    {
        ++generatie;
        allesGeneratie = generatie;
    }
    /** Called by the update hook for every row written. */
    void tabelGewijzigd(const char* naam);
    /** The entry that holds a table's generation; it stays valid while the connection lives. */
    const quint64* tabelSlot(const QString& naam);
    quint64 tabelGeneratie(const quint64* slot) const { return std::max(*slot, allesGeneratie); }
    /**
     * Compares the engine's schema cookie with the last one seen; a difference raises schemaGeneratie,
     * and so does a cookie that cannot be read.
     * @return false when it could not be read (the engine's error is then still to be read)
     */
    bool schemaNagaan();
    /**
     * Steps a statement that may write to its end or its first row, and keeps the generations right:
     * rows the hook did not report count as a change of every table, a schema change raises
     * schemaGeneratie. A schema change refused because walks are open stops them and tries again.
     * @return the step's result code (SQLITE_ROW, SQLITE_DONE or an error)
     */
    int schrijvendStappen(sqlite3_stmt* s);
    /** Resets every open walk, so that a schema change is not refused for a statement in progress. */
    void cursorsStoppen();
    /** Before any write: every walk notes where it is, while its statement can still tell. */
    void voorSchrijven();
};

/** What one of the engine's common failures means for the user, in Dutch; empty for the others. */
QString oorzaakVan(int code);

/** The table name as the engine matches it: ASCII letters in lower case. */
std::string tabelSleutel(const QString& naam);

/** Resets a cached statement when the scope ends. */
class StmtGebruik
{
public:
    explicit StmtGebruik(sqlite3_stmt* s)
        : m_s(s)
    {
    }
    ~StmtGebruik()
    {
        sqlite3_reset(m_s);
        sqlite3_clear_bindings(m_s);
    }
    sqlite3_stmt* get() const { return m_s; }

private:
    sqlite3_stmt* m_s;
};

/** The text as UTF-8 into uit (room for three bytes a character); -1 for a text with surrogates. */
qsizetype utf8Schrijven(QStringView t, char* uit);
/** Binds a text as UTF-8, the file's own encoding. */
void tekstBinden(sqlite3_stmt* s, int plaats, QStringView t);
/** Binds a value in the form it is stored in (see voorOpslag). */
void binden(sqlite3_stmt* s, int plaats, const Waarde& w);
/**
 * Binds SQL parameters, which have no field to convert them for: a number that is whole binds as
 * a whole number, a date as the text a Datum field stores ("yyyy-mm-dd", with " hh:mm:ss").
 */
void allesBinden(Verbinding& v, sqlite3_stmt* s, const QList<Waarde>& parameters);
/** A field's kind, worked out once from its type word. */
enum class VeldSoort
{
    Onbekend, ///< no type word (an expression, or a type made by other means): values as stored
    Tekst,
    Integer,
    Long,
    Double,
    Datum,
    Boolean
};
VeldSoort veldSoortVan(const QString& typeWoord);

Waarde lezen(sqlite3_stmt* s, int kolom, VeldSoort soort);
/** @name What lezen() makes of a whole number, a number and a text read for a field of the given kind. */
///@{
Waarde alsGeheel(qint64 i, VeldSoort soort);
Waarde alsGetal(double d, VeldSoort soort);
Waarde alsTekst(const QString& t, VeldSoort soort);
///@}
/** A date as a Datum field stores it: "yyyy-mm-dd", with " hh:mm:ss" when it has a time of day. */
QString datumOpslag(const QDateTime& d);
/** UTF-8 as the engine holds it, as text. */
QString tekstUitUtf8(const char* p, qsizetype n);
QString tekstKolom(sqlite3_stmt* s, int kolom);

/** A value made fit for a field of the given type word, or DbFout (Conversie). */
Waarde voorOpslag(const QString& veld, VeldSoort soort, const Waarde& w);

class RecordsetImpl
{
public:
    explicit RecordsetImpl(std::shared_ptr<Verbinding> v);
    virtual ~RecordsetImpl();

    virtual bool eof() = 0;
    virtual bool bof() = 0;
    virtual void moveFirst() = 0;
    virtual void moveNext() = 0;
    virtual void movePrevious() = 0;
    virtual void moveLast() = 0;
    virtual qint64 recordCount() = 0;
    virtual int aantalVelden() const = 0;
    virtual QString veldNaam(int i) const = 0;
    virtual QString veldType(int i) const = 0;
    virtual int veldIndex(QStringView naam) const = 0; ///< -1 when unknown
    virtual Waarde veld(int i) = 0;

    virtual QString tabelNaam() const;
    virtual QString index() const;
    virtual void setIndex(const QString& naam);
    virtual void seek(const QString& vergelijking, const QList<Waarde>& sleutels);
    virtual bool noMatch() const;
    virtual void edit();
    virtual void addNew();
    virtual void update();
    virtual void cancelUpdate();
    virtual void remove();
    virtual void zet(int i, const Waarde& w);

    /** Ends an open walk; the next move starts again from the current row. */
    virtual void cursorStoppen() {}
    /** Reads the current row into memory when it is not there, so that it stays readable while the file is locked. */
    virtual void rijBewaren() {}
    /** A write is about to happen: note the current row's place while the walk can still read it. */
    virtual void plaatsVastleggen() {}
    /** Called when the connection closes: release every statement. */
    virtual void loslaten() = 0;
    void sluiten();
    bool isOpen() const { return static_cast<bool>(m_v); }

protected:
    Verbinding& v() const;
    [[noreturn]] void nietToegestaan() const;
    std::shared_ptr<Verbinding> m_v;
};

std::shared_ptr<RecordsetImpl> maakSqlRecordset(std::shared_ptr<Verbinding> v, const QString& sql,
                                                const QList<Waarde>& parameters);
std::shared_ptr<RecordsetImpl> maakTabelRecordset(std::shared_ptr<Verbinding> v, const QString& naam);

} // namespace db::detail
