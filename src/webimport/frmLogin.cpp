#include "frmLogin.h"

#include "FrmImportKorvat.h"

#include "core/MDIFrm.h"
#include "core/Vertalingen.h"
#include "ui/Meldingen.h"
#include "ui/Twips.h"
#include "ui/Vensters.h"
#include "ui/Toepassing.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using core::Vertaling;

frmLogin::frmLogin()
    : QWidget(MDIFrm::bestaat() ? &MDIFrm::standaard() : nullptr, Qt::Dialog)
{
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("Login"));
    ui::vensterPlaatsen(this, 0, 0, 5400, 2700);
    LabUitleg = new QLabel(QStringLiteral("Gebruik hier uw gebruikersnaam en paswoord van 'competitie ZELM'"), this);
    LabUitleg->setObjectName(QStringLiteral("LabUitleg"));
    LabUitleg->setWordWrap(true);
    ui::zetGeometrie(LabUitleg, 120, 120, 5040, 495);
    const QString labels[] = {QStringLiteral("&User Name:"), QStringLiteral("&Password:")};
    for (int i = 0; i < 2; ++i) {
        lblLabels[i] = new QLabel(labels[i], this);
        lblLabels[i]->setObjectName(QStringLiteral("lblLabels_%1").arg(i));
        ui::zetGeometrie(lblLabels[i], 120, 780 + i * 480, 1600, 270);
    }
    txtUserName = new QLineEdit(this);
    txtUserName->setObjectName(QStringLiteral("txtUserName"));
    ui::zetGeometrie(txtUserName, 1800, 750, 3360, 345);
    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);
    ui::zetGeometrie(txtPassword, 1800, 1230, 3360, 345);
    lblLabels[0]->setBuddy(txtUserName);
    lblLabels[1]->setBuddy(txtPassword);
    CmdOK = new QPushButton(QStringLiteral("OK"), this);
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    CmdOK->setDefault(true);
    ui::zetGeometrie(CmdOK, 2040, 1860, 1440, 390);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    ui::zetGeometrie(cmdCancel, 3720, 1860, 1440, 390);
    ui::verbinden(CmdOK, &QPushButton::clicked, this, &frmLogin::CmdOK_Click);
    ui::verbinden(cmdCancel, &QPushButton::clicked, this, &frmLogin::cmdCancel_Click);
    // OK is the window's default button: Enter in either field confirms as OK does.
    ui::verbinden(txtUserName, &QLineEdit::returnPressed, this, &frmLogin::CmdOK_Click);
    ui::verbinden(txtPassword, &QLineEdit::returnPressed, this, &frmLogin::CmdOK_Click);
}

void frmLogin::toon()
{
    if (!m_geladen)
        Form_Load();
    show();
    raise();
    activateWindow();
    // The user types the name first, also when the focus was elsewhere when the window closed.
    txtUserName->setFocus();
}

void frmLogin::Form_Load()
{
    m_geannuleerd = true;
    m_geladen = true;
    setWindowTitle(Vertaling(403, 1));
    LabUitleg->setText(Vertaling(407, 1));
    lblLabels[0]->setText(Vertaling(406, 1) + u':');
    lblLabels[1]->setText(Vertaling(405, 1) + u':');
    cmdCancel->setText(Vertaling(188, 1));
    txtPassword->clear();
    const QString account = FrmImportKorvat::standaard().strAccount;
    txtUserName->setText(account);
    if (!account.isEmpty())
        txtUserName->setSelection(0, static_cast<int>(account.size()));
}

void frmLogin::CmdOK_Click()
{
    if (txtPassword->text().isEmpty()) {
        ui::meldingen().kritiek(Vertaling(403, 1), Vertaling(402, 1));
        txtPassword->setFocus();
        txtPassword->selectAll();
        return;
    }
    if (txtUserName->text().isEmpty()) {
        ui::meldingen().kritiek(Vertaling(403, 1), Vertaling(404, 1));
        txtUserName->setFocus();
        txtUserName->selectAll();
        return;
    }
    m_geannuleerd = false;
    close();
}

void frmLogin::cmdCancel_Click()
{
    close();
}

void frmLogin::closeEvent(QCloseEvent* event)
{
    ui::afgeschermd([&] {
        Form_QueryUnload();
        event->accept();
    });
}

void frmLogin::Form_QueryUnload()
{
    if (!m_geladen)
        return;
    m_geladen = false;
    if (m_geannuleerd)
        return;
    m_geannuleerd = true;
    FrmImportKorvat& imp = FrmImportKorvat::standaard();
    imp.strAccount = txtUserName->text();
    imp.strPaswoord = txtPassword->text();
    // The password does not stay in this window.
    txtPassword->clear();
    imp.LabLogin[0]->show();
    imp.LabLogin[1]->show();
    imp.LabLogin[1]->setText(imp.strAccount);
    imp.LabLogin[2]->show();
    if (ControleGeldigeLogin()) {
        imp.LabLogin[2]->setText(Vertaling(403, 1) + QStringLiteral(": OK"));
        if (imp.blnImporterenNaLogin) {
            hide();
            imp.APIGegevensImporteren();
        }
    } else {
        imp.LabLogin[2]->setText(Vertaling(410, 1));
        ui::meldingen().informatie(Vertaling(412, 1), Vertaling(411, 1));
    }
}

bool frmLogin::ControleGeldigeLogin()
{
    const FrmImportKorvat& imp = FrmImportKorvat::standaard();
    // A client of its own, for this one call.
    const auto client = FrmImportKorvat::clientMaken();
    const auto antwoord = client->test(soap::inloggegevens(imp.strAccount, imp.strPaswoord));
    if (!antwoord)
        return false;
    const QString geldig = soap::tekstVan(*antwoord, u"IsValidAccount").trimmed().toLower();
    return geldig == u"true" || (geldig.toInt() != 0);
}
