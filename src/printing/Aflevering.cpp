#include "printing/Aflevering.h"

#include "core/Algemeen.h"
#include "core/Documenten.h"

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

} // namespace printing
