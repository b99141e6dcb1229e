#include "app/Bedrading.h"
#include "core/MDIFrm.h"
#include "core/Opstart.h"
#include "ui/Meldingen.h"
#include "ui/QtVertaling.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QFont>
#include <QLocale>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Interclub"));
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Belgium));
    ui::qtVertalingLaden(&app);
    QApplication::setFont(ui::ontwerpLettertype());
    app::dienstenBedraden();
    try {
        MDIFrm::standaard().Form_Load();
    } catch (const core::OpstartFout& fout) {
        ui::meldingen().kritiek(QStringLiteral("Interclub"), fout.tekst());
        return 1;
    }
    const int uitkomst = app.exec();
    app::venstersOpruimen();
    MDIFrm::opruimen();
    return uitkomst;
}
