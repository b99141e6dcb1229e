#include "QtAfdruk.h"
#include "ui/QtMeldingen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
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
