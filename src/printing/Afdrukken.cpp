#include "printing/Afdrukken.h"

#include "printing/WedstrijdbladNaAfloop.h"
#include "ui/Meldingen.h"

namespace printing {

namespace {

void nogNietBeschikbaar()
{
    ui::meldingen().waarschuwing(QStringLiteral("Programma Wedstrijden"),
                                 QStringLiteral("Dit onderdeel is voorlopig nog niet beschikbaar."));
}

} // namespace

// The sheet before the match and the referee slips are not made yet.
void Afdrukken::AfdrukkenScheidsrechtersblaadjes(int, int, int)
{
    nogNietBeschikbaar();
}

void Afdrukken::AfdrukkenWedstrijdbladVoorAanvang(int, int)
{
    nogNietBeschikbaar();
}

void Afdrukken::AfdrukkenWedstrijdbladNaAfloop(int variant)
{
    printing::AfdrukkenWedstrijdbladNaAfloop(variant);
}

} // namespace printing
