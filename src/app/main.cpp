#include "app/Bedrading.h"
#include "core/MDIFrm.h"
#include "core/Opstart.h"
#include "ui/Meldingen.h"
#include "ui/Opschriften.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Interclub"));
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Belgium));
    ui::vormgevingInstellen();
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
