#include "app/Bedrading.h"
#include "core/Herstel.h"
#include "core/MDIFrm.h"
#include "ui/Opschriften.h"
#include "ui/QtVertaling.h"
#include "ui/Toepassing.h"

#include <QLocale>

int main(int argc, char** argv)
{
    ui::Toepassing app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Interclub"));
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Belgium));
    ui::qtVertalingLaden(&app);
    ui::vormgevingInstellen();
    app::dienstenBedraden();
    if (!core::ProgrammaStarten([] { MDIFrm::standaard().Form_Load(); })) {
        app::venstersOpruimen();
        MDIFrm::opruimen();
        return 1;
    }
    const int uitkomst = app.exec();
    app::venstersOpruimen();
    MDIFrm::opruimen();
    return uitkomst;
}
