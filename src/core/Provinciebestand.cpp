#include "Provinciebestand.h"

#include "core/Tekst.h"

namespace core {

std::optional<ProvincieRegel> provincieRegelLezen(const QString& regel)
{
    QString rest = regel;
    QString velden[4];
    for (QString& veld : velden) {
        const qsizetype punt = rest.indexOf(u';');
        if (punt < 0)
            return std::nullopt;
        veld = rest.left(punt);
        rest = rest.mid(punt + 1);
    }
    if (!IsNumeric(velden[0]))
        return std::nullopt;
    int nr = 0;
    try {
        nr = CInt(db::Waarde(velden[0]));
    } catch (const std::exception&) {
        return std::nullopt;
    }
    return ProvincieRegel{nr, velden[1], velden[2], velden[3], rest};
}

} // namespace core
