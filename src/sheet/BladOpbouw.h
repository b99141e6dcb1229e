#pragma once

// Building the match sheet's controls on the main window, and placing them again in twips.
//
// Every control remembers the position and size it was given in twips, so the layout code can
// move a control or change its width in twips without pixel rounding creeping in.

#include <QRect>

class QWidget;

namespace core {
struct Wedstrijdblad;
}

namespace sheet {

/**
 * Makes all controls of the match sheet inside the work area and fills the pointers of the sheet.
 * The sheet is built for a team of four: all sixteen game rows shown, player row 3 shown and the
 * doubles row hidden.
 * @param werkvlak the main window's work area
 * @param b the sheet's control pointers, all null before
 */
void bladBouwen(QWidget* werkvlak, core::Wedstrijdblad& b);

/** Places a control in twips (relative to its frame's outer corner) and remembers that place. */
void plaatsen(QWidget* w, int left, int top, int width, int height);

/** The place of a control in twips as it was last given. */
QRect twipsGeometrie(const QWidget* w);

/** Moves a control to another top edge in twips; left, width and height stay. */
void zetBoven(QWidget* w, int top);

/** Gives a control another width in twips; its place and height stay. */
void zetBreedte(QWidget* w, int width);

} // namespace sheet
