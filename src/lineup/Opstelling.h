#pragma once

// Line-up selection as a service of the main window: the player picker and the strength-list
// window, and what saving a choice writes outside the picker.

#include "core/Diensten.h"

#include <QString>

namespace core {
struct Wedstrijdblad;
}

namespace lineup {

class Opstelling : public core::IOpstelling
{
public:
    void SpelersKiezenTonen() override;
    void SterktelijstTonen() override;
    void OpgeslagenTonen() override;
    void WalkoversHerstellen(core::Wedstrijdblad& blad) override;
    bool HogerLager(QString& weekNr, core::IVoortgang& voortgang) override;
    bool DubbeleOpstelling(QString& weekNr, core::IVoortgang& voortgang) override;
    void EindControleAfdrukken(const QString& weekNr) override;
};

/** A player accepted on a line-up place although not on the strength list. */
struct Alternatiefrij
{
    QString clubnummer, ploegnaam, soort, volgnummer, index, computernummer, naam, klassering;
    QString provincieAfkorting; ///< as chosen in the picker
};

/**
 * Adds the player to Alternatief, or updates his row when the team's club already has one for him
 * in this category.
 * @param ploegProvNr the province number of the team, which the look-up uses
 */
void AlternatiefOpslaan(const Alternatiefrij& rij, const QString& ploegProvNr);

} // namespace lineup
