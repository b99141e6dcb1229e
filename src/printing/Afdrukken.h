#pragma once

// Match-sheet printing as a service of the main window.

#include "core/Diensten.h"

namespace printing {

class Afdrukken : public core::IAfdrukken
{
public:
    void AfdrukkenScheidsrechtersblaadjes(int afdrukken, int sluiten, int teKnippen) override;
    void AfdrukkenWedstrijdbladVoorAanvang(int afdrukken, int sluiten) override;
    void AfdrukkenWedstrijdbladNaAfloop(int variant) override;
};

} // namespace printing
