#pragma once

// How the program's windows behave towards the keyboard and the window manager: menu shortcuts
// that win over the editing keys of text boxes, a window that sees its controls' keys first, child
// windows that stay above the window they belong to and are placed frame and all, buttons pressed
// with Enter and Escape, and windows whose handlers stop the moment their destruction begins.

#include <QtCore/qnamespace.h>

#include <functional>

class QKeyEvent;
class QObject;
class QWidget;

namespace ui {

/**
 * The window flags of a child window (options, clubs, picker, remarks ...): a dialog of its parent,
 * which the window manager keeps above that parent while it is open, with a title bar and a close
 * box. Pass them with the program's parent window as the parent. When such a window closes while it
 * is the active window, the window it belongs to is activated again. While it is open, an activation
 * of the window it belongs to (a click on it) while the part of that window registered with
 * bijActivering() is switched off goes back to the child window (to a message box open over it
 * first), raised above that window: the keyboard stays where the user can work.
 */
inline constexpr Qt::WindowFlags KindvensterVlaggen
    = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

/**
 * Lets the shortcuts of the window's menu bar win wherever the focus is in the window: a text box
 * claims keys such as Ctrl+Z, Ctrl+C or Ctrl+U as editing keys, so without this the menu item never
 * hears them. Only the keys of menu items that are enabled and shown are taken from the boxes; every
 * other editing key stays the box's own.
 * @param venster the window whose menu bar(s) and controls are meant; forgotten when destroyed
 */
void menuSneltoetsenVoorrang(QWidget* venster);

/**
 * Key preview: the window sees every key press and release of its controls before the control does
 * (once per key, for the control that has the focus).
 * @param venster the window; forgotten when destroyed
 * @param voorvertoning called with the control and the key event; returns true to keep the key from
 *        the control
 */
void toetsenVoorvertonen(QWidget* venster, std::function<bool(QWidget*, QKeyEvent*)> voorvertoning);

/**
 * The keys of the buttons, in every window of the program from this call on: Enter (Return or the
 * keypad's Enter) on a focused button presses it as Space does (down on the press, clicked on the
 * release, only when both reached the button); Escape presses the window's "Annuleren" button, or
 * its "Sluiten" button when it has no Annuleren, when that button is shown and enabled. Dialog boxes
 * (message boxes, the folder dialog) keep their own handling of both keys. Called more than once it
 * does nothing more; StandaardInstantie calls it for every window it makes.
 */
void knoppenMetToetsen();

/**
 * Activation: called every time the window that holds the widget becomes the active window inside
 * the program (a child window closing gives it back, the user clicks it while another window of the
 * program was active), after the window system has done its own focus handling of the activation, so
 * the focus that the call gives stays. Not called when a message box or other dialog box closes, nor
 * when the program as a whole becomes active again after the user was in another program: the focus
 * then stays where it was. Nor when the widget is switched off and a child window of its window takes
 * the activation back (see KindvensterVlaggen). Works for a
 * window inside the parent window's work area too, which Qt tells nothing of its activation.
 * @param venster the widget; forgotten when destroyed
 * @param terug called at each activation
 */
void bijActivering(QWidget* venster, std::function<void()> terug);

/**
 * A widget that a child window can switch off to have it to itself (the main window while the remarks
 * window or the player picker works on its match): whenever it is switched off, the child windows of the
 * program that are open at that moment are switched off with it, so that none of them can change what
 * the child window works on meanwhile; they are switched on again when the widget is. A child window
 * shown after it was switched off (the one that switched it off) stays usable. A window switched off
 * this way is not closed by its close box, and an activation of it goes to that child window (to a
 * message box open over it first), as with a click on the switched-off widget itself.
 * @param venster the widget; forgotten when destroyed
 */
void andereVenstersMeeUitschakelen(QWidget* venster);

/**
 * The window the user works in, to which a message box belongs: the active window; but a child window
 * that was shown since the last activation, and that the window system has not activated yet, already
 * counts (the window it was opened from is disabled by then, so a box that went back there would leave
 * the keyboard nowhere).
 */
QWidget* gebruikersvenster();

/**
 * Places a top-level window: its client area gets the size, its frame (title bar included) the
 * position, so the whole window stands where it is placed also under a window manager. Works before
 * the window is first shown as well as later.
 * @param left, top the frame's position, in twips
 * @param breedte, hoogte the size of the client area, in twips
 */
void vensterPlaatsen(QWidget* venster, int left, int top, int breedte, int hoogte);

/** Centres the window, frame and all, on its screen; its size does not change. */
void vensterCentreren(QWidget* venster);

/**
 * Swallows the rest of the mouse click under way (its press, double click and release) until the event
 * loop turns again: a click that tried to take the focus from a box that refused to let it go reaches
 * nothing, so that no list chooses and no button is pressed behind the box's message.
 */
void klikTegenhouden();

/**
 * Marks an object whose destruction has begun (a window's own destructor has run): from here on no
 * focus, key, mouse or activation event reaches it or anything inside it, so none of the window's
 * handlers runs on a half-destroyed window. StandaardInstantie marks every window made through it.
 */
void afbraakBegonnen(QObject* object);

/** @return true when the object or one of its ancestors is being destroyed */
bool inAfbraak(const QObject* object);

} // namespace ui
