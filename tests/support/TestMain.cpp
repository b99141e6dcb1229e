#include "ui/Opschriften.h"

#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

// One main for every test program: the offscreen platform, a fixed locale and time zone.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TZ", "Europe/Brussels");
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Belgium));
    QApplication app(argc, argv);
    ui::vormgevingInstellen(); // as the program sets them
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
