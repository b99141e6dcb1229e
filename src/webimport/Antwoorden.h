#pragma once

// The service's answers read into plain values, by element name. An answer whose count does not
// match its entries is incomplete and gives nothing, as a failed fetch does; a club's venues are
// read as their entries come, whatever its venue count says.

#include "soap/Element.h"
#include "webimport/Opslag.h"

#include <optional>

namespace webimport {

std::optional<QList<Lid>> ledenLezen(const soap::Knooplijst& antwoord);
std::optional<QList<Club>> clubsLezen(const soap::Knooplijst& antwoord);
std::optional<QList<Wedstrijd>> wedstrijdenLezen(const soap::Knooplijst& antwoord);
std::optional<QList<Ploeg>> ploegenLezen(const soap::Knooplijst& antwoord);

} // namespace webimport
