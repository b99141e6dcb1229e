#include "core/Herstel.h"

#include "core/Diensten.h"
#include "core/FrmWedstrijdInput.h"
#include "core/Opstart.h"
#include "db/Database.h"
#include "ui/Meldingen.h"
#include "ui/Toepassing.h"
#include "ui/Zandloper.h"

#include <QApplication>

namespace core {

namespace {

// Another window of the program is on the screen that the user can work in: while it is, the main
// window stays disabled. A window switched off with the main window waits for it and does not count.
bool anderVensterOpen(const QWidget& hoofd)
{
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        if (w == hoofd.window() || !w->isVisible() || !w->isEnabled())
            continue;
        const Qt::WindowType soort = w->windowType();
        if (soort == Qt::Popup || soort == Qt::ToolTip || soort == Qt::SplashScreen)
            continue;
        return true;
    }
    return false;
}

} // namespace

void NaMislukteActie()
{
    db::bewerkingenAfbreken();
    if (!FrmWedstrijdInput::bestaat())
        return;
    FrmWedstrijdInput& hoofd = FrmWedstrijdInput::standaard();
    if (IWedstrijdblad* blad = diensten().wedstrijdblad)
        blad->OpgeslagenTonen();
    if (IOpstelling* opstelling = diensten().opstelling)
        opstelling->OpgeslagenTonen();
    if (hoofd.testAttribute(Qt::WA_Disabled) && !anderVensterOpen(hoofd))
        hoofd.teruggeven();
}

bool ProgrammaStarten(const std::function<void()>& laden)
{
    try {
        laden();
        return true;
    } catch (const OpstartFout& fout) {
        ui::zandloperUit();
        ui::meldingen().kritiek(QStringLiteral("Interclub"), fout.tekst());
    } catch (...) {
        ui::zandloperUit();
        ui::meldingen().kritiek(QStringLiteral("Interclub"),
                                QStringLiteral("Het programma kan niet starten.\n\nOorzaak: ")
                                    + ui::foutOorzaak(std::current_exception())
                                    + QStringLiteral("\n\nHet programma wordt afgesloten."));
    }
    return false;
}

} // namespace core
