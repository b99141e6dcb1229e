#pragma once

// The preparation window: runs the long data action that the main window names in its LabX when
// the hidden button Command1 is pressed from code, and shows the action's progress bar.

#include "core/Voortgang.h"
#include "ui/StandaardInstantie.h"

#include <QColor>
#include <QImage>
#include <QWidget>

class QPushButton;

namespace core {
class IOnderhoud;
}

/** The progress box: a picture that keeps what was drawn on it until it is cleared. */
class Voortgangsvak : public QWidget
{
    Q_OBJECT

public:
    explicit Voortgangsvak(QWidget* ouder);

    /** The drawing colour. */
    QColor kleur = Qt::black;
    /** What the box shows now. */
    const QImage& beeld() const { return m_beeld; }
    /** The text last drawn ("" after clearing). */
    QString tekst() const { return m_tekst; }
    /** Clears the box: the bar and its text disappear. */
    void leegmaken();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class FrmVoorbereiden;
    QImage m_beeld;
    QString m_tekst;
};

class FrmVoorbereiden : public QWidget, public ui::StandaardInstantie<FrmVoorbereiden>, public core::IVoortgang
{
    Q_OBJECT
    friend class ui::StandaardInstantie<FrmVoorbereiden>;

public:
    /** Loads the window (size, centred) and shows it. */
    void toon();

    /**
     * Draws the percentage, centred, and a bar from the left over that part of the box, in the
     * not-xor pen, and repaints the box at once.
     */
    void UpdateProgress(Voortgangsvak* vak, int procent);

    void opschriftZetten(const QString& tekst) override;
    void UpdateProgress(int procent) override;

    /**
     * The final line-up check of a play week, with its text in this window's caption and its
     * progress in its bar; see core::IOpstelling. Nothing in the program calls them yet: a caller
     * that wants the report of a week empties the table Eindcontrole, runs both checks, then the
     * report.
     * @param WeekNr holds its two-digit text afterwards
     * @return whether a finding was recorded
     * @throw db::DbFout when a table cannot be read
     */
    bool HogerLager(QString& WeekNr);
    bool DubbeleOpstelling(QString& WeekNr);
    /** The report of the findings of the checks, saved and opened; see core::IOpstelling. */
    void EindControleAfdrukken(const QString& WeekNr);

    /** Whether the last action was broken off, and the user told why. */
    bool afgebroken() const { return m_afgebroken; }

    Voortgangsvak* Picture1 = nullptr;
    /** Below the visible part of the window: pressed from code only. */
    QPushButton* Command1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void Command1_Click();

private:
    FrmVoorbereiden();
    void Form_Load();
    void Form_QueryUnload();
    /** "Import": Export.ttr of the folder in the main window's LabX1 read into the database. */
    void importeren(core::IOnderhoud& onderhoud);
    /** "ClubProgrammaInterclub": Export.ttr written into the folder the user chooses. */
    void exporteren(core::IOnderhoud& onderhoud);

    bool m_open = false;
    bool m_afgebroken = false;
};
