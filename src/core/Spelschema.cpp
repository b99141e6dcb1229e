#include "core/Spelschema.h"

namespace core {

int Beurt(int rij, int laatste)
{
    const int g = laatste == 15 ? 4 : 3;
    int beurt = (rij >= 0 ? rij / g : -((-rij + g - 1) / g)) + 1;
    if (laatste == 6 && beurt > 2)
        beurt = 2;
    if (laatste == 9 && beurt > 3)
        beurt = 3;
    return beurt;
}

int BeurtWaarde(int beurt)
{
    static const int waarden[4] = {1, 16, 32, 64};
    return beurt >= 1 && beurt <= 4 ? waarden[beurt - 1] : 0;
}

} // namespace core
