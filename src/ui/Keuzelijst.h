#pragma once

#include <QCheckBox>
#include <QListWidget>

#include <functional>

class QComboBox;

namespace ui {

/**
 * The program's list box: a QListWidget in which only a choice chooses.
 *
 * Qt makes the first row of a list current when the focus enters a list without a current row (by Tab,
 * by code, or when its window is activated), and the list then reports that row as chosen: the windows'
 * click handling would run for a row nobody chose. Here focus entering the list leaves it without a
 * current row; a click, the arrow keys or typing inside the list choose as before, and so does code
 * that sets the current row.
 */
class Keuzelijst : public QListWidget
{
    Q_OBJECT

public:
    explicit Keuzelijst(QWidget* parent = nullptr);

    /**
     * True while the list handles a key pressed in it (an arrow, Page Up or Down, Home, End, typing
     * to search): a choice made meanwhile is a choice by keyboard, and the user is still typing in
     * the list.
     */
    bool kiestMetToetsen() const { return m_toetsen > 0; }

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_toetsen = 0;
};

/**
 * A check box that knows when the user toggles it by keyboard (Space): what the toggle chooses can
 * then leave the keyboard on the box, as a choice typed in a Keuzelijst leaves it in the list.
 */
class Keuzevak : public QCheckBox
{
    Q_OBJECT

public:
    explicit Keuzevak(const QString& opschrift, QWidget* parent = nullptr);

    /** True while the box handles a key pressed or released on it: a toggle meanwhile is one by keyboard. */
    bool kiestMetToetsen() const { return m_toetsen > 0; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    int m_toetsen = 0;
};

/**
 * Runs a combo box's click handling on every choice of an entry: every change of the current entry (by
 * the user or by code) and the user choosing again the entry it already shows, which Qt does not
 * report as a change. Each choice runs the handling once.
 * @param lijst the combo box
 * @param klik the handling, run with the combo box's current entry chosen
 */
void keuzeVolgen(QComboBox* lijst, std::function<void()> klik);

/**
 * The mouse wheel chooses no entry of the closed combo box and does not put the focus in it, whether
 * the box has the focus or not: turned over the box it goes on to what the box lies on, as though the
 * box were not there, so that scrolling past it changes nothing. An entry is chosen from the open list
 * (the wheel scrolls that list) or with the keys on the box that has the focus, as before.
 * @param lijst the combo box
 */
void keuzeZonderWiel(QComboBox* lijst);

} // namespace ui
