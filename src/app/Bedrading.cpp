#include "Bedrading.h"

#include "core/Diensten.h"
#include "core/Herstel.h"
#include "db/Database.h"
#include "core/FrmEvenGeduld.h"
#include "exchange/FrmVoorbereiden.h"
#include "exchange/Uitwisseling.h"
#include "lineup/FrmSpelersKiezen.h"
#include "lineup/FrmSterktelijst.h"
#include "lineup/Opstelling.h"
#include "maintenance/Onderhoud.h"
#include "masterdata/FrmClubs.h"
#include "masterdata/FrmWedstrijdToevoegen.h"
#include "masterdata/Opties.h"
#include "masterdata/Paswoord.h"
#include "masterdata/Stamgegevens.h"
#include "printing/Afdrukken.h"
#include "sheet/Blad.h"
#include "sheet/FrmVoorbehoud.h"
#include "ui/Toepassing.h"
#include "webimport/WebImport.h"

#include <QAbstractEventDispatcher>

namespace app {

void dienstenBedraden()
{
    static sheet::Blad wedstrijdblad;
    static masterdata::Stamgegevens stamgegevens;
    static lineup::Opstelling opstelling;
    static printing::Afdrukken afdrukken;
    static exchange::Uitwisseling uitwisseling;
    static maintenance::Onderhoud onderhoud;
    static webimport::WebImport webImport;
    core::Diensten& d = core::diensten();
    d.wedstrijdblad = &wedstrijdblad;
    d.stamgegevens = &stamgegevens;
    d.opstelling = &opstelling;
    d.afdrukken = &afdrukken;
    d.uitwisseling = &uitwisseling;
    d.onderhoud = &onderhoud;
    d.webImport = &webImport;
    ui::zetHerstel(core::NaMislukteActie);
    // While the program waits for the user it holds no read lock on its database files.
    static bool wachtVerbonden = false;
    if (!wachtVerbonden && QAbstractEventDispatcher::instance()) {
        QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                         [] {
                             // Nothing here may fail: the program is about to wait for the user.
                             try {
                                 db::wandelingenOnderbreken();
                                 db::huidigeRijenBewaren();
                             } catch (...) {
                                 // The next read or write reports what is wrong with the file.
                             }
                         });
        wachtVerbonden = true;
    }
}

void venstersOpruimen()
{
    FrmEvenGeduld::opruimen();
    Opties::opruimen();
    Paswoord::opruimen();
    FrmClubs::opruimen();
    FrmWedstrijdToevoegen::opruimen();
    FrmVoorbehoud::opruimen();
    FrmSpelersKiezen::opruimen();
    FrmSterktelijst::opruimen();
    FrmVoorbereiden::opruimen();
    webimport::venstersOpruimen();
}

} // namespace app
