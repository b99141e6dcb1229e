#include "ui/Opschriften.h"
#include "ui/Twips.h"

#include <QFont>
#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

const int Links = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;

// The width a caption takes on one line in the rendering chosen.
int breedte(const QString& tekst, const ui::Opschriftschikking& s)
{
    QFont f = ui::ontwerpLettertype();
    if (s.rek)
        f.setStretch(s.rek);
    return QFontMetrics(f).horizontalAdvance(QString(tekst).remove(u'&'));
}

} // namespace

TEST(Opschriften, ACaptionThatFitsIsDrawnAsAsked)
{
    const QFont f = ui::ontwerpLettertype();
    const auto s = ui::opschriftSchikken(f, QRect(0, 0, 200, 17), Links, QStringLiteral("&Sluiten"));
    EXPECT_TRUE(s.past);
    EXPECT_EQ(s.vlaggen, Links);
    EXPECT_EQ(s.rek, 0);
}

TEST(Opschriften, TooWideItWrapsWhereTwoLinesFitElseItNarrows)
{
    const QFont f = ui::ontwerpLettertype();
    const QString tekst = QStringLiteral("Sterktelijst &Heropbouwen");
    const int nodig = QFontMetrics(f).horizontalAdvance(QStringLiteral("Sterktelijst Heropbouwen"));

    // A button two lines high: wrapped, in the font as it is.
    const auto hoog = ui::opschriftSchikken(f, QRect(0, 0, nodig * 3 / 4, 31), Links, tekst);
    EXPECT_TRUE(hoog.past);
    EXPECT_TRUE(hoog.vlaggen & Qt::TextWordWrap);
    EXPECT_EQ(hoog.rek, 0);

    // One line high: a narrower rendering, the widest that fits.
    const QRect laag(0, 0, nodig * 9 / 10, 17);
    const auto smal = ui::opschriftSchikken(f, laag, Links, tekst);
    EXPECT_TRUE(smal.past);
    EXPECT_FALSE(smal.vlaggen & Qt::TextWordWrap);
    ASSERT_GT(smal.rek, 0);
    EXPECT_LE(breedte(tekst, smal), laag.width());
    EXPECT_LT(breedte(tekst, smal), nodig);
}

TEST(Opschriften, WhatNoRenderingFitsIsReportedAndDrawnNarrowest)
{
    const QFont f = ui::ontwerpLettertype();
    const auto teBreed = ui::opschriftSchikken(f, QRect(0, 0, 20, 17), Links, QStringLiteral("Volgende Zoeken"));
    EXPECT_FALSE(teBreed.past);
    EXPECT_EQ(teBreed.rek, 50);

    // Too low for the font: no narrower rendering is lower, so it is left as it is.
    const auto teLaag = ui::opschriftSchikken(f, QRect(0, 0, 200, 6), Links, QStringLiteral("Naam"));
    EXPECT_FALSE(teLaag.past);
    EXPECT_EQ(teLaag.rek, 0);
    // Unless the control shows more height around the text's rectangle (a button's bevel).
    EXPECT_TRUE(
        ui::opschriftSchikken(f, QRect(0, 3, 200, 12), Links, QStringLiteral("Naam"), QRect(0, 0, 200, 18)).past);
}
