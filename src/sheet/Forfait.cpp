#include "Forfait.h"

#include "BladIndeling.h"

#include "core/Algemeen.h"
#include "core/AlgemeneFuncties.h"
#include "core/Matchkolommen.h"
#include "core/Tekst.h"
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

// A Super men's match played without the doubles (option 'SuperDubbelSpelen' "N"): the calendar
// gives its game 4 as not played by either side, "=" with "w" and "o" in sets 1 to 3.
bool spelVierNietGespeeld(const db::Recordset& m)
{
    const auto veld = [&m](const QString& naam) {
        return core::objAlgemeneFuncties().Inhoud(m.veld(naam)).tekst().trimmed();
    };
    if (veld(QStringLiteral("SoortComp")) != u"S" || core::UCase(veld(QStringLiteral("HerDam"))) == u"D"
        || core::Val(veld(QStringLiteral("Soort"))) != 4)
        return false;
    return SuperDubbelOptie() == u"N";
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
    // A withdrawal gives game 4 back as the calendar gave it when the doubles are not played.
    const int nietGespeeld = !aan && spelVierNietGespeeld(m) ? 4 : 0;

    m.edit();
    try {
        m.zet(thuis ? QStringLiteral("forfaitth") : QStringLiteral("forfaituit"), jaNee);
        for (int g = 1; g <= aantalSpellen(); ++g) {
            const bool wo = aan || g == nietGespeeld;
            m.zet(core::SpelKolom(g), g == nietGespeeld ? QStringLiteral("=") : markering);
            for (int p = 1; p <= 4; ++p)
                m.zet((thuis ? QStringLiteral("AFWTH") : QStringLiteral("AFWUIT")) + QString::number(p), jaNee);
            for (int s = 1; s <= 3; ++s) {
                m.zet(core::SetKolom(g, s, true), wo ? QStringLiteral("w") : blanco);
                m.zet(core::SetKolom(g, s, false), wo ? QStringLiteral("o") : blanco);
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
