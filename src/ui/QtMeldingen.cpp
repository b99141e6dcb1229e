#include "ui/QtMeldingen.h"

#include <QApplication>
#include <QFileDialog>
#include <QRegularExpression>
#include <QMessageBox>
#include <QPushButton>

namespace ui {

namespace {

// Shows a box modally over the active window and gives that window the activation back when the
// box closes: where no window manager does so (a bare X server), the program would otherwise keep
// receiving keys without its focus events, and no check that runs on leaving a box would run.
void tonen(QDialog& box, QWidget* actief)
{
    box.exec();
    if (actief && actief->isVisible())
        actief->activateWindow();
}

// A window title is one line: the line breaks of a longer title are shown as a dash between its parts
// (a title bar draws a line break as boxes).
QString eenRegel(const QString& titel)
{
    QStringList delen = titel.split(QRegularExpression(QStringLiteral("[\r\n]+")), Qt::SkipEmptyParts);
    for (QString& deel : delen)
        deel = deel.trimmed();
    delen.removeAll(QString());
    return delen.join(QStringLiteral(" - "));
}

// A box with the given icon, title and text; plain text, so a "<" in a name is never read as markup.
void vulBox(QMessageBox& box, QMessageBox::Icon icoon, const QString& titel, const QString& tekst)
{
    box.setIcon(icoon);
    box.setWindowTitle(eenRegel(titel));
    box.setTextFormat(Qt::PlainText);
    box.setText(tekst);
}

void toonMetOk(QMessageBox::Icon icoon, const QString& titel, const QString& tekst)
{
    QWidget* actief = QApplication::activeWindow();
    QMessageBox box(actief);
    vulBox(box, icoon, titel, tekst);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    tonen(box, actief);
}

// The labels of Qt's own file dialog; a native dialog speaks the language of the system.
void zetNederlandseLabels(QFileDialog& dialoog, const QString& kiesTekst)
{
    dialoog.setLabelText(QFileDialog::Accept, kiesTekst);
    dialoog.setLabelText(QFileDialog::Reject, QStringLiteral("Annuleren"));
    dialoog.setLabelText(QFileDialog::LookIn, QStringLiteral("Zoeken in:"));
    dialoog.setLabelText(QFileDialog::FileName, QStringLiteral("Naam:"));
    dialoog.setLabelText(QFileDialog::FileType, QStringLiteral("Bestandstype:"));
}

} // namespace

void QtMeldingen::kritiek(const QString& titel, const QString& tekst)
{
    toonMetOk(QMessageBox::Critical, titel, tekst);
}

void QtMeldingen::waarschuwing(const QString& titel, const QString& tekst)
{
    toonMetOk(QMessageBox::Warning, titel, tekst);
}

void QtMeldingen::informatie(const QString& titel, const QString& tekst)
{
    toonMetOk(QMessageBox::Information, titel, tekst);
}

namespace {

bool vraag(const QString& titel, const QString& tekst, bool jaStandaard)
{
    QWidget* actief = QApplication::activeWindow();
    QMessageBox box(actief);
    vulBox(box, QMessageBox::Question, titel, tekst);
    QPushButton* ja = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton* nee = box.addButton(QStringLiteral("Nee"), QMessageBox::NoRole);
    box.setDefaultButton(jaStandaard ? ja : nee);
    box.setEscapeButton(nee);
    tonen(box, actief);
    return box.clickedButton() == ja;
}

} // namespace

bool QtMeldingen::vraagJaNee(const QString& titel, const QString& tekst)
{
    return vraag(titel, tekst, true);
}

bool QtMeldingen::vraagNeeJa(const QString& titel, const QString& tekst)
{
    return vraag(titel, tekst, false);
}

QString QtMeldingen::kiesMap(const QString& titel, const QString& standaard)
{
    QFileDialog dialoog(QApplication::activeWindow(), eenRegel(titel), standaard);
    dialoog.setFileMode(QFileDialog::Directory);
    dialoog.setOption(QFileDialog::ShowDirsOnly);
    zetNederlandseLabels(dialoog, QStringLiteral("Kiezen"));
    if (dialoog.exec() != QDialog::Accepted || dialoog.selectedFiles().isEmpty())
        return standaard;
    return dialoog.selectedFiles().constFirst();
}

QString QtMeldingen::kiesBestand(const QString& titel, const QString& map, const QString& filter)
{
    QFileDialog dialoog(QApplication::activeWindow(), eenRegel(titel), map, filter);
    dialoog.setFileMode(QFileDialog::ExistingFile);
    dialoog.setAcceptMode(QFileDialog::AcceptOpen);
    zetNederlandseLabels(dialoog, QStringLiteral("Openen"));
    if (dialoog.exec() != QDialog::Accepted || dialoog.selectedFiles().isEmpty())
        return {};
    return dialoog.selectedFiles().constFirst();
}

} // namespace ui
