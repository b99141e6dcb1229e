#include "QtAfdruk.h"
#include "ui/Gebeurtenissen.h"
#include "ui/HerintredeSlot.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

// Two registered line edits (index 3 and 7) and one that is not registered; every callback is logged.
class GebeurtenissenTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_filter.registreer(&m_a, 3);
        m_filter.registreer(&m_b, 7);
        m_filter.zetGotFocus([this](int i) { m_log.append(QStringLiteral("got %1").arg(i)); });
        m_filter.zetLostFocus([this](int i) { m_log.append(QStringLiteral("lost %1").arg(i)); });
        m_filter.zetKeyUp([this](int i, int code, int shift) {
            m_log.append(QStringLiteral("key %1 %2 %3").arg(i).arg(code).arg(shift));
        });
    }

    static void focus(QWidget* w, QEvent::Type soort, Qt::FocusReason reden = Qt::OtherFocusReason)
    {
        QFocusEvent event(soort, reden);
        QCoreApplication::sendEvent(w, &event);
    }

    static void loslaten(QWidget* w, int toets, Qt::KeyboardModifiers mods = Qt::NoModifier, bool herhaal = false)
    {
        QKeyEvent event(QEvent::KeyRelease, toets, mods, QString(), herhaal);
        QCoreApplication::sendEvent(w, &event);
    }

    ui::Gebeurtenissen m_filter;
    QLineEdit m_a;
    QLineEdit m_b;
    QLineEdit m_vrij;
    QStringList m_log;
};

int code(int toets, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    const QKeyEvent event(QEvent::KeyRelease, toets, mods);
    return ui::vbToetsCode(&event);
}

} // namespace

TEST(VbToetsCode, GeeftWindowsCodes)
{
    EXPECT_EQ(code(Qt::Key_Return), 13);
    EXPECT_EQ(code(Qt::Key_Enter, Qt::KeypadModifier), 13);
    EXPECT_EQ(code(Qt::Key_PageUp), 33);
    EXPECT_EQ(code(Qt::Key_PageDown), 34);
    EXPECT_EQ(code(Qt::Key_Left), 37);
    EXPECT_EQ(code(Qt::Key_Up), 38);
    EXPECT_EQ(code(Qt::Key_Right), 39);
    EXPECT_EQ(code(Qt::Key_Down), 40);
    EXPECT_EQ(code(Qt::Key_Tab), 9);
    EXPECT_EQ(code(Qt::Key_Backtab, Qt::ShiftModifier), 9);
    EXPECT_EQ(code(Qt::Key_Escape), 27);
    EXPECT_EQ(code(Qt::Key_Delete), 46);
    EXPECT_EQ(code(Qt::Key_A, Qt::ShiftModifier), 65);
    EXPECT_EQ(code(Qt::Key_Z), 90);
    EXPECT_EQ(code(Qt::Key_7), 55);
    EXPECT_EQ(code(Qt::Key_7, Qt::KeypadModifier), 103);
    EXPECT_EQ(code(Qt::Key_F2), 113);
    // Qt's codes for punctuation coincide with other keys' Windows codes ('.' is 46 = Delete).
    EXPECT_EQ(code(Qt::Key_Period), 0);
    EXPECT_EQ(code(Qt::Key_Minus), 0);
}

