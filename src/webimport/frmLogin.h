#pragma once

// The login of the competition's web service: checks the account and password against the service
// and hands them to the import window, which keeps them in memory for the rest of the run.

#include "ui/StandaardInstantie.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

class frmLogin : public QWidget, public ui::StandaardInstantie<frmLogin>
{
    Q_OBJECT
    friend class ui::StandaardInstantie<frmLogin>;

public:
    void toon();

    /** True when the service accepts the import window's account and password. */
    static bool ControleGeldigeLogin();

    QLabel* LabUitleg = nullptr;
    QLabel* lblLabels[2] = {};
    QLineEdit* txtUserName = nullptr;
    QLineEdit* txtPassword = nullptr;
    QPushButton* CmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void CmdOK_Click();
    void cmdCancel_Click();

private:
    frmLogin();
    void Form_Load();
    void Form_QueryUnload();

    bool m_geannuleerd = true;
    bool m_geladen = false;
};
