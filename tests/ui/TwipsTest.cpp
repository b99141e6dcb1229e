#include "QtAfdruk.h"
#include "ui/Twips.h"

#include <QWidget>

#include <gtest/gtest.h>

TEST(Twips, RondtAfOpHelePixels)
{
    EXPECT_EQ(ui::twips(0), 0);
    EXPECT_EQ(ui::twips(7), 0);
    EXPECT_EQ(ui::twips(8), 1);
    EXPECT_EQ(ui::twips(1440), 96);
    EXPECT_EQ(ui::twips(-8), -1);
    EXPECT_EQ(ui::twips(-7), 0);
}

TEST(Twips, AangrenzendeWidgetsRakenElkaar)
{
    QWidget ouder;
    QWidget links(&ouder);
    QWidget rechts(&ouder);
    // 1000 twips is 66.7 pixels: converting widths on their own would leave the two a pixel apart.
    ui::zetGeometrie(&links, 1000, 120, 1000, 315);
    ui::zetGeometrie(&rechts, 2000, 120, 1000, 315);
    EXPECT_EQ(links.geometry(), QRect(67, 8, 66, 21));
    EXPECT_EQ(links.geometry().right() + 1, rechts.geometry().left());
    ui::zetGeometrie(nullptr, 0, 0, 10, 10);
}
