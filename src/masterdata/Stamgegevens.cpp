#include "Stamgegevens.h"

#include "Opties.h"

namespace masterdata {

void Stamgegevens::OptiesTonen()
{
    Opties::standaard().toon();
}

} // namespace masterdata
