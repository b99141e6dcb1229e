#pragma once

// The competition file exchange as the other subsystems reach it.

#include "core/Diensten.h"

namespace exchange {

class Uitwisseling : public core::IUitwisseling
{
public:
    /** Shows the preparation window, presses its start button and unloads it again. */
    bool VoorbereidenUitvoeren() override;
    /**
     * Writes the results file of the play date that the main window shows into the folder the user
     * chooses (the import/export folder when cancelled) and tells the user what was written.
     */
    void UitslagenExporteren(const QString& clubcode, int bestandsnummer) override;
};

} // namespace exchange
