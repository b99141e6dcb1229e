#include "QtAfdruk.h"
#include "ui/QtMeldingen.h"
#include "ui/Vensters.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Once the box is up: checks how it looks and clicks the button with the given text.
void beantwoord(const QString& knop, QString& titel, QString& tekst, QStringList& knoppen, QString& standaard)
{
    QTimer::singleShot(0, [=, &titel, &tekst, &knoppen, &standaard] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            ADD_FAILURE() << "no message box shown";
            if (QWidget* ander = QApplication::activeModalWidget())
                ander->close();
            return;
        }
        titel = box->windowTitle();
        // Plain text, or "<Jan>" would be swallowed as markup.
        tekst = box->textFormat() == Qt::PlainText ? box->text() : QStringLiteral("(opgemaakt) ") + box->text();
        for (QAbstractButton* b : box->buttons())
            knoppen.append(b->text());
        standaard = box->defaultButton() ? box->defaultButton()->text() : QString();
        for (QAbstractButton* b : box->buttons()) {
            if (b->text() == knop) {
                b->click();
                return;
            }
        }
        ADD_FAILURE() << "no button " << knop.toStdString();
        box->reject();
    });
}

} // namespace

TEST(QtMeldingen, VraagJaNeeToontNederlandseKnoppenEnGeeftAntwoord)
{
    ui::QtMeldingen meldingen;
    const QString vraag = QStringLiteral("Speler <Jan> verwijderen?\nDit kan niet ongedaan worden.");

    QString titel, tekst, standaard;
    QStringList knoppen;
    beantwoord(QStringLiteral("Ja"), titel, tekst, knoppen, standaard);
    EXPECT_TRUE(meldingen.vraagJaNee(QStringLiteral("Leden"), vraag));
    EXPECT_EQ(titel, QStringLiteral("Leden"));
    EXPECT_EQ(tekst, vraag);
    knoppen.sort();
    EXPECT_EQ(knoppen, QStringList({QStringLiteral("Ja"), QStringLiteral("Nee")}));
    EXPECT_EQ(standaard, QStringLiteral("Ja"));

    knoppen.clear();
    beantwoord(QStringLiteral("Nee"), titel, tekst, knoppen, standaard);
    EXPECT_FALSE(meldingen.vraagJaNee(QStringLiteral("Leden"), vraag));
}

// A question whose Ja cannot be undone has Nee as its default button: Enter alone answers Nee.
TEST(QtMeldingen, VraagNeeJaHasNeeAsItsDefaultButton)
{
    ui::QtMeldingen meldingen;
    QString titel, tekst, standaard;
    QStringList knoppen;
    beantwoord(QStringLiteral("Ja"), titel, tekst, knoppen, standaard);
    EXPECT_TRUE(meldingen.vraagNeeJa(QStringLiteral("Alle Sterktelijsten Wissen"), QStringLiteral("Wissen ?")));
    EXPECT_EQ(titel, QStringLiteral("Alle Sterktelijsten Wissen"));
    knoppen.sort();
    EXPECT_EQ(knoppen, QStringList({QStringLiteral("Ja"), QStringLiteral("Nee")}));
    EXPECT_EQ(standaard, QStringLiteral("Nee"));

    knoppen.clear();
    beantwoord(QStringLiteral("Nee"), titel, tekst, knoppen, standaard);
    EXPECT_FALSE(meldingen.vraagNeeJa(QStringLiteral("Alle Sterktelijsten Wissen"), QStringLiteral("Wissen ?")));
}

TEST(QtMeldingen, AFolderDialogShowsATitleOfTwoLinesOnOneLine)
{
    ui::QtMeldingen meldingen;
    QString titel;
    QTimer::singleShot(0, [&titel] {
        if (QWidget* dialoog = QApplication::activeModalWidget()) {
            titel = dialoog->windowTitle();
            dialoog->close();
        }
    });
    const QString gekozen = meldingen.kiesMap(
        QStringLiteral("Bestandsmap 'Export.ttr'\r\nAnnuleren = map 'Import/Export' uit de opties !"),
        QStringLiteral("/tmp/"));
    EXPECT_EQ(gekozen, QStringLiteral("/tmp/")) << "closing the dialog keeps the default";
    EXPECT_EQ(titel, QStringLiteral("Bestandsmap 'Export.ttr' - Annuleren = map 'Import/Export' uit de opties !"));
}

