#pragma once

// The window that adds a team match by hand. It stays above the other windows; after adding it
// sets the main window's season and play-date lists on the new match.

#include "ui/StandaardInstantie.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class FrmWedstrijdToevoegen : public QWidget, public ui::StandaardInstantie<FrmWedstrijdToevoegen>
{
    Q_OBJECT
    friend class ui::StandaardInstantie<FrmWedstrijdToevoegen>;

public:
    /** Fills the choices from the database and shows the window (modeless; the main window stays enabled). */
    void toon();

    QComboBox* CboSeizoen = nullptr;
    QComboBox* CboNiveau = nullptr;
    QComboBox* CboCategorie = nullptr;
    QLineEdit* TxtReeks = nullptr;
    QComboBox* CboSpelers = nullptr;
    QLineEdit* TxtWeekNr = nullptr;
    QLineEdit* TxtNummer = nullptr;
    QComboBox* CboHeenTerug = nullptr;
    QLineEdit* TxtDatum = nullptr;
    QLineEdit* TxtUur = nullptr;
    QComboBox* CboThuisclub = nullptr;
    QLineEdit* TxtThuisploeg = nullptr;
    QComboBox* CboLokaal = nullptr;
    QComboBox* CboUitclub = nullptr;
    QLineEdit* TxtUitploeg = nullptr;
    QLabel* LabInfo = nullptr;
    QPushButton* CmdToevoegen = nullptr;
    QPushButton* CmdSluiten = nullptr;

private slots:
    void CboNiveau_Click();
    void CboCategorie_Click();
    void CboThuisclub_Click();
    void CboUitclub_Click();
    void CmdToevoegen_Click();
    void CmdSluiten_Click();

private:
    FrmWedstrijdToevoegen();
    void Form_Load();
    void clubsVullen(QComboBox* lijst);
    void hoofdvensterZetten(const QString& seizoen, const QString& datum);
    void spelersZetten();

    bool m_geladen = false;
    bool m_superSpelers = false; ///< the team size is the Super division's
    int m_gekozenSpelers = 4;    ///< the size chosen before, given back when another level is chosen
};
