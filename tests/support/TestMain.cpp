#include "ui/Opschriften.h"
#include "ui/Toepassing.h"

#include <QLocale>
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
    return RUN_ALL_TESTS();
}
