#pragma once

class QFont;
class QWidget;

namespace ui {

/**
 * Converts twips to screen pixels at 15 twips per pixel.
 * @param t a length or position in twips
 * @return the nearest whole number of pixels (halves away from zero)
 */
int twips(int t);

/**
 * Places a widget with a position and size given in twips. The right and bottom edges are converted
 * themselves, so widgets that touch in twips also touch in pixels. Does nothing for a null widget.
 * @param widget the widget to place
 * @param left left edge, in twips
 * @param top top edge, in twips
 * @param width width, in twips
 * @param height height, in twips
 */
void zetGeometrie(QWidget* widget, int left, int top, int width, int height);

/**
 * The program's text: the windows are laid out in twips for 8-point text of the narrow system font
 * they were designed with, so the text is a fixed 11 pixels of the narrowest family at hand and does
 * not grow with the desktop's font settings. Set as the application's font at start-up.
 */
QFont ontwerpLettertype();

} // namespace ui
