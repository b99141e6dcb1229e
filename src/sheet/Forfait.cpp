#include "Forfait.h"

#include "core/Algemeen.h"
#include "core/AlgemeneFuncties.h"
#include "core/Matchkolommen.h"
#include "core/Wedstrijdblad.h"
#include "db/Database.h"

#include <QCheckBox>

#include <algorithm>

using core::algemeen;

namespace sheet {

namespace {

// The number of games of the match on the sheet; never more than the row has fields for.
int aantalSpellen()
{
    return std::min(algemeen().intLaatsteWedstrijd + 1, core::Wedstrijdblad::AantalWedstrijden);
}

} // namespace

bool ForfaitResultatenIngevuld()
{
    const db::Recordset& m = algemeen().rsMatchen;
    for (int g = 1; g <= aantalSpellen(); ++g) {
        const QString set1 = core::objAlgemeneFuncties().Inhoud(m.veld(core::SetKolom(g, 1, true))).tekst();
        if (!set1.isEmpty() && set1 != u"w")
            return true;
    }
    return false;
}

void GegevensForfaitAanpassen(const QCheckBox& vak, const QString& kant)
{
    db::Recordset& m = algemeen().rsMatchen;
    const bool thuis = kant == u"T";
    const bool aan = vak.isChecked();
    const QString jaNee = aan ? QStringLiteral("J") : QStringLiteral("N");
    const QString blanco = QStringLiteral(" ");
    const QString markering = !aan ? blanco : thuis ? QStringLiteral("/") : QStringLiteral("*");

    m.edit();
    try {
        m.zet(thuis ? QStringLiteral("forfaitth") : QStringLiteral("forfaituit"), jaNee);
        for (int g = 1; g <= aantalSpellen(); ++g) {
            m.zet(core::SpelKolom(g), markering);
            for (int p = 1; p <= 4; ++p)
                m.zet((thuis ? QStringLiteral("AFWTH") : QStringLiteral("AFWUIT")) + QString::number(p), jaNee);
            for (int s = 1; s <= 3; ++s) {
                m.zet(core::SetKolom(g, s, true), aan ? QStringLiteral("w") : blanco);
                m.zet(core::SetKolom(g, s, false), aan ? QStringLiteral("o") : blanco);
            }
            if (aan) {
                for (int s = 4; s <= 5; ++s) {
                    m.zet(core::SetKolom(g, s, true), blanco);
                    m.zet(core::SetKolom(g, s, false), blanco);
                }
            }
        }
        m.update();
    } catch (...) {
        // The row stays as it was; the edit must not linger for the next writer.
        m.cancelUpdate();
        throw;
    }
}

} // namespace sheet
