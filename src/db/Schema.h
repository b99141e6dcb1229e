#pragma once

#include <QList>
#include <QString>

namespace db {

/**
 * The type words of the table structure and how they are declared in SQLite.
 *
 * Each word maps to a declared type that keeps the right column affinity (text stays text, so
 * "007" keeps its zeros) and that maps back to the same word when a table is listed.
 */
namespace TypeWoord {
inline const QString Tekst = QStringLiteral("Tekst");
inline const QString Memo = QStringLiteral("Memo");
inline const QString Datum = QStringLiteral("Datum");
inline const QString Integer = QStringLiteral("Integer");
inline const QString Long = QStringLiteral("Long");
inline const QString Double = QStringLiteral("Double");
inline const QString Boolean = QStringLiteral("Boolean");
} // namespace TypeWoord

/** The declared SQLite type for a type word; an empty or unknown word gives a text column. */
QString gedeclareerdType(const QString& typeWoord);

/** The type word of a declared SQLite type; a type that has no word gives the empty text. */
QString typeWoordVan(const QString& gedeclareerdType);

/** True for the type words that hold text (Tekst, Memo and the wordless fallback). */
bool isTekstType(const QString& typeWoord);

struct VeldDef
{
    QString naam;
    QString typeWoord; ///< empty: no word (created as text)
    bool autoNummer = false; ///< a Long that numbers new rows itself (the table's row key)
};

struct IndexVeldDef
{
    QString naam;
    bool aflopend = false;
};

struct IndexDef
{
    QString naam; ///< the name callers use; unique per table only
    QList<IndexVeldDef> velden;
};

struct TabelDef
{
    QString naam;
    QList<VeldDef> velden;
    QList<IndexDef> indexen;
};

} // namespace db
