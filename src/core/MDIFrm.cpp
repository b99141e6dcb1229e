#include "MDIFrm.h"

#include "core/FrmWedstrijdInput.h"
#include "ui/Twips.h"
#include "ui/Toepassing.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
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
    sub->installEventFilter(this);
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

bool MDIFrm::eventFilter(QObject* object, QEvent* event)
{
    return ui::afgeschermd(false, [&]() -> bool {
        auto* sub = qobject_cast<QMdiSubWindow*>(object);
        if (!sub || event->type() != QEvent::WindowStateChange)
            return QMainWindow::eventFilter(object, event);
        const bool was = static_cast<QWindowStateChangeEvent*>(event)->oldState().testFlag(Qt::WindowMinimized);
        const bool wordt = sub->windowState().testFlag(Qt::WindowMinimized);
        if (wordt && !was) {
            // Hiding the sheet with the focus in it makes Qt pass the focus along the hidden boxes (a set
            // box left that way checks its set and may complain) and leaves it in a box nobody sees, where
            // the keys would go. The minimised window itself takes the focus before its contents hide.
            QWidget* focus = QApplication::focusWidget();
            m_focusVoorMinimaliseren = focus && sub->isAncestorOf(focus) ? focus : nullptr;
            if (m_focusVoorMinimaliseren)
                sub->setFocus(Qt::OtherFocusReason);
        } else if (was && !wordt) {
            // Once the contents show again: the focus back where it was, or else to the first game to type.
            QTimer::singleShot(0, sub, [this, sub] {
                ui::afgeschermd([this, sub] {
                    if (!FrmWedstrijdInput::bestaat() || sub->isMinimized())
                        return;
                    QWidget* terug = m_focusVoorMinimaliseren;
                    m_focusVoorMinimaliseren = nullptr;
                    if (terug && terug->isVisible() && terug->isEnabled())
                        terug->setFocus(Qt::OtherFocusReason);
                    else if (!FrmWedstrijdInput::standaard().naarLopendeWedstrijd())
                        FrmWedstrijdInput::standaard().setFocus(Qt::OtherFocusReason);
                });
            });
        }
        return QMainWindow::eventFilter(object, event);
    });
}

void MDIFrm::keyPressEvent(QKeyEvent* event)
{
    ui::afgeschermd([&] {
        // The main window carries the whole menu bar: minimised, nothing but a key can bring it back
        // without the mouse. Keys the focused control did not use end up here.
        const int toets = event->key();
        auto* sub = FrmWedstrijdInput::bestaat()
                        ? qobject_cast<QMdiSubWindow*>(FrmWedstrijdInput::standaard().parentWidget())
                        : nullptr;
        if (sub && sub->isMinimized() && !event->isAutoRepeat()
            && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier
            && (toets == Qt::Key_Return || toets == Qt::Key_Enter || toets == Qt::Key_Space)) {
            sub->showNormal();
            m_werkvlak->setActiveSubWindow(sub);
            return;
        }
        QMainWindow::keyPressEvent(event);
    });
}
