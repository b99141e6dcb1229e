#pragma once

// The controls of the match sheet on the main window. The sheet's own code builds them once, for
// the largest team size; the main window, the player picker and the printing read and write them.
// Arrays are indexed from 0: player rows 0-3 are the line-up places 1-4, row 4 the doubles row;
// game rows 0-15 are games 1-16.

#include <QList>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace core {

struct Wedstrijdblad
{
    static constexpr int AantalSpelerRijen = 5; ///< four places and the doubles row
    static constexpr int AantalWedstrijden = 16;
    static constexpr int AantalSets = 5;

    QGroupBox* FraWedstrijdblad = nullptr;
    QGroupBox* FraAlgGegevens = nullptr;
    QGroupBox* FraLokaal = nullptr;
    QGroupBox* Frame1 = nullptr;
    QGroupBox* FraBezochten = nullptr;
    QGroupBox* FraBezoekers = nullptr;
    QGroupBox* FraUitslagen = nullptr;
    QGroupBox* FraHoofdscheidsrechter = nullptr;
    QGroupBox* FraZaalcommissaris = nullptr;

    // Venue
    QComboBox* LstNaamLokaal = nullptr;
    QLineEdit* TxtStraat = nullptr;
    QLineEdit* TxtPlaats = nullptr;

    // Kind of match (one group, set from code only through its handler)
    QRadioButton* OptHeren = nullptr;
    QRadioButton* OptDames = nullptr;
    QRadioButton* OptJeugd = nullptr;
    QRadioButton* OptSuper = nullptr;
    QRadioButton* OptBekerHeren = nullptr;
    QRadioButton* OptBekerDames = nullptr;

    // Match header
    QLabel* TxtDatum = nullptr;
    QLabel* TxtMatchNr = nullptr;
    QLabel* TxtAfdeling = nullptr;
    QLabel* TxtReeks = nullptr;
    QLabel* TxtBeginuur = nullptr;
    QLineEdit* TxtEinduur = nullptr;

    // Teams: home (T) and visitors (U)
    QLabel* TxtTPloeg = nullptr;
    QLabel* TxtUPloeg = nullptr;
    QLabel* TxtTAanw = nullptr;
    QLabel* TxtUAanw = nullptr;
    QCheckBox* ChkForfaitT = nullptr;
    QCheckBox* ChkForfaitUit = nullptr;
    QPushButton* CmdTKapitein = nullptr;
    QPushButton* CmdUKapitein = nullptr;

    QList<QLabel*> LabTNrSpeler, LabUNrSpeler;         ///< rows 0-4
    QList<QLabel*> LabTNaamSpeler, LabUNaamSpeler;     ///< rows 0-4
    QList<QPushButton*> CmdCompNrT, CmdCompNrU;        ///< rows 0-4 (4: the doubles button)
    QList<QLabel*> LabTVolgnr, LabUVolgnr;             ///< rows 0-3
    QList<QLabel*> LabTIndex, LabUIndex;               ///< rows 0-3
    QList<QLabel*> LabTKlas, LabUKlas;                 ///< rows 0-3
    QList<QLabel*> LabTIndOverw, LabUIndOverw;         ///< rows 0-3
    QList<QRadioButton*> OptTKapitein, OptUKapitein;   ///< rows 0-3

    // Game rows
    QList<QLabel*> Titel; ///< 0: category, 1 "Behaalde Punten", 2 "VOLGORDE DER WEDSTRIJDEN", 3 "Sets", 4 "Wedstr."
    QList<QLabel*> LabNrW, LabThuisspeler, LabUitspeler;
    QList<QLineEdit*> TxtSet1T, TxtSet1U, TxtSet2T, TxtSet2U, TxtSet3T, TxtSet3U, TxtSet4T, TxtSet4U, TxtSet5T,
        TxtSet5U;
    QList<QLineEdit*> TxtSetsThuis, TxtSetsUit, TxtWedstrThuis, TxtWedstrUit;
    QLineEdit* TxtResT = nullptr;
    QLineEdit* TxtResU = nullptr;

    // Agreement, officials, remarks
    QCheckBox* ChkAkkoord = nullptr;
    QPushButton* CmdCompNrHoofdscheidsrechter = nullptr;
    QPushButton* CmdCompNrZaalcommissaris = nullptr;
    QPushButton* CmdVoorbehoudT = nullptr;
    QPushButton* CmdVoorbehoudU = nullptr;
    QPushButton* CmdVoorbehoudO = nullptr;

    bool gebouwd() const { return FraWedstrijdblad != nullptr; }

    /** The set box of a game row: set 1 to 5, home (thuis) or away. */
    QLineEdit* set(int rij, int setNr, bool thuis) const
    {
        return setKolom(setNr, thuis).at(rij);
    }
    /** All game rows of one set box: set 1 to 5, home or away. */
    const QList<QLineEdit*>& setKolom(int setNr, bool thuis) const
    {
        const QList<QLineEdit*>* kolommen[AantalSets][2] = {{&TxtSet1T, &TxtSet1U}, {&TxtSet2T, &TxtSet2U},
                                                            {&TxtSet3T, &TxtSet3U}, {&TxtSet4T, &TxtSet4U},
                                                            {&TxtSet5T, &TxtSet5U}};
        return *kolommen[setNr - 1][thuis ? 0 : 1];
    }
};

} // namespace core
