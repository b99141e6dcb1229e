#include "ui/Opschriften.h"
#include "ui/Toepassing.h"

#include <QLocale>
#include <cstdio>
#include <gtest/gtest.h>

// One main for every test program: the offscreen platform, a fixed locale and time zone.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TZ", "Europe/Brussels");
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Belgium));
    ui::Toepassing app(argc, argv); // as the program delivers events
    ui::vormgevingInstellen(); // as the program sets them
    ::testing::InitGoogleTest(&argc, argv);
    const int uitkomst = RUN_ALL_TESTS();
    // Every handler runs through ui::afgeschermd(): an exception that reached Qt's event delivery
    // came from one that does not, and Qt does not survive that cleanly.
    if (ui::foutenDoorQt() > 0) {
        std::fprintf(stderr, "%d exception(s) passed through Qt's event delivery\n", ui::foutenDoorQt());
        return 1;
    }
    return uitkomst;
}
