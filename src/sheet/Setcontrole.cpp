#include "Setcontrole.h"

#include "core/Tekst.h"

namespace sheet {

namespace {

int waarde(const QString& t)
{
    return static_cast<int>(core::Val(t));
}

} // namespace

Setuitkomst SetControleren(QString& thuis, QString& uit)
{
    if (thuis.isEmpty() && uit.isEmpty())
        return Setuitkomst::Leeg;
    if (thuis.isEmpty())
        thuis = QStringLiteral("0");
    if (uit.isEmpty())
        uit = QStringLiteral("0");
    if (!core::AlleenCijfers(thuis) || !core::AlleenCijfers(uit))
        return Setuitkomst::Fout;
    if (waarde(thuis) < 11 && waarde(uit) < 11)
        return Setuitkomst::Fout;
    if (waarde(thuis) > 9 && waarde(uit) > 9) {
        const int verschil = std::abs(waarde(thuis) - waarde(uit));
        if (verschil < 2)
            return Setuitkomst::Fout;
        if (verschil > 2) {
            if (waarde(uit) < waarde(thuis))
                thuis = QString::number(waarde(uit) + 2);
            else
                uit = QString::number(waarde(thuis) + 2);
        }
        return Setuitkomst::Goed;
    }
    if (waarde(thuis) < 10)
        uit = QStringLiteral("11");
    if (waarde(uit) < 10)
        thuis = QStringLiteral("11");
    return Setuitkomst::Goed;
}

} // namespace sheet
