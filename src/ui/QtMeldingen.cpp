#include "ui/QtMeldingen.h"

#include "ui/Vensters.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

namespace ui {

namespace {

// How long a box that has just opened takes no key: nobody reads and answers a box sooner, so a key
// pressed in that moment was typed before the box could be seen (a question that opens while the
// user is still typing, such as a search that fills a player at its third letter) and was meant for
// the window: an Enter meant for saving must not answer the question unseen.
constexpr qint64 EersteOgenblikMs = 350;

// Drops the key presses that reach the box in its first moment; the box waits for a key pressed
// while it is shown.
class VroegeToetsen : public QObject
{
public:
    explicit VroegeToetsen(QDialog& box)
        : m_box(box)
    {
        m_sinds.start();
        qApp->installEventFilter(this);
    }
    ~VroegeToetsen() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (object == &m_box && event->type() == QEvent::Show)
            m_sinds.start();
        if (event->type() != QEvent::KeyPress || !object->isWidgetType())
            return false;
        const auto* w = static_cast<const QWidget*>(object);
        return (w == &m_box || m_box.isAncestorOf(w)) && m_sinds.elapsed() < EersteOgenblikMs;
    }

private:
    QDialog& m_box;
    QElapsedTimer m_sinds;
};

// Shows a box modally over its window and gives that window the activation back when the box
// closes: where no window manager does so (a bare X server), the program would otherwise keep
// receiving keys without its focus events, and no check that runs on leaving a box would run.
void tonen(QDialog& box, QWidget* actief)
{
    {
        VroegeToetsen wacht(box);
        box.exec();
    }
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

// A text taller than about half the screen (a list of many matches) would make the box taller than
// the screen, its buttons out of reach: the text then scrolls inside a box of ordinary height.
void langeTekstScrollen(QMessageBox& box, QWidget* actief)
{
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    auto* rooster = qobject_cast<QGridLayout*>(box.layout());
    const QScreen* scherm = actief ? actief->screen() : QGuiApplication::primaryScreen();
    if (!label || !rooster || !scherm || label->sizeHint().height() <= scherm->availableGeometry().height() / 2)
        return;
    const int plaats = rooster->indexOf(label);
    int rij = 0, kolom = 0, rijen = 1, kolommen = 1;
    rooster->getItemPosition(plaats, &rij, &kolom, &rijen, &kolommen);
    rooster->removeWidget(label);
    auto* rol = new QScrollArea(&box);
    rol->setObjectName(QStringLiteral("langeTekst"));
    rol->setFrameShape(QFrame::NoFrame);
    rol->setWidgetResizable(true);
    rol->setWidget(label);
    const QRect ruimte = scherm->availableGeometry();
    rol->setMinimumSize(std::min(label->sizeHint().width() + rol->verticalScrollBar()->sizeHint().width(),
                                 ruimte.width() * 3 / 4),
                        ruimte.height() / 2);
    rooster->addWidget(rol, rij, kolom, rijen, kolommen);
}

// A box with the given icon, title and text; plain text, so a "<" in a name is never read as markup.
void vulBox(QMessageBox& box, QMessageBox::Icon icoon, const QString& titel, const QString& tekst, QWidget* actief)
{
    box.setIcon(icoon);
    box.setWindowTitle(eenRegel(titel));
    box.setTextFormat(Qt::PlainText);
    box.setText(tekst);
    langeTekstScrollen(box, actief);
}

void toonMetOk(QMessageBox::Icon icoon, const QString& titel, const QString& tekst)
{
    QWidget* actief = gebruikersvenster();
    QMessageBox box(actief);
    vulBox(box, icoon, titel, tekst, actief);
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
    QWidget* actief = gebruikersvenster();
    QMessageBox box(actief);
    vulBox(box, QMessageBox::Question, titel, tekst, actief);
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
    QFileDialog dialoog(gebruikersvenster(), eenRegel(titel), standaard);
    dialoog.setFileMode(QFileDialog::Directory);
    dialoog.setOption(QFileDialog::ShowDirsOnly);
    zetNederlandseLabels(dialoog, QStringLiteral("Kiezen"));
    if (dialoog.exec() != QDialog::Accepted || dialoog.selectedFiles().isEmpty())
        return standaard;
    return dialoog.selectedFiles().constFirst();
}

QString QtMeldingen::kiesBestand(const QString& titel, const QString& map, const QString& filter)
{
    QFileDialog dialoog(gebruikersvenster(), eenRegel(titel), map, filter);
    dialoog.setFileMode(QFileDialog::ExistingFile);
    dialoog.setAcceptMode(QFileDialog::AcceptOpen);
    zetNederlandseLabels(dialoog, QStringLiteral("Openen"));
    if (dialoog.exec() != QDialog::Accepted || dialoog.selectedFiles().isEmpty())
        return {};
    return dialoog.selectedFiles().constFirst();
}

} // namespace ui