TEST_F(GebeurtenissenTest, KeyUpMetIndexEnShiftZonderHerhaling)
{
    loslaten(&m_a, Qt::Key_Enter, Qt::KeypadModifier);
    loslaten(&m_b, Qt::Key_Return, Qt::ShiftModifier | Qt::ControlModifier);
    loslaten(&m_a, Qt::Key_Down, Qt::NoModifier, true);
    loslaten(&m_vrij, Qt::Key_Return);
    QKeyEvent indrukken(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(&m_a, &indrukken);

    EXPECT_EQ(m_log, QStringList({QStringLiteral("key 3 13 0"), QStringLiteral("key 7 13 3")}));
}

TEST_F(GebeurtenissenTest, KeyUpWeetOfDeToetsEldersWerdIngedrukt)
{
    QStringList herkomst;
    m_filter.zetKeyUp([this, &herkomst](int i, int code, int) {
        herkomst << QStringLiteral("%1 %2 %3").arg(i).arg(code).arg(m_filter.lossingVanElders() ? "elders" : "eigen");
    });
    const auto indrukken = [](QWidget* w, int toets) {
        QKeyEvent event(QEvent::KeyPress, toets, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &event);
    };
    // Pressed and released in the same box; pressed in one box and released in the other; released
    // without a press that the filter saw (a message box took it); pressed again after all that.
    indrukken(&m_a, Qt::Key_Return);
    loslaten(&m_a, Qt::Key_Return);
    indrukken(&m_a, Qt::Key_Down);
    loslaten(&m_b, Qt::Key_Down);
    loslaten(&m_a, Qt::Key_Return);
    indrukken(&m_b, Qt::Key_Down);
    loslaten(&m_b, Qt::Key_Down);
    EXPECT_EQ(herkomst, QStringList({"3 13 eigen", "7 40 elders", "3 13 elders", "7 40 eigen"}));
    EXPECT_FALSE(m_filter.lossingVanElders()) << "only during the call";
}

TEST_F(GebeurtenissenTest, FocusWisseltTussenWidgets)
{
    focus(&m_a, QEvent::FocusIn, Qt::MouseFocusReason);
    focus(&m_a, QEvent::FocusOut, Qt::TabFocusReason);
    focus(&m_b, QEvent::FocusIn, Qt::TabFocusReason);
    focus(&m_vrij, QEvent::FocusIn);

    EXPECT_EQ(m_log, QStringList({QStringLiteral("got 3"), QStringLiteral("lost 3"), QStringLiteral("got 7")}));
}

TEST_F(GebeurtenissenTest, VensterwisselEnPopupZijnGeenFocusverlies)
{
    focus(&m_a, QEvent::FocusIn);
    focus(&m_a, QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    focus(&m_a, QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    focus(&m_a, QEvent::FocusOut, Qt::PopupFocusReason);
    focus(&m_a, QEvent::FocusIn, Qt::PopupFocusReason);
    EXPECT_EQ(m_log, QStringList({QStringLiteral("got 3")}));

    // Away to another program, then straight back into the other field: the first one loses focus after all.
    focus(&m_a, QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    focus(&m_b, QEvent::FocusIn, Qt::MouseFocusReason);
    EXPECT_EQ(m_log, QStringList({QStringLiteral("got 3"), QStringLiteral("lost 3"), QStringLiteral("got 7")}));
}

TEST_F(GebeurtenissenTest, MeldingUitLostFocusGeeftGeenValseFocus)
{
    // The events as Qt sends them when a check in LostFocus shows a message box: Qt has already made the next
    // field the focus widget, so the box takes focus from it and gives it back on closing.
    bool terugzetten = true;
    m_filter.zetLostFocus([&](int i) {
        m_log.append(QStringLiteral("lost %1").arg(i));
        if (i != 3)
            return;
        focus(&m_b, QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        focus(&m_b, QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        if (terugzetten) {
            focus(&m_b, QEvent::FocusOut, Qt::OtherFocusReason);
            focus(&m_a, QEvent::FocusIn, Qt::OtherFocusReason);
        }
    });

    // Value refused: focus goes back to the first field; Qt then sends the second field no FocusIn at all.
    focus(&m_a, QEvent::FocusIn);
    focus(&m_a, QEvent::FocusOut, Qt::TabFocusReason);
    EXPECT_EQ(m_log, QStringList({QStringLiteral("got 3"), QStringLiteral("lost 3"), QStringLiteral("got 3")}));

    // Only a warning: the second field gets focus once, after the handler.
    terugzetten = false;
    m_log.clear();
    focus(&m_a, QEvent::FocusOut, Qt::TabFocusReason);
    focus(&m_b, QEvent::FocusIn, Qt::TabFocusReason);
    EXPECT_EQ(m_log, QStringList({QStringLiteral("lost 3"), QStringLiteral("got 7")}));
}

TEST_F(GebeurtenissenTest, LostFocusDieDeFocusVerzetTerwijlEenAnderVakNogActiefWas)
{
    // Box 3 still counts as the active one (the window was left from it); the user comes back by
    // clicking box 7. Box 3's LostFocus (its set refused) puts the focus in box 9: Qt takes it from
    // box 7, which never got its GotFocus, and gives it to box 9.
    QLineEdit c;
    m_filter.registreer(&c, 9);
    m_filter.zetLostFocus([&](int i) {
        m_log.append(QStringLiteral("lost %1").arg(i));
        if (i != 3)
            return;
        focus(&m_b, QEvent::FocusOut, Qt::OtherFocusReason);
        focus(&c, QEvent::FocusIn, Qt::OtherFocusReason);
    });
    focus(&m_a, QEvent::FocusIn, Qt::TabFocusReason);
    focus(&m_a, QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    focus(&m_b, QEvent::FocusIn, Qt::MouseFocusReason);
    EXPECT_EQ(m_log, QStringList({"got 3", "lost 3", "got 9"})) << "box 7 never held the focus";

    // Box 9 holds the focus: leaving it is its LostFocus (its set is checked), and box 7 gets its
    // GotFocus once the focus really reaches it.
    m_log.clear();
    focus(&c, QEvent::FocusOut, Qt::TabFocusReason);
    focus(&m_b, QEvent::FocusIn, Qt::TabFocusReason);
    EXPECT_EQ(m_log, QStringList({"lost 9", "got 7"}));
}

TEST_F(GebeurtenissenTest, AfmakenIsVerlatenTotErWeerInGetyptWordt)
{
    const auto indrukken = [](QWidget* w, int toets) {
        QKeyEvent event(QEvent::KeyPress, toets, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &event);
    };
    EXPECT_TRUE(m_filter.afmaken()) << "no box to finish";
    EXPECT_TRUE(m_log.isEmpty());

    // Finished while it keeps the focus; a message box or a menu meanwhile, and leaving it, run nothing more.
    focus(&m_a, QEvent::FocusIn, Qt::TabFocusReason);
    EXPECT_TRUE(m_filter.afmaken());
    focus(&m_a, QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    focus(&m_a, QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    EXPECT_TRUE(m_filter.afmaken()) << "the box is no longer being worked in";
    focus(&m_a, QEvent::FocusOut, Qt::TabFocusReason);
    focus(&m_b, QEvent::FocusIn, Qt::TabFocusReason);
    EXPECT_EQ(m_log, QStringList({"got 3", "lost 3", "got 7"}));

    // A key that edits nothing leaves it finished; its text edited again, with a key or without one (a
    // paste), makes leaving it check again, without a new GotFocus.
    m_log.clear();
    EXPECT_TRUE(m_filter.afmaken());
    indrukken(&m_b, Qt::Key_Left);
    focus(&m_b, QEvent::FocusOut, Qt::TabFocusReason);
    focus(&m_a, QEvent::FocusIn, Qt::TabFocusReason);
    EXPECT_EQ(m_log, QStringList({"lost 7", "got 3"}));
    m_log.clear();
    EXPECT_TRUE(m_filter.afmaken());
    m_a.insert("5");
    focus(&m_a, QEvent::FocusOut, Qt::TabFocusReason);
    focus(&m_b, QEvent::FocusIn, Qt::TabFocusReason);
    EXPECT_EQ(m_log, QStringList({"lost 3", "lost 3", "got 7"}));
}

TEST(HerintredeSlot, AlleenBuitensteBewakerKomtBinnen)
{
    ui::HerintredeSlot slot;
    {
        ui::HerintredeSlot::Bewaker buiten(slot);
        EXPECT_TRUE(buiten);
        {
            ui::HerintredeSlot::Bewaker binnen(slot);
            EXPECT_FALSE(binnen);
        }
        EXPECT_TRUE(slot.bezig());
    }
    EXPECT_FALSE(slot.bezig());
    ui::HerintredeSlot::Bewaker later(slot);
    EXPECT_TRUE(later);
}
