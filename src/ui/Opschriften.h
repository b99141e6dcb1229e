#pragma once

#include <QProxyStyle>
#include <QRect>
#include <QString>

#include <functional>

class QAbstractButton;
class QFont;
class QGroupBox;

namespace ui {

/** How a caption is drawn in its rectangle. */
struct Opschriftschikking
{
    /** The alignment flags to draw with: those asked for, with Qt::TextWordWrap added when it wraps. */
    int vlaggen = 0;
    /** The font's stretch for a narrower rendering (as QFont::setStretch); 0 keeps the font as it is. */
    int rek = 0;
    /** Whether the caption fits the rectangle in this rendering. */
    bool past = true;
};

/**
 * Chooses how a caption fits a rectangle of fixed size, as the windows were designed for: on one line
 * when it fits; else wrapped at the blanks when the rectangle has room for more lines; else in a
 * narrower rendering of the same font (a smaller stretch, wrapped when that helps), the widest that
 * fits. A caption that fits in no rendering gets the narrowest one, and past is false.
 * @param lettertype the font the caption is drawn in
 * @param vak the rectangle the caption is drawn in
 * @param vlaggen the alignment and text flags asked for (Qt::AlignmentFlag | Qt::TextFlag)
 * @param tekst the caption; an "&" marks a mnemonic when vlaggen has Qt::TextShowMnemonic
 * @param zichtbaar the part of the control that shows, around vak: the caption may take its height
 *        (a button's text over its bevel), never more width than vak; invalid: vak alone
 */
Opschriftschikking opschriftSchikken(const QFont& lettertype, const QRect& vak, int vlaggen, const QString& tekst,
                                     const QRect& zichtbaar = QRect());

/**
 * The program's style: the platform's style, with every caption of a control (labels, buttons, check
 * boxes, option buttons, frames, combo boxes) drawn as opschriftSchikken chooses, so that no caption
 * is cut off by the fixed size its control was laid out with.
 */
class Vormgeving : public QProxyStyle
{
    Q_OBJECT

public:
    Vormgeving();

    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& pal, bool enabled,
                      const QString& text, QPalette::ColorRole textRole = QPalette::NoRole) const override;
};

/** Sets the program's font (ontwerpLettertype) and style (Vormgeving) on the application; once, at start-up. */
void vormgevingInstellen();

/**
 * A stored text (a team, club, player or venue name, a member number) as the caption of a control that
 * takes an "&" for the mark of its shortcut (a button, check box, option button, frame or menu item):
 * every "&" doubled, so that the caption shows the text as it is written and makes no shortcut.
 */
QString gegevensOpschrift(const QString& tekst);

/** The text a caption shows: "&&" as one "&", the mark of a shortcut left out. Undoes gegevensOpschrift. */
QString getoondeTekst(const QString& opschrift);

/** Shows a stored text on a button, check box or option button as it is written (gegevensOpschrift). */
void zetGegevensTekst(QAbstractButton* knop, const QString& tekst);

/** Shows a stored text as a frame's title as it is written (gegevensOpschrift). */
void zetGegevensTitel(QGroupBox* kader, const QString& tekst);

/** The text that a button, check box or option button shows: what zetGegevensTekst was given. */
QString gegevensTekst(const QAbstractButton* knop);

/** A caption as Vormgeving drew it. */
struct GetekendOpschrift
{
    /** The control being painted, when the painter paints a widget; else null. */
    const QWidget* control = nullptr;
    QString tekst;
    QRect vak;
    Opschriftschikking schikking;
};

/**
 * Lets a caller see every caption Vormgeving draws (the window tests check that all of them fit).
 * @param waarnemer called for each caption drawn; an empty function stops it
 */
void zetOpschriftWaarnemer(std::function<void(const GetekendOpschrift&)> waarnemer);

} // namespace ui
