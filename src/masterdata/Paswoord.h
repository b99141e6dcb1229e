#pragma once

// The administrator's login window: asks for the password and, when it closes, opens the
// administrator menus of the main window or says the password is wrong.

#include "ui/StandaardInstantie.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

class Paswoord : public QWidget, public ui::StandaardInstantie<Paswoord>
{
    Q_OBJECT
    friend class ui::StandaardInstantie<Paswoord>;

public:
    /** Shows the window with an empty password box (modeless; the main window stays enabled). */
    void toon();

    QLabel* LabPaswoord = nullptr;
    QLineEdit* TxtPaswoord = nullptr;
    QPushButton* CmdOK = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void CmdOK_Click();

private:
    Paswoord();
    void Form_Unload();

    bool m_geladen = false;
};
