#pragma once

// The clubs window: the clubs, the venues of the chosen club in their order, and the responsible
// persons and referees. Each list stands on the left, its fields on the right.

#include "masterdata/ClubBeheer.h"
#include "ui/StandaardInstantie.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

class FrmClubs : public QWidget, public ui::StandaardInstantie<FrmClubs>
{
    Q_OBJECT
    friend class ui::StandaardInstantie<FrmClubs>;

public:
    /** Fills the lists from the database and shows the window (modeless; the main window stays enabled). */
    void toon();

    QGroupBox* FraClubs = nullptr;
    QListWidget* LstClubs = nullptr;
    QComboBox* CboProvincie = nullptr;
    QLineEdit* TxtClubNr = nullptr;
    QLineEdit* TxtClubNaam = nullptr;
    QLineEdit* TxtPloegnaam = nullptr;
    QCheckBox* ChkGeschrapt = nullptr;
    QPushButton* CmdClubOpslaan = nullptr;
    QPushButton* CmdClubNieuw = nullptr;
    QPushButton* CmdClubVerwijderen = nullptr;

    QGroupBox* FraLokalen = nullptr;
    QListWidget* LstLokalen = nullptr;
    QPushButton* CmdLokaalHoger = nullptr;
    QPushButton* CmdLokaalLager = nullptr;
    QLineEdit* TxtLokaalNaam = nullptr;
    QLineEdit* TxtStraat = nullptr;
    QLineEdit* TxtPostnummer = nullptr;
    QLineEdit* TxtGemeente = nullptr;
    QPushButton* CmdLokaalOpslaan = nullptr;
    QPushButton* CmdLokaalNieuw = nullptr;
    QPushButton* CmdLokaalVerwijderen = nullptr;

    QGroupBox* FraVerantwoordelijken = nullptr;
    QListWidget* LstVerantwoordelijken = nullptr;
    QLineEdit* TxtVerantwNaam = nullptr;
    QLineEdit* TxtVerantwCompNr = nullptr;
    QCheckBox* ChkScheidsrechter = nullptr;
    QPushButton* CmdVerantwOpslaan = nullptr;
    QPushButton* CmdVerantwNieuw = nullptr;
    QPushButton* CmdVerantwVerwijderen = nullptr;

    QPushButton* CmdSluiten = nullptr;

protected:
    /** Closing with changes not stored asks whether to store them first. */
    void closeEvent(QCloseEvent* event) override;

private slots:
    void LstClubs_Click();
    void CmdClubOpslaan_Click();
    void CmdClubNieuw_Click();
    void CmdClubVerwijderen_Click();
    void LstLokalen_Click();
    void CmdLokaalHoger_Click();
    void CmdLokaalLager_Click();
    void CmdLokaalOpslaan_Click();
    void CmdLokaalNieuw_Click();
    void CmdLokaalVerwijderen_Click();
    void LstVerantwoordelijken_Click();
    void CmdVerantwOpslaan_Click();
    void CmdVerantwNieuw_Click();
    void CmdVerantwVerwijderen_Click();
    void CmdSluiten_Click();

private:
    FrmClubs();
    void clubsVullen(int provincie, const QString& clubNr);
    void lokalenVullen(qint64 id);
    void verantwoordelijkenVullen(qint64 rij);
    bool gekozenClub(masterdata::Club& club) const;
    void lokaalVeldenVullen(const masterdata::Lokaal& lokaal);
    void verplaatsen(int richting);
    /** The main window shows what changed: the own club's name, or the venues of the match on the sheet. */
    void hoofdvensterVernieuwen(bool club, int provincie, const QString& clubNr);
    /** Whether the fields of a part show something else than what is stored (or, for a new entry, anything). */
    bool clubGewijzigd() const;
    bool lokaalGewijzigd() const;
    bool verantwoordelijkeGewijzigd() const;

    QList<masterdata::Club> m_clubs;
    QList<masterdata::Lokaal> m_lokalen;
    QList<masterdata::Verantwoordelijke> m_verantwoordelijken;
    bool m_nieuweClub = false;
    bool m_vullen = false;
};
