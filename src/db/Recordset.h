#pragma once

#include "db/Waarde.h"

#include <QAnyStringView>
#include <QList>
#include <QString>
#include <memory>

namespace db {

namespace detail {
class RecordsetImpl;
}

class Recordset;

/** One field of the current row, readable as a value and assignable while editing. */
class VeldRef
{
public:
    /** The field of this name; DbFout when the recordset has none. */
    VeldRef(Recordset& rs, QAnyStringView naam);
    operator Waarde() const;
    VeldRef& operator=(const Waarde& waarde);
    QString tekst() const;

private:
    Recordset& m_rs;
    int m_nummer;
};

/**
 * A recordset: either a table opened as a table (walks in the order of its current index, seeks,
 * edits the current row, adds and deletes rows, every change written at once), or the result rows
 * of SQL text (read-only, except those of a plain SELECT on one table: see Database::openRecordset).
 * Copies share the same recordset; a default-constructed one is closed.
 *
 * Field names are matched without regard to case. Values come back as stored: Null, "" and " "
 * are three different values.
 */
class Recordset
{
public:
    Recordset();
    explicit Recordset(std::shared_ptr<detail::RecordsetImpl> impl);

    bool isOpen() const;
    void sluiten();

    /** @name Position */
    ///@{
    bool eof() const;
    bool bof() const;
    void moveFirst();
    void moveNext();
    void movePrevious();
    void moveLast();
    qint64 recordCount() const;
    ///@}

    /** @name Fields of the current row */
    ///@{
    int aantalVelden() const;
    QString veldNaam(int i) const;
    /** The field's type word (Tekst, Long, ...); empty when the field has none. */
    QString veldType(int i) const;
    bool heeftVeld(const QString& naam) const;
    /** The field's number, for veld(int) and zet(int, ...) in a loop over many rows. */
    int veldNummer(const QString& naam) const;
    Waarde veld(const QString& naam) const;
    Waarde veld(int i) const;
    /** The field by name; the name is looked up once, without copying it. */
    VeldRef operator[](QAnyStringView naam) { return VeldRef(*this, naam); }
    /** Assigns a field while editing or adding; a value the field cannot hold is refused at once. */
    void zet(const QString& naam, const Waarde& waarde);
    void zet(int i, const Waarde& waarde);
    ///@}

    /** @name Table recordsets only */
    ///@{
    QString tabelNaam() const;
    QString index() const;
    /** Selects an index by name (without regard to case); the first row in its order becomes current. */
    void setIndex(const QString& naam);
    /**
     * Finds the first row whose leading index fields equal the given values, in the index's key
     * order. Fewer values than key fields compare only the leading fields. Only "=" is supported.
     */
    void seek(const QString& vergelijking, const QList<Waarde>& sleutels);
    bool noMatch() const;
    void edit();
    void addNew();
    void update();
    void cancelUpdate();
    /** Deletes the current row; it stays current (unreadable) until the next move. */
    void remove();
    ///@}

private:
    friend class VeldRef;
    detail::RecordsetImpl& impl() const;
    std::shared_ptr<detail::RecordsetImpl> m_impl;
};

} // namespace db
