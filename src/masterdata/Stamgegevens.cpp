#include "Stamgegevens.h"

#include "FrmClubs.h"
#include "FrmWedstrijdToevoegen.h"
#include "Opties.h"
#include "Paswoord.h"

namespace masterdata {

void Stamgegevens::OptiesTonen()
{
    Opties::standaard().toon();
}

void Stamgegevens::PaswoordTonen()
{
    Paswoord::standaard().toon();
}

void Stamgegevens::ClubsTonen()
{
    FrmClubs::standaard().toon();
}

void Stamgegevens::WedstrijdToevoegenTonen()
{
    FrmWedstrijdToevoegen::standaard().toon();
}

} // namespace masterdata
