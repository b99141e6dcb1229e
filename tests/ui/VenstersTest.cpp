// The windows' plumbing on small stand-in windows: menu shortcuts against a text box's editing keys,
// key preview, placement frame and all, owned child windows, and handlers that stop when a window's
// destruction begins.

#include "ui/Vensters.h"
#include "ui/Gebeurtenissen.h"
#include "ui/StandaardInstantie.h"
#include "ui/Twips.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// A window with a menu bar, a text box and a list, shown and active.
class Proefvenster : public QWidget
{
public:
    Proefvenster()
    {
        auto* indeling = new QVBoxLayout(this);
        balk = new QMenuBar(this);
        balk->setNativeMenuBar(false);
        indeling->addWidget(balk);
        QMenu* menu = balk->addMenu(QStringLiteral("&Wedstrijd"));
        ongedaan = menu->addAction(QStringLiteral("&Zaalcommissaris"));
        ongedaan->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
        verborgen = menu->addAction(QStringLiteral("Verborgen"));
        verborgen->setShortcut(QKeySequence(QStringLiteral("Ctrl+Y")));
        verborgen->setVisible(false);
        vak = new QLineEdit(this);
        indeling->addWidget(vak);
        lijst = new QListWidget(this);
        lijst->addItems({ QStringLiteral("a"), QStringLiteral("b") });
        indeling->addWidget(lijst);
        QObject::connect(ongedaan, &QAction::triggered, this, [this] { ++gekozen; });
    }

    void tonen()
    {
        show();
        activateWindow();
        QApplication::setActiveWindow(this);
        QCoreApplication::processEvents();
        vak->setFocus();
    }

    QMenuBar* balk = nullptr;
    QAction* ongedaan = nullptr;
    QAction* verborgen = nullptr;
    QLineEdit* vak = nullptr;
    QListWidget* lijst = nullptr;
    int gekozen = 0;
};

// A window made as the program makes its windows, with focus handlers that use its own members.
class Afbraakvenster : public QWidget, public ui::StandaardInstantie<Afbraakvenster>
{
    friend class ui::StandaardInstantie<Afbraakvenster>;

public:
    QLineEdit* vak = nullptr;
    QLineEdit* ander = nullptr;
    static inline QStringList log;

private:
    Afbraakvenster()
    {
        auto* indeling = new QVBoxLayout(this);
        vak = new QLineEdit(this);
        ander = new QLineEdit(this);
        indeling->addWidget(vak);
        indeling->addWidget(ander);
        auto* gebeurtenissen = new ui::Gebeurtenissen(this);
        gebeurtenissen->registreer(vak, 1);
        gebeurtenissen->registreer(ander, 2);
        gebeurtenissen->zetLostFocus([this](int i) { log << QStringLiteral("lost %1 %2").arg(i).arg(m_naam); });
        connect(vak, &QLineEdit::editingFinished, this, [this] { log << QStringLiteral("klaar %1").arg(m_naam); });
    }
    QString m_naam = QStringLiteral("venster");
};

} // namespace

