#pragma once

// The waiting window of the main window's set: "Even Geduld...". Long actions show their progress
// in the preparation window instead, so nothing shows it today; it is kept for an action that has
// no progress to show.

#include "ui/StandaardInstantie.h"

#include <QWidget>

class QLabel;

class FrmEvenGeduld : public QWidget, public ui::StandaardInstantie<FrmEvenGeduld>
{
    Q_OBJECT
    friend class ui::StandaardInstantie<FrmEvenGeduld>;

public:
    /** Loads the window (normal state, at 0, 0, 4935 x 2475 twips) and shows it. */
    void toon();

    QLabel* Label1 = nullptr;

private:
    FrmEvenGeduld();
    void Form_Load();
};
