#pragma once

#include "db/Waarde.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <memory>

namespace db {

namespace detail {
struct Verbinding;
}

/**
 * Adds rows to one table through one prepared statement, for loading many rows at once (an
 * import). A value given as text is converted for its field as Recordset::zet converts a text, and
 * its text is bound without being copied. As around any write of a table recordset, the open walks
 * note their place first, and every recordset sees the new rows. Made by Database::toevoeger().
 */
class Toevoeger
{
public:
    Toevoeger(std::shared_ptr<detail::Verbinding> v, const QString& tabel, const QStringList& velden);
    ~Toevoeger();
    Toevoeger(Toevoeger&&) noexcept;
    Toevoeger& operator=(Toevoeger&&) noexcept;

    /**
     * Sets the field at place i of the fields given for the row being made.
     * @throw DbFout (Conversie) for a value the field cannot hold; the field stays empty (Null)
     */
    void zet(int i, QStringView tekst);
    void zet(int i, const QString& tekst) { zet(i, QStringView(tekst)); }
    void zet(int i, const Waarde& waarde);
    /**
     * As zet, but a value the field cannot hold (a blank in a number field) only leaves the field
     * empty (Null). @return false then
     */
    bool zetOfLeeg(int i, QStringView tekst);
    /** Writes the row; a field that was not set is Null. Every field is unset again afterwards. */
    void toevoegen();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace db
