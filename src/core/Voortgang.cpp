#include "Voortgang.h"

#include <cmath>

namespace core {

qint64 Voortgangsmarkering::volgendeTeller() const
{
    return static_cast<qint64>(std::floor(m_totaal / 100.0 * m_markering));
}

int Voortgangsmarkering::bij(qint64 teller)
{
    if (volgendeTeller() != teller)
        return -1;
    const int getoond = m_markering;
    m_markering += m_stap;
    return getoond;
}

} // namespace core
