// Qt's own dialogs and buttons speak Dutch once the program has loaded Qt's translations.

#include "ui/QtVertaling.h"

#include <QDialogButtonBox>
#include <QFileSystemModel>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(QtVertaling, TheFolderDialogAndTheStandardButtonsReadDutch)
{
    {
        QObject eigenaar;
        ASSERT_TRUE(ui::qtVertalingLaden(&eigenaar)) << "Qt's translations are installed (qt6-translations-l10n)";
        QDialogButtonBox knoppen(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        EXPECT_EQ(knoppen.button(QDialogButtonBox::Cancel)->text(), "Annuleren");
        QFileSystemModel model;
        EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Naam");
        EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Grootte");
    }
    // Gone with their owner.
    QDialogButtonBox knoppen(QDialogButtonBox::Cancel);
    EXPECT_EQ(knoppen.button(QDialogButtonBox::Cancel)->text(), "Cancel");
}
