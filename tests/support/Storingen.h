#pragma once

// The failures planted in the file writer, one for each step of writing a file, with the cause the user
// is told. Each file the program writes is tried with every one of them.

#include "bestand/Schrijver.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

#include <cerrno>

namespace testhulp {

struct Storingsgeval
{
    const char* naam;
    bestand::Storing storing;
    const char* oorzaak;
};

inline const Storingsgeval Storingsgevallen[] = {
    {"opening the file", {bestand::Stap::Openen, EACCES}, "Geen toegang: er mag in deze map niet geschreven worden"},
    // Blocks of 64 bytes: the second write fails half-way, with more of the file still to come.
    {"the second write", {bestand::Stap::Schrijven, ENOSPC, 2, 64}, "Onvoldoende schijfruimte"},
    {"the last block", {bestand::Stap::LaatsteBlok, ENOSPC}, "Onvoldoende schijfruimte"},
    {"the sync to the disk", {bestand::Stap::Synchroniseren, EIO}, "De schijf meldt een fout bij het schrijven"},
    {"the close", {bestand::Stap::Sluiten, EIO}, "De schijf meldt een fout bij het schrijven"},
    {"taking the name", {bestand::Stap::Hernoemen, EBUSY}, "Het bestand is in gebruik"},
};

/** What a file holds; "(ontbreekt)" when there is none. */
inline QByteArray bestandInhoud(const QString& pad)
{
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(ontbreekt)");
}

/** Puts an older file of that name in place. */
inline void bestandBewaren(const QString& pad, const QByteArray& bytes)
{
    QFile f(pad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

} // namespace testhulp
