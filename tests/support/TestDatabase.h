#pragma once

#include <QString>

namespace testhulp {

/** The folder with the databases and data files the build ships. */
QString shippedMap();

/**
 * Copies the shipped starting database QJ-Deel7.mdb, Tabellen.mdb and update20100807.txt into the
 * folder, as an application folder looks after installation.
 * @return the path of the copied QJ-Deel7.mdb
 */
QString applicatiemapVullen(const QString& map);

} // namespace testhulp
