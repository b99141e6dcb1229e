#pragma once

// The master-data service as the main window uses it: the windows of this subsystem.

#include "core/Diensten.h"

namespace masterdata {

class Stamgegevens : public core::IStamgegevens
{
public:
    void OptiesTonen() override;
    void PaswoordTonen() override;
    void ClubsTonen() override;
    void WedstrijdToevoegenTonen() override;
};

} // namespace masterdata