TEST(Vensters, MenuShortcutsWinOverTheEditingKeysOfATextBox)
{
    Proefvenster venster;
    ui::menuSneltoetsenVoorrang(&venster);
    venster.tonen();
    ASSERT_TRUE(venster.vak->hasFocus());

    QTest::keyClicks(venster.vak, "12");
    QTest::keyClick(venster.vak, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(venster.gekozen, 1) << "the menu item, not the box's undo";
    EXPECT_EQ(venster.vak->text(), "12");

    // A disabled or hidden item leaves its key to the box.
    venster.ongedaan->setEnabled(false);
    QTest::keyClick(venster.vak, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(venster.gekozen, 1);
    EXPECT_EQ(venster.vak->text(), "") << "undone by the box";
    QTest::keyClick(venster.vak, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(venster.vak->text(), "12") << "redone by the box";
}

TEST(Vensters, KeyPreviewSeesEachKeyOnceBeforeTheControl)
{
    Proefvenster venster;
    QStringList gezien;
    ui::toetsenVoorvertonen(&venster, [&](QWidget* control, QKeyEvent* toets) {
        gezien << QStringLiteral("%1 %2 %3")
                      .arg(toets->type() == QEvent::KeyPress ? "in" : "uit")
                      .arg(ui::vbToetsCode(toets))
                      .arg(control->metaObject()->className());
        // The list does not get Page Down.
        return toets->key() == Qt::Key_PageDown && control == venster.lijst;
    });
    venster.tonen();

    // Page Down is ignored by a text box and travels to its parents: seen once all the same.
    QTest::keyClick(venster.vak, Qt::Key_PageDown);
    EXPECT_EQ(gezien, QStringList({ "in 34 QLineEdit", "uit 34 QLineEdit" }));

    gezien.clear();
    venster.lijst->setCurrentRow(0);
    venster.lijst->setFocus();
    QTest::keyClick(venster.lijst, Qt::Key_PageDown);
    EXPECT_EQ(venster.lijst->currentRow(), 0) << "kept from the list";
    QTest::keyClick(venster.lijst, Qt::Key_Down);
    EXPECT_EQ(venster.lijst->currentRow(), 1);
    EXPECT_EQ(gezien.size(), 4);
}

TEST(Vensters, EnterPressesTheFocusedButtonAndEscapeTheWindowsAnnulerenOrSluiten)
{
    ui::knoppenMetToetsen();
    Proefvenster venster;
    auto* sluiten = new QPushButton(QStringLiteral("&Sluiten"), &venster);
    auto* annuleren = new QPushButton(QStringLiteral("Annuleren"), &venster);
    venster.layout()->addWidget(sluiten);
    venster.layout()->addWidget(annuleren);
    // A child window of its own: its buttons are not the window's.
    QWidget kind(&venster, ui::KindvensterVlaggen);
    auto* kindAnnuleren = new QPushButton(QStringLiteral("Annuleren"), &kind);
    QStringList geklikt;
    for (QPushButton* k : { sluiten, annuleren, kindAnnuleren })
        QObject::connect(k, &QPushButton::clicked, &venster, [&geklikt, k] { geklikt << k->text(); });
    venster.tonen();

    // Enter as Space: down on the press, pressed on the release.
    sluiten->setFocus();
    QTest::keyPress(sluiten, Qt::Key_Return);
    EXPECT_TRUE(sluiten->isDown());
    EXPECT_TRUE(geklikt.isEmpty());
    QTest::keyRelease(sluiten, Qt::Key_Return);
    EXPECT_FALSE(sluiten->isDown());
    EXPECT_EQ(geklikt, QStringList({ "&Sluiten" }));
    QTest::keyClick(sluiten, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(geklikt.size(), 2) << "the keypad's Enter too";
    // A release whose press went elsewhere (a message box closed with Enter) presses nothing.
    QTest::keyRelease(sluiten, Qt::Key_Return);
    EXPECT_EQ(geklikt.size(), 2);
    // Enter in a text box is the box's.
    venster.vak->setFocus();
    QTest::keyClick(venster.vak, Qt::Key_Return);
    EXPECT_EQ(geklikt.size(), 2);

    // Escape from any control: Annuleren first, else Sluiten, never a hidden or disabled one.
    geklikt.clear();
    QTest::keyClick(venster.vak, Qt::Key_Escape);
    EXPECT_EQ(geklikt, QStringList({ "Annuleren" }));
    annuleren->hide();
    QTest::keyClick(venster.vak, Qt::Key_Escape);
    EXPECT_EQ(geklikt, QStringList({ "Annuleren", "&Sluiten" }));
    sluiten->setEnabled(false);
    QTest::keyClick(venster.vak, Qt::Key_Escape);
    EXPECT_EQ(geklikt.size(), 2) << "nothing to press";
    QTest::keyClick(venster.vak, Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_EQ(geklikt.size(), 2);
}

TEST(Vensters, DialogBoxesKeepTheirOwnEnterAndEscape)
{
    ui::knoppenMetToetsen();
    QDialog dialoog;
    auto* indeling = new QVBoxLayout(&dialoog);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialoog);
    auto* annuleren = new QPushButton(QStringLiteral("Annuleren"), &dialoog);
    indeling->addWidget(ok);
    indeling->addWidget(annuleren);
    int okGeklikt = 0;
    int annulerenGeklikt = 0;
    QObject::connect(ok, &QPushButton::clicked, &dialoog, [&] { ++okGeklikt; });
    QObject::connect(annuleren, &QPushButton::clicked, &dialoog, [&] { ++annulerenGeklikt; });
    dialoog.show();
    QApplication::setActiveWindow(&dialoog);
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Return);
    EXPECT_EQ(okGeklikt, 1) << "once, by the dialog's own handling";
    dialoog.show();
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Escape);
    EXPECT_EQ(annulerenGeklikt, 0) << "the dialog rejects by itself";
    EXPECT_FALSE(dialoog.isVisible());
}

TEST(Vensters, AWindowIsPlacedWithItsFrameAndCentredFrameAndAll)
{
    QWidget venster(nullptr, ui::KindvensterVlaggen);
    ui::vensterPlaatsen(&venster, 1500, 750, 4500, 3000);
    venster.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(venster.size(), QSize(300, 200)) << "the client area";
    EXPECT_EQ(venster.frameGeometry().topLeft(), QPoint(100, 50)) << "the frame, title bar included";

    // Moved by the user, placed again: the frame is where it is placed.
    venster.move(400, 300);
    ui::vensterPlaatsen(&venster, 0, 0, 4500, 3000);
    QCoreApplication::processEvents();
    EXPECT_EQ(venster.frameGeometry().topLeft(), QPoint(0, 0));

    ui::vensterCentreren(&venster);
    QCoreApplication::processEvents();
    const QRect scherm = venster.screen()->geometry();
    EXPECT_LE(std::abs(venster.frameGeometry().center().x() - scherm.center().x()), 1);
    EXPECT_LE(std::abs(venster.frameGeometry().center().y() - scherm.center().y()), 1);
}

TEST(Vensters, AChildWindowThatClosesGivesTheActivationToItsOwner)
{
    Proefvenster eigenaar;
    int activeringen = 0;
    ui::bijActivering(eigenaar.vak, [&] { ++activeringen; });
    eigenaar.tonen();
    activeringen = 0;

    QWidget kind(&eigenaar, ui::KindvensterVlaggen);
    EXPECT_EQ(kind.windowType(), Qt::Dialog) << "kept above its owner by the window manager";
    kind.show();
    kind.activateWindow();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &kind);
    EXPECT_EQ(activeringen, 0);

    kind.close();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &eigenaar);
    EXPECT_EQ(activeringen, 1);

    // Opened from another child window, it goes back to that one.
    QWidget import(&eigenaar, ui::KindvensterVlaggen);
    import.show();
    import.activateWindow();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &import);
    QWidget login(&eigenaar, ui::KindvensterVlaggen);
    login.show();
    login.activateWindow();
    QCoreApplication::processEvents();
    login.close();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &import);
    import.close();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &eigenaar);
    EXPECT_EQ(activeringen, 2);

    // A message box is modal to the window: closing it is no activation either.
    {
        QDialog box(&eigenaar);
        box.show();
        box.activateWindow();
        QCoreApplication::processEvents();
        ASSERT_EQ(QApplication::activeWindow(), &box);
        box.close();
        eigenaar.activateWindow();
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::activeWindow(), &eigenaar);
        EXPECT_EQ(activeringen, 2);
    }

    // The program coming back from another program is no activation inside it.
    QApplication::setActiveWindow(nullptr);
    QEvent terug(QEvent::ApplicationActivate);
    QCoreApplication::sendEvent(qApp, &terug);
    QApplication::setActiveWindow(&eigenaar);
    EXPECT_EQ(activeringen, 2);
}

