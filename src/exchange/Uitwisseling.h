#pragma once

// The competition file exchange as the other subsystems reach it.

#include "core/Diensten.h"

namespace exchange {

class Uitwisseling : public core::IUitwisseling
{
public:
    /** Shows the preparation window, presses its start button and unloads it again. */
    void VoorbereidenUitvoeren() override;
    /** The results file comes with the file exchange; nothing is written yet. */
    void UitslagenExporteren(const QString& clubcode, int bestandsnummer) override;
};

} // namespace exchange
