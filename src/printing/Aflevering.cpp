#include "printing/Aflevering.h"

#include "core/Algemeen.h"
#include "core/Documenten.h"
#include "core/FrmWedstrijdInput.h"
#include "ui/Zandloper.h"

namespace printing {

QString documentBewaren(word::Document& document, const QString& soort)
{
    QString nummer = core::algemeen().rsMatchen.veld(QStringLiteral("WedstrNr")).tekst().trimmed();
    // A match number is made of letters and digits; anything a file name cannot hold becomes a dash.
    for (QChar& c : nummer) {
        if (QStringLiteral("/\\:*?\"<>|").contains(c))
            c = u'-';
    }
    return core::DocumentBewaren(document, soort + u' ' + nummer + QStringLiteral(".docx"));
}

void Bezig::beginnen()
{
    ui::zandloperAan();
    m_venster.uitschakelen();
    m_bezig = true;
}

void Bezig::afsluiten()
{
    if (!m_bezig)
        return;
    m_bezig = false;
    m_venster.setEnabled(true);
    ui::zandloperUit();
}

} // namespace printing
