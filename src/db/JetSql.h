#pragma once

#include <QString>

namespace db {

/**
 * SQL text as written for Jet, in SQLite's form. The text is split into tokens first, so string
 * literals, quoted names and comments are never changed:
 *  - DELETE * FROM t           DELETE FROM t
 *  - [Volgorde Wedstrijden]    "Volgorde Wedstrijden"
 *  - Index (a field name that is a reserved word in SQLite)  "Index"
 *  - LIKE 'P*05?12'            LIKE 'P%05_12'; a % or _ in the pattern is a plain character, as in
 *                              Jet (escaped, with an ESCAPE clause), and [*] stands for the character
 * A LIKE whose pattern is not a text in the statement (a parameter, a field, an expression) cannot
 * be translated, nor a pattern with Jet's # (a digit) or a character list: DbFout (NietToegestaan).
 */
QString jetNaarSqlite(const QString& sql);

namespace detail {
/**
 * The table of a plain SELECT on one table (no join, grouping, DISTINCT or compound), whose rows can
 * be edited; empty otherwise. @p rowidPlaats receives where " rowid," may be inserted (after SELECT).
 */
QString enkeleTabelSelect(const QString& sql, qsizetype& rowidPlaats);
} // namespace detail

} // namespace db
