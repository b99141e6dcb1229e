#include "Bedrading.h"

#include "core/Diensten.h"
#include "exchange/FrmVoorbereiden.h"
#include "exchange/Uitwisseling.h"
#include "maintenance/Onderhoud.h"
#include "masterdata/Opties.h"
#include "masterdata/Stamgegevens.h"
#include "sheet/Blad.h"
#include "sheet/FrmVoorbehoud.h"

namespace app {

void dienstenBedraden()
{
    static sheet::Blad wedstrijdblad;
    static masterdata::Stamgegevens stamgegevens;
    static exchange::Uitwisseling uitwisseling;
    static maintenance::Onderhoud onderhoud;
    core::Diensten& d = core::diensten();
    d.wedstrijdblad = &wedstrijdblad;
    d.stamgegevens = &stamgegevens;
    d.uitwisseling = &uitwisseling;
    d.onderhoud = &onderhoud;
}

void venstersOpruimen()
{
    Opties::opruimen();
    FrmVoorbehoud::opruimen();
    FrmVoorbereiden::opruimen();
}

} // namespace app
