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
    /** Export.ttr and the results file come with the file exchange; the season's data actions are here. */
    bool beschikbaar(const QString& opdrachtwoord) const override;
};

} // namespace exchange
