#include "ui/Keuzelijst.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// A window with a text box and then a list of three rows, none chosen.
class KeuzelijstTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto* indeling = new QVBoxLayout(&m_venster);
        indeling->addWidget(m_vak = new QLineEdit);
        indeling->addWidget(m_lijst = new ui::Keuzelijst);
        m_lijst->addItems({"een", "twee", "drie"});
        m_venster.show();
        m_venster.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_venster));
        m_vak->setFocus();
    }

    QWidget m_venster;
    QLineEdit* m_vak = nullptr;
    ui::Keuzelijst* m_lijst = nullptr;
};

} // namespace

TEST_F(KeuzelijstTest, FocusEnteringChoosesNothingTheUsersChoiceDoes)
{
    QSignalSpy gekozen(m_lijst, &QListWidget::currentRowChanged);
    QTest::keyClick(m_vak, Qt::Key_Tab);
    ASSERT_TRUE(m_lijst->hasFocus());
    EXPECT_EQ(m_lijst->currentRow(), -1);
    EXPECT_EQ(gekozen.count(), 0);

    // The window deactivated and activated again with the focus in the list: still nothing.
    QWidget ander;
    ander.show();
    ander.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ander));
    m_venster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_venster));
    EXPECT_EQ(m_lijst->currentRow(), -1);
    EXPECT_EQ(gekozen.count(), 0);

    // The arrow key inside the list chooses the first row, as a user's choice.
    QTest::keyClick(m_lijst, Qt::Key_Down);
    EXPECT_EQ(m_lijst->currentRow(), 0);
    ASSERT_EQ(gekozen.count(), 1);
    EXPECT_EQ(gekozen.takeFirst().at(0).toInt(), 0);

    // Leaving and entering again keeps that choice; code still chooses as a click does.
    QTest::keyClick(m_lijst, Qt::Key_Tab);
    QTest::keyClick(m_vak, Qt::Key_Tab);
    EXPECT_EQ(m_lijst->currentRow(), 0);
    m_lijst->setCurrentRow(2);
    EXPECT_EQ(gekozen.count(), 1);
}

TEST_F(KeuzelijstTest, AClickIntoTheListChoosesTheRowClickedOnly)
{
    QSignalSpy gekozen(m_lijst, &QListWidget::currentRowChanged);
    const QRect rij = m_lijst->visualItemRect(m_lijst->item(1));
    QTest::mouseClick(m_lijst->viewport(), Qt::LeftButton, {}, rij.center());
    EXPECT_TRUE(m_lijst->hasFocus());
    EXPECT_EQ(m_lijst->currentRow(), 1);
    ASSERT_EQ(gekozen.count(), 1);
    EXPECT_EQ(gekozen.at(0).at(0).toInt(), 1);
}

TEST(KeuzeVolgen, EveryChoiceRunsTheHandlingOnceAlsoTheShownEntryChosenAgain)
{
    QComboBox lijst;
    lijst.addItems({"Zaal 1", "Zaal 2", "Zaal 3"});
    int klikken = 0;
    ui::keuzeVolgen(&lijst, [&] { ++klikken; });
    lijst.show();
    lijst.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&lijst));

    lijst.setCurrentIndex(1); // by code
    EXPECT_EQ(klikken, 1);

    // The entry shown chosen again from the drop-down list.
    lijst.showPopup();
    QTest::keyClick(lijst.view(), Qt::Key_Return);
    EXPECT_EQ(lijst.currentIndex(), 1);
    EXPECT_EQ(klikken, 2);

    // Another entry from the drop-down list, and with the arrow key: one run each.
    lijst.showPopup();
    lijst.view()->setCurrentIndex(lijst.model()->index(2, 0));
    QTest::keyClick(lijst.view(), Qt::Key_Return);
    EXPECT_EQ(lijst.currentIndex(), 2);
    EXPECT_EQ(klikken, 3);
    QTest::keyClick(&lijst, Qt::Key_Up);
    EXPECT_EQ(lijst.currentIndex(), 1);
    EXPECT_EQ(klikken, 4);

    // After a change by code, the user choosing that entry again still counts.
    lijst.setCurrentIndex(0);
    EXPECT_EQ(klikken, 5);
    lijst.showPopup();
    QTest::keyClick(lijst.view(), Qt::Key_Return);
    EXPECT_EQ(klikken, 6);
}
