#include "core/Matchkolommen.h"

#include "core/FunctiesQJ.h"
#include "db/Waarde.h"

namespace core {

QString SpelKolom(int spel)
{
    return u'W' + objFunctiesQJ().BeginNulToevoegen(db::Waarde(spel), 2);
}

QString SetKolom(int spel, int set, bool thuis)
{
    return SpelKolom(spel) + QStringLiteral("Set") + QString::number(set) + (thuis ? u'T' : u'U');
}

} // namespace core