// The user clicks the window that a child window switched off: the keyboard stays with the child window.
TEST(Vensters, ASwitchedOffWindowThatIsActivatedGivesTheActivationToItsOpenChildWindow)
{
    Proefvenster eigenaar;
    int activeringen = 0;
    ui::bijActivering(eigenaar.lijst, [&] { ++activeringen; });
    eigenaar.tonen();
    activeringen = 0;
    const auto activeren = [](QWidget* venster) {
        venster->activateWindow();
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    };

    QWidget kind(&eigenaar, ui::KindvensterVlaggen);
    auto* zoeken = new QLineEdit(&kind);
    auto* ander = new QLineEdit(&kind);
    auto* indeling = new QVBoxLayout(&kind);
    indeling->addWidget(zoeken);
    indeling->addWidget(ander);
    QWidget tweede(&eigenaar, ui::KindvensterVlaggen);
    tweede.show();
    activeren(&tweede);
    kind.show();
    activeren(&kind);
    ander->setFocus();
    ASSERT_EQ(QApplication::activeWindow(), &kind);

    // The part of the window that asks for its activations switched off, as the program's main
    // window is while one of its child windows is open.
    eigenaar.lijst->setEnabled(false);
    for (int keer = 0; keer < 2; ++keer) {
        activeren(&eigenaar);
        EXPECT_EQ(QApplication::activeWindow(), &kind) << "the child window activated last, not the other one";
        EXPECT_EQ(QApplication::focusWidget(), ander) << "where the keyboard was";
        QTest::keyClicks(QApplication::focusWidget(), "a");
    }
    EXPECT_EQ(ander->text(), "aa");
    EXPECT_EQ(activeringen, 0);
    eigenaar.lijst->setEnabled(true);

    // A message box over the child window keeps the keyboard.
    {
        QDialog box(&kind);
        box.setModal(true);
        auto* ok = new QPushButton(QStringLiteral("OK"), &box);
        box.show();
        activeren(&box);
        ok->setFocus();
        ASSERT_EQ(QApplication::activeWindow(), &box);
        eigenaar.lijst->setEnabled(false);
        activeren(&eigenaar);
        EXPECT_EQ(QApplication::activeWindow(), &box);
        EXPECT_EQ(QApplication::focusWidget(), ok);
        box.close();
        activeren(&kind);
        ASSERT_EQ(QApplication::activeWindow(), &kind);
        eigenaar.lijst->setEnabled(true);
    }

    // Not switched off, the window is the user's to work in beside the child window.
    activeren(&eigenaar);
    EXPECT_EQ(QApplication::activeWindow(), &eigenaar);
    EXPECT_EQ(activeringen, 1);

    // Closing the child window still gives the activation to the window, switched on again first.
    activeren(&kind);
    eigenaar.lijst->setEnabled(false);
    tweede.close();
    eigenaar.lijst->setEnabled(true);
    kind.close();
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &eigenaar);
    EXPECT_EQ(activeringen, 2);
}

TEST(Vensters, NoHandlerRunsWhileAWindowIsBeingDestroyed)
{
    Afbraakvenster& venster = Afbraakvenster::standaard();
    venster.show();
    venster.activateWindow();
    QApplication::setActiveWindow(&venster);
    QCoreApplication::processEvents();
    venster.vak->setFocus();
    ASSERT_TRUE(venster.vak->hasFocus());
    Afbraakvenster::log.clear();
    QTest::keyClicks(venster.vak, "x");
    venster.ander->setFocus();
    EXPECT_EQ(Afbraakvenster::log, QStringList({ "lost 1 venster", "klaar venster" }));

    // Destroyed with the focus in a box whose handlers use the window's members.
    venster.vak->setFocus();
    QTest::keyClicks(venster.vak, "y");
    Afbraakvenster::log.clear();
    Afbraakvenster::opruimen();
    EXPECT_TRUE(Afbraakvenster::log.isEmpty()) << Afbraakvenster::log.join(", ").toStdString();
    EXPECT_FALSE(ui::inAfbraak(qApp));
}
