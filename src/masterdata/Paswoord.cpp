#include "Paswoord.h"

#include "OptieBeheer.h"
#include "core/AlgemeneProcedures.h"
#include "core/FrmWedstrijdInput.h"
#include "core/MDIFrm.h"
#include "ui/Meldingen.h"
#include "ui/Twips.h"
#include "ui/Vensters.h"
#include "ui/Toepassing.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Paswoord::Paswoord()
    : QWidget(MDIFrm::bestaat() ? &MDIFrm::standaard() : nullptr, ui::KindvensterVlaggen)
{
    setObjectName(QStringLiteral("Paswoord"));
    setWindowTitle(QStringLiteral("Inloggen Beheerder"));
    ui::vensterPlaatsen(this, 0, 0, 4800, 1560);

    LabPaswoord = new QLabel(QStringLiteral("Paswoord van de beheerder:"), this);
    LabPaswoord->setObjectName(QStringLiteral("LabPaswoord"));
    ui::zetGeometrie(LabPaswoord, 120, 180, 4560, 255);

    TxtPaswoord = new QLineEdit(this);
    TxtPaswoord->setObjectName(QStringLiteral("TxtPaswoord"));
    TxtPaswoord->setEchoMode(QLineEdit::Password);
    ui::zetGeometrie(TxtPaswoord, 120, 480, 3000, 315);

    CmdOK = new QPushButton(QStringLiteral("OK"), this);
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    CmdOK->setDefault(true);
    ui::zetGeometrie(CmdOK, 3360, 450, 1320, 375);

    ui::verbinden(CmdOK, &QPushButton::clicked, this, &Paswoord::CmdOK_Click);
    ui::verbinden(TxtPaswoord, &QLineEdit::returnPressed, this, &Paswoord::CmdOK_Click);
}

void Paswoord::toon()
{
    TxtPaswoord->clear();
    m_geladen = true;
    show();
    raise();
    activateWindow();
    TxtPaswoord->setFocus();
}

void Paswoord::CmdOK_Click()
{
    close();
}

void Paswoord::closeEvent(QCloseEvent* event)
{
    ui::afgeschermd([&] {
        Form_Unload();
        event->accept();
    });
}

void Paswoord::Form_Unload()
{
    // Only a window that was shown answers; closing it at the end of the program asks nothing.
    if (!m_geladen)
        return;
    m_geladen = false;
    const QString getypt = TxtPaswoord->text();
    TxtPaswoord->clear();
    if (masterdata::paswoordJuist(getypt)) {
        if (FrmWedstrijdInput::bestaat())
            FrmWedstrijdInput::standaard().beheerderAangemeld(true);
    } else {
        ui::meldingen().kritiek(QStringLiteral("Inloggen Beheerder"), QStringLiteral("Verkeerd paswoord !"));
    }
}
