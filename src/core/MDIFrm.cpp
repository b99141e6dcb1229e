#include "MDIFrm.h"

#include "core/FrmWedstrijdInput.h"
#include "ui/Twips.h"
#include "ui/Toepassing.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

void MDIFrm::opruimen()
{
    if (FrmWedstrijdInput::bestaat() && bestaat())
        FrmWedstrijdInput::standaard().setParent(nullptr);
    ui::StandaardInstantie<MDIFrm>::opruimen();
}

MDIFrm::MDIFrm()
{
    setObjectName(QStringLiteral("MDIFrm"));
    setWindowTitle(QStringLiteral("Interclub"));
    m_werkvlak = new QMdiArea(this);
    m_werkvlak->setObjectName(QStringLiteral("Werkvlak"));
    setCentralWidget(m_werkvlak);
}

void MDIFrm::Form_Load()
{
    resize(ui::twips(15615), ui::twips(11850));
    setWindowState(Qt::WindowMaximized);
    FrmWedstrijdInput& hoofd = FrmWedstrijdInput::standaard();
    QMdiSubWindow* sub = m_werkvlak->addSubWindow(&hoofd, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                                                              | Qt::WindowMinimizeButtonHint);
    sub->setObjectName(QStringLiteral("FrmWedstrijdInputVenster"));
    hoofd.Form_Load();
    show();
    sub->show();
    m_werkvlak->setActiveSubWindow(sub);
    // The first activation follows the first showing, also where no window manager activates it.
    QTimer::singleShot(0, &hoofd, [&hoofd] { ui::afgeschermd([&hoofd] { hoofd.Form_Activate(); }); });
}

void MDIFrm::FormulierSluiten(QWidget* venster)
{
    if (venster)
        venster->close();
}

void MDIFrm::closeEvent(QCloseEvent* event)
{
    ui::afgeschermd([&] {
        // Closing the parent closes the main window, which ends the program.
        if (FrmWedstrijdInput::bestaat())
            FrmWedstrijdInput::standaard().close();
        event->accept();
    });
}
