#include "printing/Afdrukken.h"

#include "printing/VoorAanvang.h"
#include "printing/WedstrijdbladNaAfloop.h"

namespace printing {

void Afdrukken::AfdrukkenScheidsrechtersblaadjes(int afdrukken, int sluiten, int teKnippen)
{
    printing::AfdrukkenScheidsrechtersblaadjes(afdrukken, sluiten, teKnippen);
}

void Afdrukken::AfdrukkenWedstrijdbladVoorAanvang(int afdrukken, int sluiten)
{
    printing::AfdrukkenWedstrijdbladVoorAanvang(afdrukken, sluiten);
}

void Afdrukken::AfdrukkenWedstrijdbladNaAfloop(int variant)
{
    printing::AfdrukkenWedstrijdbladNaAfloop(variant);
}

} // namespace printing
