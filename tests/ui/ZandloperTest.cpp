#include "QtAfdruk.h"
#include "ui/Zandloper.h"

#include <QCursor>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace {

bool wacht()
{
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor;
}

} // namespace

TEST(Zandloper, GenesteBewakersZijnInEvenwicht)
{
    {
        ui::Zandloper buiten;
        {
            ui::Zandloper binnen;
            EXPECT_TRUE(wacht());
        }
        EXPECT_TRUE(wacht());
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(Zandloper, AanEnUitIsEenSchakelaar)
{
    ui::zandloperAan();
    ui::zandloperAan();
    EXPECT_TRUE(wacht());
    ui::zandloperUit();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    ui::zandloperUit();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(Zandloper, UitZonderAanLaatBewakerMet)
{
    {
        ui::Zandloper bewaker;
        ui::zandloperUit();
        EXPECT_TRUE(wacht());
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // Switched on before a guard and off inside it: everything is taken back in the end.
    ui::zandloperAan();
    {
        ui::Zandloper bewaker;
        ui::zandloperUit();
        EXPECT_TRUE(wacht());
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
