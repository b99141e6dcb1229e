#pragma once

// Typing set scores into the sheet: the boxes keep digits only, select their text when they get
// the focus, move the focus on the release of Enter, the arrows, Home and End, and check, complete
// and store a set when its away box is left.

#include <QObject>
#include <QPointer>

class FrmWedstrijdInput;
class QKeyEvent;
class QLineEdit;

namespace ui {
class Gebeurtenissen;
}

namespace sheet {

class Blad;

/** The most characters typing puts into a set box. */
inline constexpr int SetvakLengte = 2;

/**
 * Shows a text in a set box as it is, also when it is longer than typing allows (a stored value
 * of another form); the box then takes no more characters than it holds until it is shorter.
 */
void SetvakTonen(QLineEdit* vak, const QString& tekst);

class Setinvoer : public QObject
{
    Q_OBJECT

public:
    Setinvoer(FrmWedstrijdInput& venster, Blad& blad);

    /**
     * The check of the set of the away box in row rij, set setNr (1-5), as when that box is left.
     * @param terug the box was left backwards (Shift+Tab): the focus is not sent on to the next game
     * @return false for a wrong set score (reported, the focus on the set's home box); true otherwise
     */
    bool SetUit_LostFocus(int setNr, int rij, bool terug = false);

    /**
     * Finishes the set box being typed in as leaving it would: an away box checks and stores its set
     * (a home box does nothing). The box keeps the focus unless its check moves it.
     * @return false when the set was refused or could not be stored: what asked must not go on
     */
    bool afmaken();

protected:
    /**
     * A click that gives a set box the focus selects its text once the button is released. A key
     * pressed while Enter or Right is still down in a box goes where that Enter or Right moves to.
     */
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void TxtSet_Change(QLineEdit* vak);
    void TxtSet_GotFocus(QLineEdit* vak);
    /** @param vanElders the key went down elsewhere (see ui::Gebeurtenissen::lossingVanElders) */
    void TxtSet_KeyUp(int setNr, bool thuis, int rij, int toets, bool vanElders = false);
    /**
     * A key goes down in a set box while Enter or Right, pressed in that box, is still down (as on the
     * number pad, where the next digit often comes before Enter is up): that Enter or Right moves now
     * and its release does nothing more. The key then goes to the box that the move put the focus in.
     * @return true when the key was handled here (passed on, or dropped after a refused set)
     */
    bool toetsTijdensVerplaatsing(QLineEdit* vak, QKeyEvent* toets);
    /** Gives the focus to the box when it is enabled; false when it is not. */
    bool naar(QLineEdit* vak);
    /** The first row from van on, in steps of stap, whose box of the column is enabled. */
    bool eersteIngeschakeld(int setNr, bool thuis, int van, int stap);

    QPointer<FrmWedstrijdInput> m_venster;
    Blad& m_blad;
    ui::Gebeurtenissen* m_gebeurtenissen = nullptr;
    // The last set check refused its set.
    bool m_geweigerd = false;
    // The box that got the focus from a mouse press whose release has not come yet.
    QPointer<QLineEdit> m_geklikt;
};

} // namespace sheet
