#pragma once

// Internal to the database layer: the SQLite connection and the recordset implementations.

#include "db/Database.h"

#include <QHash>
#include <set>
#include <sqlite3.h>

namespace db::detail {

class RecordsetImpl;

struct Verbinding
{
    sqlite3* db = nullptr;
    QString pad;
    quint64 generatie = 1;
    int diepte = 0;
    QHash<QString, sqlite3_stmt*> cache;
    std::set<RecordsetImpl*> recordsets;

    ~Verbinding();
    void sluiten();
    void controleerOpen() const;
    /** A statement owned by the caller (finalize it). */
    sqlite3_stmt* voorbereiden(const QString& sql, const char** rest = nullptr);
    /** A statement from the shared cache; the caller resets it when done (StmtGebruik does). */
    sqlite3_stmt* uitCache(const QString& sql);
    [[noreturn]] void fout(const QString& wat) const;
    void gewijzigd() { ++generatie; }
    /** Resets every open walk, so that a schema change is not refused for a statement in progress. */
    void cursorsStoppen();
};

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

void binden(sqlite3_stmt* s, int plaats, const Waarde& w);
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
    virtual int veldIndex(const QString& naam) const = 0; ///< -1 when unknown
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
