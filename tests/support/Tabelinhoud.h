#pragma once

// A database read back as text, for comparing what a step stored or left alone.

#include "db/Database.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace testhulp {

/** Every row of a table as its fields joined by "|" (Null as "<null>"), in the order of the given columns, sorted. */
QStringList inhoud(db::Database& d, const QString& tabel, const QString& kolommen = QStringLiteral("*"),
                   const QString& waar = QString());

/** Every row of the given tables, per table; without tables, every table of the database. */
QMap<QString, QStringList> alles(db::Database& d, const QStringList& tabellen = {});

/** A column of the match with this number as the database holds it: "<geen>" without that match, Null as nullAls. */
QString matchVeld(db::Database& d, const QString& wedstrNr, const QString& kolom,
                  const QString& nullAls = QStringLiteral("<null>"));

} // namespace testhulp
