#include "FolderOpenen.h"

#include "core/Algemeen.h"
#include "ui/Meldingen.h"

namespace core {

QString MapKiezen(const QString& titel, const QString& standaard)
{
    const QString map = ui::meldingen().kiesMap(titel, standaard);
    // The dialog answers its default when the user cancels; that answer goes back exactly as it came in,
    // without a separator added.
    if (map == standaard || map.isEmpty())
        return standaard;
    return metScheidingsteken(map);
}

QString ExportMapKiezen()
{
    return MapKiezen(QStringLiteral("Bestandsmap 'Export.ttr'.\r\nAnnuleren = map 'Import/Export' uit de opties !"),
                     algemeen().strPadOpslaan);
}

} // namespace core
