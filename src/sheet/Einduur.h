#pragma once

// The end-time box of the sheet: selects its text when it gets the focus, and checks and stores
// the end time when the focus is about to leave it for another control of the window.

#include <QObject>
#include <QPointer>

class FrmWedstrijdInput;
class QLineEdit;

namespace sheet {

class Einduur : public QObject
{
    Q_OBJECT

public:
    /**
     * The handling of the end-time box of this window, made on first use (as a child of the box)
     * and then found again, so that connecting twice changes nothing.
     */
    static Einduur& verbinden(FrmWedstrijdInput& venster);

    /** Text in the box is selected as a whole; an empty box gets the caret at its start. */
    void TxtEinduur_GotFocus();

    /**
     * Checks the typed end time and stores it in the match on the sheet ("hh.mm", or one blank
     * when the box is emptied). A text that is no time of day, or an end time that is not later
     * than the begin time on the day of the match itself, is refused with a message.
     * @param Cancel set to true when the box refuses to let the focus go
     */
    void TxtEinduur_Validate(bool& Cancel);

    /**
     * Finishes the box while it is being typed in, as leaving it would: the end time is checked and
     * stored. The box keeps the focus; leaving it afterwards checks nothing more, unless its text is
     * edited again (typed, pasted, dropped, undone) or it is left after it got the focus anew.
     * @return false when the end time was refused (the message shown, the focus in the box)
     */
    bool afmaken();

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    explicit Einduur(FrmWedstrijdInput& venster);
    /** Only while a match is on the sheet (its frame is enabled then). */
    bool wedstrijdOpBlad() const;

    QPointer<FrmWedstrijdInput> m_venster;
    QPointer<QLineEdit> m_vak;
    bool m_bezig = false;
    // Checked and stored by afmaken() while it kept the focus.
    bool m_afgemaakt = false;
};

} // namespace sheet