// A key pressed as a box opens was typed before anyone could read the box: it answers nothing, and
// the box waits for an answer given while it is shown.
TEST(QtMeldingen, AKeyPressedAsTheBoxOpensAnswersNothing)
{
    ui::QtMeldingen meldingen;
    const auto vroegeToetsen = [](const QString& knop, bool& nogOpen) {
        QTimer::singleShot(0, [knop, &nogOpen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_TRUE(box);
            QWidget* doel = box->focusWidget() ? box->focusWidget() : box;
            QTest::keyClick(doel, Qt::Key_T);
            QTest::keyClick(doel, Qt::Key_Return);
            QTest::keyClick(doel, Qt::Key_Escape);
            nogOpen = box->isVisible();
            for (QAbstractButton* b : box->buttons()) {
                if (b->text() == knop)
                    b->click();
            }
        });
    };
    bool nogOpen = false;
    vroegeToetsen(QStringLiteral("Nee"), nogOpen);
    EXPECT_FALSE(meldingen.vraagJaNee(QStringLiteral("Speler Kiezen"), QStringLiteral("Toch opstellen ?")));
    EXPECT_TRUE(nogOpen);

    nogOpen = false;
    vroegeToetsen(QStringLiteral("OK"), nogOpen);
    meldingen.kritiek(QStringLiteral("Speler Kiezen"), QStringLiteral("Te lage index !"));
    EXPECT_TRUE(nogOpen);

    // Enter pressed once the box has been seen answers it with its default button.
    QTimer::singleShot(0, [] {
        QTimer::singleShot(500, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Return);
        });
    });
    EXPECT_TRUE(meldingen.vraagJaNee(QStringLiteral("Speler Kiezen"), QStringLiteral("Toch opstellen ?")));
}

// A child window just shown, which the window system has not activated yet: the box belongs to it and
// gives it the activation back, not to the window it was opened from.
TEST(QtMeldingen, ABoxAsAChildWindowOpensBelongsToThatWindow)
{
    QWidget hoofd;
    ui::bijActivering(&hoofd, [] {}); // as the program's main window watches its activation
    hoofd.show();
    hoofd.activateWindow();
    QApplication::setActiveWindow(&hoofd);
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &hoofd);

    QWidget kind(&hoofd, ui::KindvensterVlaggen);
    kind.show();
    hoofd.setEnabled(false);
    QWidget* eigenaar = nullptr;
    QTimer::singleShot(0, [&eigenaar] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            eigenaar = box->parentWidget();
            box->close();
        }
    });
    ui::QtMeldingen().informatie(QStringLiteral("Speler Kiezen"), QStringLiteral("Niet in het ledenbestand !"));
    QCoreApplication::processEvents();
    EXPECT_EQ(eigenaar, &kind);
    EXPECT_EQ(QApplication::activeWindow(), &kind);
    kind.close();
    hoofd.setEnabled(true);
    QCoreApplication::processEvents();
}

// A message that names a thousand matches still fits on the screen with its OK button; the text
// scrolls and is whole. A short one is shown as it always was.
TEST(QtMeldingen, ALongMessageScrollsInsideABoxThatFitsOnTheScreen)
{
    QStringList regels{QStringLiteral("Volgende wedstrijd(en) werden niet geëxporteerd:")};
    for (int i = 0; i < 1000; ++i)
        regels << QStringLiteral("- Wedstrijd \"PAH%1: Dorp 1 A - Dorp 4 B\"").arg(i, 5, 10, QLatin1Char('0'));
    // Also a text a little less tall than the screen, whose box with its button would not fit.
    const int schermRegels = QGuiApplication::primaryScreen()->availableGeometry().height()
                             / QFontMetrics(QApplication::font()).lineSpacing();
    for (const int aantal : {1000, schermRegels - 2, 5}) {
        const bool lang = aantal > 5;
        const QString tekst = regels.mid(0, aantal).join(u'\n');
        QRect box, ruimte, knop;
        QString getoond;
        bool rolt = false;
        QTimer::singleShot(0, [&] {
            auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_TRUE(b);
            box = b->frameGeometry();
            ruimte = b->screen()->availableGeometry();
            QAbstractButton* ok = b->buttons().value(0);
            knop = QRect(ok->mapTo(b, QPoint(0, 0)), ok->size());
            getoond = b->text();
            rolt = b->findChild<QScrollArea*>() != nullptr;
            ok->click();
        });
        ui::QtMeldingen().waarschuwing(QStringLiteral("Exporteren naar export.ttr"), tekst);
        EXPECT_EQ(rolt, lang) << aantal;
        EXPECT_LE(box.height(), ruimte.height());
        EXPECT_LE(box.width(), ruimte.width());
        EXPECT_TRUE(QRect(QPoint(0, 0), box.size()).contains(knop)) << "the OK button within the box";
        EXPECT_EQ(getoond, tekst);
    }
}
