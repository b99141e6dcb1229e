#pragma once

// The strength-list window: the layout for putting together a club's strength list of a season and
// category. Its controls do not act yet; closing it gives the main window back.

#include "ui/StandaardInstantie.h"

#include <QWidget>

class QAction;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenuBar;
class QPushButton;
class QRadioButton;

class FrmSterktelijst : public QWidget, public ui::StandaardInstantie<FrmSterktelijst>
{
    Q_OBJECT
    friend class ui::StandaardInstantie<FrmSterktelijst>;

public:
    void toon();

    QLabel* Label1 = nullptr;
    QListWidget* LstSeizoen = nullptr;
    QLabel* LabKeuzeClub = nullptr;
    QListWidget* LstKeuzeClub = nullptr;
    QGroupBox* FraSoort = nullptr;
    QRadioButton* OptHeren = nullptr;
    QRadioButton* OptDames = nullptr;
    QRadioButton* OptVeteranen = nullptr;
    QRadioButton* OptJeugd = nullptr;
    QGroupBox* FraGegevens = nullptr;
    QLabel* LabHuidig = nullptr;
    QListWidget* LstSterktelijst = nullptr;
    QLabel* LabOverige = nullptr;
    QListWidget* LstOverigeSpelers = nullptr;
    QPushButton* CmdToevoegen = nullptr;
    QPushButton* CmdVerwijderen = nullptr;
    QPushButton* CmdHoger = nullptr;
    QPushButton* CmdLager = nullptr;
    QPushButton* CmdHeropbouwen = nullptr;
    QPushButton* CmdWissen = nullptr;
    QPushButton* CmdRecupereren = nullptr;
    QLabel* LabUitleg2 = nullptr;
    QLabel* LabUitleg = nullptr;
    QPushButton* CmdSluiten = nullptr;
    QMenuBar* Menubalk = nullptr;
    QAction* MnuExporteren = nullptr;
    QAction* MnuExpExcel = nullptr;
    QAction* MnuExpWord = nullptr;
    QAction* MnuAfdrukken = nullptr;
    QAction* MnuAfdrukkenExcel = nullptr;
    QAction* MnuAfdrukkenWord = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void CmdSluiten_Click();

private:
    FrmSterktelijst();
    bool m_open = false;
};
