#include "Bedrading.h"

#include "core/Diensten.h"
#include "masterdata/Opties.h"
#include "masterdata/Stamgegevens.h"
#include "sheet/Blad.h"
#include "sheet/FrmVoorbehoud.h"
#include "webimport/WebImport.h"

namespace app {

void dienstenBedraden()
{
    static sheet::Blad wedstrijdblad;
    static masterdata::Stamgegevens stamgegevens;
    static webimport::WebImport webImport;
    core::Diensten& d = core::diensten();
    d.wedstrijdblad = &wedstrijdblad;
    d.stamgegevens = &stamgegevens;
    d.webImport = &webImport;
}

void venstersOpruimen()
{
    Opties::opruimen();
    FrmVoorbehoud::opruimen();
    webimport::venstersOpruimen();
}

} // namespace app
