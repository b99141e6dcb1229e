#pragma once

// The provinces file shipped beside the program (update20100807.txt): one province per line,
// Nr;Provincie;Province;Afkorting;TabT in Windows-1252.

#include <QString>
#include <optional>

namespace core {

inline const QString ProvinciebestandNaam = QStringLiteral("update20100807.txt");

struct ProvincieRegel
{
    int nr = 0;
    QString provincie;
    QString province;
    QString afkorting;
    QString tabT; ///< everything after the fourth ";"
};

/** One line of the provinces file; nothing for a line without four ";" or without a number first. */
std::optional<ProvincieRegel> provincieRegelLezen(const QString& regel);

} // namespace core
