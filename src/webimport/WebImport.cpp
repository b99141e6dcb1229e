#include "WebImport.h"

#include "FrmImportKorvat.h"
#include "frmLogin.h"

namespace webimport {

void WebImport::ImportKorvatTonen()
{
    // Shown without blocking; the main window stays enabled.
    FrmImportKorvat::standaard().toon();
}

void venstersOpruimen()
{
    frmLogin::opruimen();
    FrmImportKorvat::opruimen();
}

} // namespace webimport
