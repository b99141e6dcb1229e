#include "ui/Toepassing.h"
#include "ui/Twips.h"

#include <QFont>
#include <QLocale>
#include <gtest/gtest.h>

// One main for every test program: the offscreen platform, a fixed locale and time zone.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TZ", "Europe/Brussels");
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Belgium));
    ui::Toepassing app(argc, argv); // as the program delivers events
    QApplication::setFont(ui::ontwerpLettertype()); // as the program sets it
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
